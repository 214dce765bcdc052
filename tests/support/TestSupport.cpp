// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"

#include "Derivat.h"
#include "PathText.h"
#include "ProfileFile.h"
#include "StringResources.h"
#include "Trace.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

// Private to the user, as mkdtemp would make it; the same on every platform.
TempDir::TempDir()
{
    std::mt19937_64 random{std::random_device{}()};
    const fs::path base = fs::temp_directory_path();
    for (int tries = 0; tries < 100 && m_path.empty(); ++tries) {
        const fs::path folder = base / ("mvtest." + std::to_string(random() % 1'000'000'000));
        if (fs::create_directory(folder)) {
            fs::permissions(folder, fs::perms::owner_all);
            m_path = Utf8Of(folder);
        }
    }
    if (m_path.empty())
        throw std::runtime_error("no temporary folder");
}

TempDir::~TempDir()
{
    std::error_code ec;
    // Tests may have made folders read-only; give the owner write access back first.
    const fs::path root = FsPath(m_path);
    for (auto& e : fs::recursive_directory_iterator(root, ec))
        if (e.is_directory(ec))
            fs::permissions(e.path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::permissions(root, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(root, ec);
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
    std::ifstream in(FsPath(path), std::ios::binary);
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
    std::ofstream out(FsPath(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool FileExists(const std::string& path)
{
    std::error_code ec;
    return fs::exists(FsPath(path), ec);
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
