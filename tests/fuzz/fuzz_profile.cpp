// SPDX-License-Identifier: GPL-3.0-or-later
// The private-profile reader on arbitrary bytes: parsing, writing back,
// lookups, and replacing or adding keys.
//
// Input: the file's bytes up to the first NUL byte; after it, operations,
// each a NUL-ended section, key and value (a missing value: lookup only).
#include "FuzzSupport.h"
#include "ProfileFile.h"

#include <cstdio>
#include <cstdlib>

namespace {

std::string Where(std::string_view section, std::string_view key)
{
    return "[" + std::string(section) + "] " + std::string(key);
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool HasEdgeBlank(std::string_view text)
{
    return !text.empty() && (IsBlank(text.front()) || IsBlank(text.back()));
}

// Names a program would use: one line, no blanks around the section name, no
// "=" in the key, and no key that reads as a section header.
bool CleanSection(std::string_view s)
{
    return !s.empty() && s.find_first_of("]\r\n") == std::string_view::npos && !HasEdgeBlank(s);
}

bool CleanKey(std::string_view k)
{
    if (k.find_first_of("=\r\n") != std::string_view::npos)
        return false;
    const std::size_t first = k.find_first_not_of(" \t");
    return first == std::string_view::npos || k[first] != '[';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    const std::string_view bytes = in.Field();

    CProfileFile file;
    file.Parse(bytes);
    const std::string written = file.Serialize();
    {
        // Reading what was written gives the same file again.
        CProfileFile again;
        again.Parse(written);
        if (again.Serialize() != written)
            FuzzFail("write-read-write differs");
    }

    bool clean = true;
    while (!in.Empty()) {
        const std::string_view section = in.Field();
        const std::string_view key = in.Field();
        const bool write = !in.Empty();
        const std::string_view value = in.Field();

        const std::string full = file.GetFullString(section, key);
        if (file.GetString(section, key) != full.substr(0, 29))
            FuzzFail("GetString is not the cut GetFullString", Where(section, key));
        if (!write)
            continue;
        file.WriteString(section, key, value);
        // A line break written into a name or value makes lines of its own in
        // the file; no caller writes one, and what follows is then no longer
        // comparable.
        clean = clean && CleanSection(section) && CleanKey(key) && value.find('\n') == std::string_view::npos;
        if (!clean)
            continue;
        if (file.GetFullString(section, key) != value)
            FuzzFail("written value not found", Where(section, key));
        CProfileFile reread;
        reread.Parse(file.Serialize());
        if (reread.GetFullString(section, key) != value)
            FuzzFail("written value lost in the file", Where(section, key));
    }
    return 0;
}
