#include "CliMain.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (IsCliInvocation(argc, argv))
        return RunCli(argc, argv, std::cout, std::cerr);
    std::cerr << "mvconf: Das Programmfenster gibt es noch nicht; bitte eine Betriebsart angeben (--help).\n";
    return 2;
}
