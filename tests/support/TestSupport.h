// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared helpers of the test executables.
#include "CData_All.h"
#include "CQ410CfDoc.h"
#include "Derivat.h"

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

// A build identity for a test: each text replaces the string resource of the
// same meaning when not empty.
struct Identity {
    std::string derivative{};
    std::string country{};
    std::string firmware{};
    std::string configPart{};
    std::string phonebookPart{};
    int phoneType = 1;
};

BuildIdentity TestIdentity(const Identity& identity = {});
// Its switches for its firmware version and phone type.
CDerivat TestSwitches(const Identity& identity = {});

// A document of its own, under identity (its phone type too), for a page
// or dialog under test.
struct TestDocument {
    explicit TestDocument(const Identity& identity = {}) : doc(data, saved, TestIdentity(identity))
    {
        doc.SetPhoneType(identity.phoneType);
    }
    TestDocument(const TestDocument&) = delete;
    TestDocument& operator=(const TestDocument&) = delete;

    CData_All data;
    CData_All saved;
    CQ410CfDoc doc;
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
