#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The far end of a serial line for the tests under Wine: a pseudo-terminal
# that sends back every byte it receives. Prints the device of the near end,
# then echoes until its standard input closes (its caller has ended).
import os
import pty
import select
import sys
import tty

master, slave = pty.openpty()
tty.setraw(slave)
# The near end stays open here too, so that the line never hangs up
# between one open by the program under test and the next.
print(os.ttyname(slave), flush=True)
stdin = sys.stdin.fileno()
while True:
    ready, _, _ = select.select([master, stdin], [], [])
    if stdin in ready and not os.read(stdin, 64):
        break
    if master in ready:
        os.write(master, os.read(master, 4096))
