// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"

#include "Derivat.h"
#include "ProfileFile.h"
#include "StringResources.h"
#include "Trace.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "mvtest.XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
}

TempDir::~TempDir()
{
    std::error_code ec;
    // Tests may have made folders read-only; give the owner write access back first.
    for (auto& e : std::filesystem::recursive_directory_iterator(m_path, ec))
        if (e.is_directory(ec))
            ::chmod(e.path().c_str(), 0700);
    ::chmod(m_path.c_str(), 0700);
    std::filesystem::remove_all(m_path, ec);
}

std::string TempDir::File(std::string_view name) const
{
    return m_path + "/" + std::string(name);
}

TraceCapture::TraceCapture()
{
    TraceSetTapForTesting([this](std::string_view line) { m_lines.emplace_back(line); });
}

TraceCapture::~TraceCapture()
{
    TraceSetTapForTesting({});
}

bool TraceCapture::Contains(std::string_view line) const
{
    return Count(line) > 0;
}

int TraceCapture::Count(std::string_view line) const
{
    int n = 0;
    for (const auto& l : m_lines)
        n += l == line;
    return n;
}

BuildIdentity TestIdentity(const Identity& id)
{
    IdentityTexts texts;
    const std::pair<int, const std::string*> given[] = {
        {IDS_DERIVAT_NAME, &id.derivative}, {IDS_COUNTRY, &id.country},        {IDS_FIRMWARE_VERSION, &id.firmware},
        {IDS_PROP_CFG, &id.configPart},     {IDS_PROP_DIALNAME, &id.phonebookPart},
    };
    for (const auto& [resource, text] : given)
        if (!text->empty())
            texts.emplace_back(resource, *text);
    return DerivatLoad(texts);
}

CDerivat TestSwitches(const Identity& id)
{
    return DerivatToProperties(TestIdentity(id), id.phoneType);
}

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string ProfileValue(const std::string& path, const char* section, const char* key)
{
    CProfileFile file;
    std::string error;
    file.Load(path, error);
    return file.GetString(section, key);
}

std::map<std::string, double> NamedFigures(const std::string& path)
{
    std::map<std::string, double> figures;
    std::ifstream in(path);
    std::string name;
    double value = 0;
    while (in >> name >> value)
        figures[name] = value;
    return figures;
}

void WriteFileBytes(const std::string& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool FileExists(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

std::string HexRecord(std::string_view digits)
{
    int sum = 0;
    for (std::size_t i = 0; i + 1 < digits.size(); i += 2)
        sum += std::stoi(std::string(digits.substr(i, 2)), nullptr, 16);
    char checksum[3];
    std::snprintf(checksum, sizeof checksum, "%02X", -sum & 0xFF);
    return ":" + std::string(digits) + checksum;
}
