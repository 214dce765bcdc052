// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared helpers of the test executables.
#include <map>
#include <string>
#include <string_view>
#include <vector>

// A fresh folder below the system's temporary folder, removed with its content.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return m_path; }
    std::string File(std::string_view name) const;

private:
    std::string m_path;
};

// Collects every trace entry ("Class: message") while it lives.
class TraceCapture {
public:
    TraceCapture();
    ~TraceCapture();
    TraceCapture(const TraceCapture&) = delete;
    TraceCapture& operator=(const TraceCapture&) = delete;

    const std::vector<std::string>& Lines() const { return m_lines; }
    bool Contains(std::string_view line) const;
    int Count(std::string_view line) const;
    void Clear() { m_lines.clear(); }

private:
    std::vector<std::string> m_lines;
};

// Sets the derivative identity for one test and puts the shipped one back after.
// Each argument replaces the string resource of the same meaning when not empty.
struct Identity {
    std::string derivative{};
    std::string country{};
    std::string firmware{};
    std::string configPart{};
    std::string phonebookPart{};
    int phoneType = 1;
};

class IdentityScope {
public:
    explicit IdentityScope(const Identity& identity = {});
    ~IdentityScope();
    IdentityScope(const IdentityScope&) = delete;
    IdentityScope& operator=(const IdentityScope&) = delete;
};

std::string ReadFileBytes(const std::string& path);
// The text under key in section of a document or profile file; empty when missing.
std::string ProfileValue(const std::string& path, const char* section, const char* key);
// "name value" lines, as the simulators write their timing reports, by name.
std::map<std::string, double> NamedFigures(const std::string& path);
void WriteFileBytes(const std::string& path, std::string_view bytes);
bool FileExists(const std::string& path);
// An Intel-HEX record from the hex digits after ":", its checksum appended.
std::string HexRecord(std::string_view digits);
