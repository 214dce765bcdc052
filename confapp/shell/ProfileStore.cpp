// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfileStore.h"

#include "FileCalls.h"
#include "UserPaths.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace ProfileStore {

CProfileFile Read(const std::string& path)
{
    CProfileFile profile;
    std::string error;
    if (profile.Load(path, error) == CProfileFile::LoadStatus::Failed)
        profile = CProfileFile();
    return profile;
}

bool Update(const std::string& path, const std::function<void(CProfileFile&)>& change)
{
    CProfileFile profile;
    std::string error;
    // An unreadable profile is not overwritten: it may hold settings we would lose.
    if (profile.Load(path, error) == CProfileFile::LoadStatus::Failed)
        return false;
    change(profile);
    const std::string folder = FolderOfFile(path);
    if (!folder.empty() && !MakeFolders(folder))
        return false;
    return profile.Save(path, error);
}

int GetInt(const CProfileFile& profile, std::string_view section, std::string_view key, int fallback)
{
    const std::string text = profile.GetFullString(section, key);
    if (text.empty())
        return fallback;
    errno = 0;
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (end == text.c_str() || errno == ERANGE || value < INT_MIN || value > INT_MAX)
        return fallback;
    return static_cast<int>(value);
}

void SetInt(CProfileFile& profile, std::string_view section, std::string_view key, int value)
{
    profile.WriteString(section, key, std::to_string(value));
}

} // namespace ProfileStore
