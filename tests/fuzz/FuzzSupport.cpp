// SPDX-License-Identifier: GPL-3.0-or-later
#include "FuzzSupport.h"

#include "Derivat.h"
#include "StringResources.h"
#include "Trace.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <unistd.h>

std::uint8_t FuzzInput::Byte()
{
    if (m_rest.empty())
        return 0;
    const auto byte = static_cast<std::uint8_t>(m_rest.front());
    m_rest.remove_prefix(1);
    return byte;
}

int FuzzInput::IntIn(int min, int max)
{
    const std::uint64_t span = static_cast<std::uint64_t>(static_cast<std::int64_t>(max) - min) + 1;
    std::uint64_t value = 0;
    for (std::uint64_t reach = 1; reach < span && !m_rest.empty(); reach <<= 8)
        value = (value << 8) | Byte();
    return static_cast<int>(static_cast<std::int64_t>(min) + static_cast<std::int64_t>(value % span));
}

std::string_view FuzzInput::Text(std::size_t max)
{
    const std::size_t count = std::min<std::size_t>(Byte() % (max + 1), m_rest.size());
    const std::string_view text = m_rest.substr(0, count);
    m_rest.remove_prefix(count);
    return text;
}

std::string_view FuzzInput::Field()
{
    const std::size_t nul = m_rest.find('\0');
    const std::string_view text = m_rest.substr(0, nul);
    m_rest.remove_prefix(nul == std::string_view::npos ? m_rest.size() : nul + 1);
    return text;
}

std::string_view FuzzInput::Rest()
{
    const std::string_view text = m_rest;
    m_rest = {};
    return text;
}

CDerivat FuzzIdentity(std::uint8_t selector)
{
    static const char* const kBrands[] = {"VARONIK", "KALMA", "ZEFIR", "OTHER"};
    static const char* const kVersions[] = {"V1.00", "V1.10", "V2.00", "V3.00", "V3.04", "V3.20", "V9.99", ""};
    // Both halves in the German market, or one half off, or both on elsewhere.
    const int halves = (selector >> 5) & 3;
    const BuildIdentity identity = DerivatLoad({
        {IDS_DERIVAT_NAME, kBrands[selector & 3]},
        {IDS_FIRMWARE_VERSION, kVersions[(selector >> 2) & 7]},
        {IDS_PROP_CFG, halves == 1 ? "0" : "1"},
        {IDS_PROP_DIALNAME, halves == 2 ? "0" : "1"},
        {IDS_COUNTRY, halves == 3 ? "AUSTRIA" : "GERMANY"},
    });
    return DerivatToProperties(identity, selector >> 7);
}

namespace {

// Kept in static storage of its own: the exit handler runs after the
// destructors of statics made later.
char g_scratch[4096];

void RemoveScratchDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(g_scratch, ignored);
}

std::string MakeScratchDir()
{
    const std::string pattern = (std::filesystem::temp_directory_path() / "mvfuzz.XXXXXX").string();
    if (pattern.size() >= sizeof g_scratch) {
        std::fprintf(stderr, "temporary folder path too long\n");
        std::abort();
    }
    std::snprintf(g_scratch, sizeof g_scratch, "%s", pattern.c_str());
    if (!::mkdtemp(g_scratch)) {
        std::perror("mkdtemp");
        std::abort();
    }
    std::atexit(RemoveScratchDir);
    // The trace decides once per process whether to write, by a marker file in
    // the working folder. Deciding it in the empty scratch folder keeps it off
    // whatever folder the fuzzer was started in.
    char startFolder[PATH_MAX];
    if (!::getcwd(startFolder, sizeof startFolder) || ::chdir(g_scratch) != 0) {
        std::perror("chdir");
        std::abort();
    }
    TraceLine("Fuzz", "Start()");
    if (::chdir(startFolder) != 0) {
        std::perror("chdir");
        std::abort();
    }
    // For looking into a saved input: MV_FUZZ_TRACE=1 shows the trace on stderr.
    if (std::getenv("MV_FUZZ_TRACE"))
        TraceSetTapForTesting([](std::string_view entry) {
            std::fprintf(stderr, "%.*s\n", static_cast<int>(entry.size()), entry.data());
        });
    return g_scratch;
}

} // namespace

const std::string& FuzzScratchDir()
{
    static const std::string dir = MakeScratchDir();
    return dir;
}

std::string FuzzScratchFile(std::string_view name)
{
    return FuzzScratchDir() + "/" + std::string(name);
}

void FuzzWriteFile(const std::string& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        std::abort();
    }
}

void FuzzFail(const std::string& what, const std::string& detail)
{
    std::fprintf(stderr, "%s%s%s\n", what.c_str(), detail.empty() ? "" : ": ", detail.c_str());
    std::abort();
}

// Every target starts by making its scratch folder, before the first input.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzScratchDir();
    return 0;
}
