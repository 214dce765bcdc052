// SPDX-License-Identifier: GPL-3.0-or-later
#include "FwSettings.h"

#include "FileCalls.h"
#include "PathText.h"
#include "ProfileFile.h"
#include "UserPaths.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace {

// Three of the program's key names end in a blank ("COM ", "Active ", "Q38 ").
// CProfileFile matches the names in the file without their blanks but takes
// the name asked for as it is, so lookups go by the trimmed name; a new key
// is still written with its blank.
std::string_view Trimmed(std::string_view key)
{
    while (key.ends_with(' '))
        key.remove_suffix(1);
    return key;
}

bool HasKey(const CProfileFile& profile, std::string_view section, std::string_view key)
{
    CProfileFile probe = profile;
    const std::string before = profile.Serialize();
    probe.WriteString(section, key, "");
    // A key that is there changes its value only; a missing one adds a line.
    const std::string after = probe.Serialize();
    return std::count(after.begin(), after.end(), '\n') == std::count(before.begin(), before.end(), '\n');
}

std::string PortKey(int n)
{
    return "COM" + std::to_string(n);
}

} // namespace

FwSettings::FwSettings() : m_path(UserProfilePath("fwload")) {}

FwSettings::FwSettings(std::string path) : m_path(std::move(path)) {}

int FwSettings::GetInt(std::string_view section, std::string_view key, int fallback) const
{
    const std::string text = GetText(section, key);
    return text.empty() ? fallback : static_cast<int>(std::strtol(text.c_str(), nullptr, 10));
}

std::string FwSettings::GetText(std::string_view section, std::string_view key) const
{
    CProfileFile profile;
    std::string ignored;
    profile.Load(m_path, ignored);
    return profile.GetFullString(section, Trimmed(key));
}

bool FwSettings::WriteInt(std::string_view section, std::string_view key, int value, std::string* error) const
{
    return WriteText(section, key, std::to_string(value), error);
}

bool FwSettings::WriteText(std::string_view section, std::string_view key, std::string_view value,
                           std::string* error) const
{
    CProfileFile profile;
    std::string reason;
    // A file that exists but cannot be read is not replaced by one with a single key.
    bool ok = profile.Load(m_path, reason) != CProfileFile::LoadStatus::Failed;
    if (ok) {
        profile.WriteString(section, HasKey(profile, section, Trimmed(key)) ? Trimmed(key) : key, value);
        const std::string folder = FolderOfFile(m_path);
        ok = (folder.empty() || MakeFolders(folder)) && profile.Save(m_path, reason);
        if (!ok && reason.empty())
            reason = "Der Ordner " + folder + " lässt sich nicht anlegen.";
    }
    if (!ok && error)
        *error = reason;
    return ok;
}

bool FwSettings::RememberHexFile(const std::string& path, std::string* error) const
{
    // A relative path would name another file once the program runs elsewhere.
    std::error_code failed;
    std::filesystem::path full = std::filesystem::absolute(FsPath(path), failed);
    if (failed)
        full = FsPath(path);
    full = full.lexically_normal();
    return WriteText("File", "LastPath", Utf8Of(full), error) &&
           WriteText("File", "LastName", Utf8Of(full.filename()), error);
}

std::string FwSettings::DeviceForPort(int n) const
{
    return ::DeviceForPort(m_path, n);
}

bool FwSettings::SetDeviceForPort(int n, std::string_view device, std::string* error) const
{
    return WriteText("Ports", PortKey(n), device, error);
}
