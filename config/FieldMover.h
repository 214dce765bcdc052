// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Moves one record's fields to or from its section of the document file,
// each field through its codec, so that every record's MoveFile is a plain
// list of its keys in file order.
#include "Derivat.h"

#include <cstdint>
#include <string>
#include <string_view>

class CProfileFile;

class FieldMover {
public:
    using StrReader = bool (*)(std::string&, std::string_view);
    using RuledStrReader = bool (*)(std::string&, std::string_view, const CodecRules&);
    using IntReader = bool (*)(int&, std::string_view);
    using IntWriter = bool (*)(int&, std::string&);
    using WordWriter = bool (*)(int, std::string&);

    FieldMover(CProfileFile& file, bool write, const std::string& section, const CodecRules& rules)
        : m_file(file), m_write(write), m_section(section), m_rules(rules)
    {
    }

    // A string field; written as it stands, read through its filter.
    void Str(const char* key, std::string& field, StrReader reader);
    void Str(const char* key, std::string& field, RuledStrReader reader);
    // A bounded integer; writing repairs an out-of-range field.
    void Int(const char* key, int& field, IntReader reader, IntWriter writer);
    // A keyword kind or a boolean.
    void Word(const char* key, int& field, IntReader reader, WordWriter writer);
    void Counter(const char* key, std::uint32_t& field);

    // The raw text of a key (at most 29 bytes), for fallbacks to older keys.
    std::string Text(const char* key) const;
    // When writing: empties an older key that still holds a value, so that a
    // field written empty does not fall back to it when read again.
    void ClearOldKey(const char* key);
    bool Writing() const { return m_write; }

private:
    void Put(const char* key, const std::string& text);
    template <typename Field, typename Reader, typename Writer>
    void Move(const char* key, Field& field, Reader reader, Writer writer);

    CProfileFile& m_file;
    bool m_write;
    const std::string& m_section;
    CodecRules m_rules;
};
