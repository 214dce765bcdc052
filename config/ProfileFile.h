// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A private-profile (".ini" style) file held in memory: read it once, look up
// and replace keys, write it back once. Bytes are kept as they are
// (Windows-1252); lines are read with CR LF or LF and written with CR LF.
//
// Rules: a section starts with a line "[name]"; a key line is "key=value";
// section and key names match without regard to ASCII case; the value is
// exactly the bytes after the first "=" up to the line end. Writing a key that
// exists replaces its value in place; a missing key is appended at the end of
// its section, a missing section at the end of the file. No blank lines are
// added. Reading delivers at most 29 bytes of a value.
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class CProfileFile {
public:
    enum class LoadStatus { Loaded, Missing, Failed };

    // Replaces the content with the given bytes.
    void Parse(std::string_view bytes);
    // The whole file as it would be written.
    std::string Serialize() const;

    // The value, cut to 29 bytes; the empty text when section or key is missing.
    std::string GetString(std::string_view section, std::string_view key) const;
    // The whole value, for the program's own settings (device paths are long).
    std::string GetFullString(std::string_view section, std::string_view key) const;
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    bool HasSection(std::string_view section) const { return FindSection(section) != std::string::npos; }
    // Whether the section has a key with a value that is not empty.
    bool HasValues(std::string_view section) const;
    // Appends, whole and in their order, the sections of source whose names
    // this file does not have.
    void CarrySectionsFrom(const CProfileFile& source);

    // Loads a file; Missing leaves an empty profile. On Failed, error says why.
    LoadStatus Load(const std::string& path, std::string& error);
    // Writes atomically (temporary file in the same folder, then rename).
    bool Save(const std::string& path, std::string& error) const;

private:
    // Hash and equality that ignore ASCII case, so lookups need no folded copy.
    struct NoCaseHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const;
    };
    struct NoCaseEqual {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };
    using NameIndex = std::unordered_map<std::string, std::size_t, NoCaseHash, NoCaseEqual>;

    // Sections hold a few dozen keys at most; comparing hashes in file order
    // finds the first of a name faster than a map that has to be built.
    struct KeyRef {
        std::size_t hash;
        std::size_t line;
    };
    struct Section {
        std::vector<std::string> lines; // lines[0] is the "[name]" header
        std::vector<KeyRef> keys;       // in file order
        std::size_t end = 1;            // one past the last non-blank line
    };

    void AddLine(std::string_view line);
    void AppendSection(std::string_view section, std::string_view key, std::string_view value);
    // Index into m_sections, or npos.
    std::size_t FindSection(std::string_view name) const;
    // Index into section.lines, or npos.
    static std::size_t FindKey(const Section& section, std::string_view key);
    static std::size_t KeyHash(std::string_view key);

    std::vector<std::string> m_preamble; // lines before the first section
    std::vector<Section> m_sections;
    NameIndex m_sectionIndex; // first section of each name
};
