// SPDX-License-Identifier: GPL-3.0-or-later
#include "UserPaths.h"

#include "FileCalls.h"
#include "PathText.h"

#include <cerrno>
#include <cstdlib>

namespace {

// The variable's value as UTF-8 (getenv would give the system's code page);
// "." when it is not set.
std::string FolderFromEnvironment(const wchar_t* variable)
{
    const wchar_t* value = ::_wgetenv(variable);
    return value && *value ? Utf8Text(value) : std::string(".");
}

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

// The part of path that is never made: "C:\", "\\server\share\", "\".
std::size_t RootLength(const std::string& path)
{
    if (path.size() >= 2 && path[1] == ':')
        return path.size() > 2 && IsSeparator(path[2]) ? 3 : 2;
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        std::size_t end = path.find_first_of("\\/", 2);      // after the server
        end = end == std::string::npos ? end : path.find_first_of("\\/", end + 1); // after the share
        return end == std::string::npos ? path.size() : end + 1;
    }
    return !path.empty() && IsSeparator(path[0]) ? 1 : 0;
}

} // namespace

std::string UserProfilePath(std::string_view program)
{
    const std::string name(program);
    return FolderFromEnvironment(L"APPDATA") + "\\" + name + "\\" + name + ".ini";
}

std::string UserStateDir(std::string_view program)
{
    return FolderFromEnvironment(L"LOCALAPPDATA") + "\\" + std::string(program);
}

bool MakeFolders(const std::string& path)
{
    const std::size_t root = RootLength(path);
    for (std::size_t separator = path.find_first_of("\\/", root);;
         separator = path.find_first_of("\\/", separator + 1)) {
        const std::string part = path.substr(0, separator);
        if (part.size() > root && !MakeFolder(part) && errno != EEXIST)
            return false;
        if (separator == std::string::npos)
            return true;
    }
}
