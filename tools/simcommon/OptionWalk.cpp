// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionWalk.h"

bool WalkOptions(int argc, char** argv, const OptionHandlers& handlers, std::string& error)
{
    for (int i = 1; i < argc; ++i) {
        std::string_view name = argv[i];
        if (handlers.takeFlag(name))
            continue;
        const auto eq = name.find('=');
        const bool inlineValue = eq != std::string_view::npos;
        const std::string_view value = inlineValue ? name.substr(eq + 1) : std::string_view();
        name = name.substr(0, eq);
        if (!handlers.takesValue(name)) {
            error = "unknown option: " + std::string(name);
            return false;
        }
        if (!inlineValue && i + 1 == argc) {
            error = "missing value for " + std::string(name);
            return false;
        }
        if (!handlers.takeValue(name, inlineValue ? value : std::string_view(argv[++i]), error))
            return false;
    }
    return true;
}
