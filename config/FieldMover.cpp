// SPDX-License-Identifier: GPL-3.0-or-later
#include "FieldMover.h"

#include "CData.h"
#include "ProfileFile.h"

std::string FieldMover::Text(const char* key) const
{
    return m_file.GetString(m_section, key);
}

void FieldMover::Put(const char* key, const std::string& text)
{
    m_file.WriteString(m_section, key, text);
}

void FieldMover::ClearOldKey(const char* key)
{
    if (m_write && !Text(key).empty())
        Put(key, "");
}

void FieldMover::Str(const char* key, std::string& field, StrReader reader)
{
    if (m_write)
        Put(key, field);
    else
        reader(field, Text(key));
}

void FieldMover::Str(const char* key, std::string& field, RuledStrReader reader)
{
    if (m_write)
        Put(key, field);
    else
        reader(field, Text(key), m_rules);
}

template <typename Field, typename Reader, typename Writer>
void FieldMover::Move(const char* key, Field& field, Reader reader, Writer writer)
{
    if (m_write) {
        std::string text;
        writer(field, text);
        Put(key, text);
    } else {
        reader(field, Text(key));
    }
}

void FieldMover::Int(const char* key, int& field, IntReader reader, IntWriter writer)
{
    Move(key, field, reader, writer);
}

void FieldMover::Word(const char* key, int& field, IntReader reader, WordWriter writer)
{
    Move(key, field, reader, writer);
}

void FieldMover::Counter(const char* key, std::uint32_t& field)
{
    Move(key, field, &CData::StrToPayCounter, &CData::PayCounterToStr);
}
