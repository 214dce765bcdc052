// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SIGTERM and SIGINT turned into a readable descriptor, so that a simulator's
// wait on its pseudo-terminal also wakes up to stop and ends cleanly.

// The descriptor to watch, or -1 when the signals could not be set up.
int InstallStopSignals();
