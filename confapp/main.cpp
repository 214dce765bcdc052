// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliMain.h"
#include "WindowProgram.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (IsCliInvocation(argc, argv))
        return RunCli(argc, argv, std::cout, std::cerr);
    return RunWindowProgram(argc, argv);
}
