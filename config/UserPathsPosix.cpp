// SPDX-License-Identifier: GPL-3.0-or-later
#include "UserPaths.h"

#include "FileCalls.h"

#include <cerrno>
#include <cstdlib>

namespace {

std::string BaseDir(const char* variable, const char* fallbackBelowHome)
{
    const char* value = std::getenv(variable);
    if (value && *value == '/')
        return value;
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : ".") + "/" + fallbackBelowHome;
}

} // namespace

std::string UserProfilePath(std::string_view program)
{
    const std::string name(program);
    return BaseDir("XDG_CONFIG_HOME", ".config") + "/" + name + "/" + name + ".ini";
}

std::string UserStateDir(std::string_view program)
{
    return BaseDir("XDG_STATE_HOME", ".local/state") + "/" + std::string(program);
}

bool MakeFolders(const std::string& path)
{
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (!MakeFolder(part) && errno != EEXIST)
            return false;
        if (slash == std::string::npos)
            return true;
    }
}
