// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfileFile.h"

#include "AtomicFile.h"

#include <optional>

namespace {

// Values are read through a 30-byte buffer in files written by earlier
// versions of the program; longer values never reached it.
constexpr std::size_t kMaxValueBytes = 29;

char FoldCase(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The name of a "[name]" line; nothing for any other line.
std::optional<std::string_view> HeaderName(std::string_view line)
{
    line = Trim(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    line.remove_prefix(1);
    return Trim(line.substr(0, line.find(']')));
}

// The name of a key line: the text before the first "=", without blanks.
std::string_view KeyName(std::string_view line)
{
    return Trim(line.substr(0, line.find('=')));
}

std::string KeyLine(std::string_view key, std::string_view value)
{
    std::string line;
    line.reserve(key.size() + 1 + value.size());
    line.append(key).append("=").append(value);
    return line;
}

} // namespace

std::size_t CProfileFile::NoCaseHash::operator()(std::string_view text) const
{
    std::size_t hash = 14695981039346656037ull; // FNV-1a
    for (char c : text)
        hash = (hash ^ static_cast<unsigned char>(FoldCase(c))) * 1099511628211ull;
    return hash;
}

bool CProfileFile::NoCaseEqual::operator()(std::string_view a, std::string_view b) const
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldCase(a[i]) != FoldCase(b[i]))
            return false;
    return true;
}

void CProfileFile::Parse(std::string_view bytes)
{
    m_preamble.clear();
    m_sections.clear();
    m_sectionIndex.clear();
    while (!bytes.empty()) {
        const std::size_t lf = bytes.find('\n');
        std::string_view line = bytes.substr(0, lf);
        bytes.remove_prefix(lf == std::string_view::npos ? bytes.size() : lf + 1);
        // Also a CR without its LF at the very end: the rest of a cut CR LF.
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        AddLine(line);
    }
}

void CProfileFile::AddLine(std::string_view line)
{
    if (const auto name = HeaderName(line)) {
        m_sectionIndex.try_emplace(std::string(*name), m_sections.size());
        m_sections.emplace_back().lines.emplace_back(line);
        return;
    }
    if (m_sections.empty()) {
        m_preamble.emplace_back(line);
        return;
    }
    Section& section = m_sections.back();
    if (line.find('=') != std::string_view::npos)
        section.keys.push_back({NoCaseHash()(KeyName(line)), section.lines.size()});
    section.lines.emplace_back(line);
    if (!Trim(line).empty())
        section.end = section.lines.size();
}

std::string CProfileFile::Serialize() const
{
    std::size_t size = 0;
    for (const auto& line : m_preamble)
        size += line.size() + 2;
    for (const auto& section : m_sections)
        for (const auto& line : section.lines)
            size += line.size() + 2;
    std::string bytes;
    bytes.reserve(size);
    for (const auto& line : m_preamble)
        bytes.append(line).append("\r\n");
    for (const auto& section : m_sections)
        for (const auto& line : section.lines)
            bytes.append(line).append("\r\n");
    return bytes;
}

// A new key line is found again by the name without its blanks, as every
// lookup and every key line read from a file is ("COM " is "COM").
std::size_t CProfileFile::KeyHash(std::string_view key)
{
    return NoCaseHash()(Trim(key));
}

std::size_t CProfileFile::FindSection(std::string_view name) const
{
    const auto found = m_sectionIndex.find(name);
    return found == m_sectionIndex.end() ? std::string::npos : found->second;
}

std::size_t CProfileFile::FindKey(const Section& section, std::string_view key)
{
    // Names are compared without their surrounding blanks on both sides:
    // fwload's keys end in a blank ("COM ", "Active ").
    key = Trim(key);
    const std::size_t hash = KeyHash(key);
    for (const KeyRef& ref : section.keys)
        if (ref.hash == hash && NoCaseEqual()(KeyName(section.lines[ref.line]), key))
            return ref.line;
    return std::string::npos;
}

std::string CProfileFile::GetString(std::string_view section, std::string_view key) const
{
    return GetFullString(section, key).substr(0, kMaxValueBytes);
}

std::string CProfileFile::GetFullString(std::string_view section, std::string_view key) const
{
    const std::size_t index = FindSection(section);
    if (index == std::string::npos)
        return {};
    const Section& s = m_sections[index];
    const std::size_t found = FindKey(s, key);
    if (found == std::string::npos)
        return {};
    const std::string& line = s.lines[found];
    return line.substr(line.find('=') + 1);
}

bool CProfileFile::HasValues(std::string_view section) const
{
    const std::size_t index = FindSection(section);
    if (index == std::string::npos)
        return false;
    const Section& s = m_sections[index];
    for (const KeyRef& ref : s.keys) {
        const std::string& line = s.lines[ref.line];
        if (!Trim(std::string_view(line).substr(line.find('=') + 1)).empty())
            return true;
    }
    return false;
}

void CProfileFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    const std::size_t index = FindSection(section);
    if (index == std::string::npos) {
        AppendSection(section, key, value);
        return;
    }
    Section& s = m_sections[index];
    if (const std::size_t found = FindKey(s, key); found != std::string::npos) {
        // Only the value changes; the key keeps its spelling and its blanks.
        std::string& line = s.lines[found];
        line.replace(line.find('=') + 1, std::string::npos, value);
        return;
    }
    // Blank lines that end the section stay in front of the next one. They are
    // never key lines, so no key's line number moves.
    s.keys.push_back({KeyHash(key), s.end});
    s.lines.insert(s.lines.begin() + static_cast<std::ptrdiff_t>(s.end), KeyLine(key, value));
    ++s.end;
}

void CProfileFile::AppendSection(std::string_view section, std::string_view key, std::string_view value)
{
    m_sectionIndex.try_emplace(std::string(section), m_sections.size());
    Section& s = m_sections.emplace_back();
    s.lines.push_back("[" + std::string(section) + "]");
    s.lines.push_back(KeyLine(key, value));
    s.keys.push_back({KeyHash(key), 1});
    s.end = 2;
}

void CProfileFile::CarrySectionsFrom(const CProfileFile& source)
{
    const std::size_t own = m_sections.size();
    for (const Section& section : source.m_sections) {
        const std::string name(*HeaderName(section.lines.front()));
        // A name carried already may come again: that section comes along too.
        if (FindSection(name) < own)
            continue;
        m_sectionIndex.try_emplace(name, m_sections.size());
        m_sections.push_back(section);
    }
}

CProfileFile::LoadStatus CProfileFile::Load(const std::string& path, std::string& error)
{
    std::string bytes;
    const ReadStatus status = ReadWholeFile(path, bytes, error);
    Parse(bytes); // empty unless read
    switch (status) {
    case ReadStatus::Read:
        return LoadStatus::Loaded;
    case ReadStatus::Missing:
        return LoadStatus::Missing;
    case ReadStatus::Failed:
        break;
    }
    return LoadStatus::Failed;
}

bool CProfileFile::Save(const std::string& path, std::string& error) const
{
    return WriteFileAtomically(path, Serialize(), error);
}
