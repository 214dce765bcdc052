// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's profile: every value is read from the file when asked for and
// every change is written through at once, as a private-profile file behaves,
// so the dialog and a command-line run never work on stale copies.
#include <string>
#include <string_view>

class FwSettings {
public:
    // The per-user profile of fwload.
    FwSettings();
    explicit FwSettings(std::string path);

    // The leading decimal number of the value; fallback when the key is missing or empty.
    int GetInt(std::string_view section, std::string_view key, int fallback) const;
    // The whole value (paths are longer than the 29 bytes of a plain read).
    std::string GetText(std::string_view section, std::string_view key) const;
    // False with the reason when the file cannot be written (it is then left as it was).
    bool WriteInt(std::string_view section, std::string_view key, int value, std::string* error = nullptr) const;
    bool WriteText(std::string_view section, std::string_view key, std::string_view value,
                   std::string* error = nullptr) const;

    // Remembers the hex file of a download for its restart, as the file dialog
    // does: the full path as "File"/"LastPath", the name alone as "File"/"LastName".
    bool RememberHexFile(const std::string& path, std::string* error = nullptr) const;

    // The device of port n: "Ports"/"COMn", else DefaultDeviceForPort(n).
    std::string DeviceForPort(int n) const;
    bool SetDeviceForPort(int n, std::string_view device, std::string* error = nullptr) const;

    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};
