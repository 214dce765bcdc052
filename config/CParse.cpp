// SPDX-License-Identifier: GPL-3.0-or-later
#include "CParse.h"

#include "Trace.h"

#include <utility>

namespace {

constexpr const char* kClass = "CParse";
constexpr const char* kTokenSpecials = ".+*#\xC4\xDC\xD6\xE4\xFC\xF6\xDF";
constexpr const char* kTokenSeparators = " ,-/";

} // namespace

CParse::CParse(std::string text) : m_text(std::move(text))
{
    TraceLine(kClass, "Constructor()");
    BuildClassTable();
}

CParse::~CParse()
{
    TraceLine(kClass, "Destructor()");
}

void CParse::BuildClassTable()
{
    m_class.fill(ImportCharClass::Ignored);
    for (int c = 0; c < 256; ++c) {
        const bool alnum = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (alnum)
            m_class[c] = ImportCharClass::Token;
    }
    for (const char* p = kTokenSpecials; *p; ++p)
        m_class[static_cast<unsigned char>(*p)] = ImportCharClass::Token;
    m_class['\t'] = ImportCharClass::ColumnSeparator;
    for (const char* p = kTokenSeparators; *p; ++p)
        m_class[static_cast<unsigned char>(*p)] = ImportCharClass::TokenSeparator;
    // Windows ends a line with CR LF, Unix with LF, old Macintosh files with CR.
    m_class['\r'] = ImportCharClass::LineEnd;
    m_class['\n'] = ImportCharClass::LineEnd;
}

bool CParse::ReadByte(unsigned char& byte)
{
    if (m_pos < m_text.size() && m_afterCarriageReturn && m_text[m_pos] == '\n')
        ++m_pos;
    m_afterCarriageReturn = false;
    if (m_pos == m_text.size())
        return false;
    byte = static_cast<unsigned char>(m_text[m_pos++]);
    m_afterCarriageReturn = byte == '\r';
    return true;
}

void CParse::StartLine()
{
    for (auto& column : m_columns)
        column.clear();
    m_columnCount = 0;
    m_run.clear();
    m_runClass = ImportCharClass::Ignored;
}

void CParse::EndRun()
{
    if (m_runClass == ImportCharClass::Token) {
        auto& tokens = m_columns[m_columnCount];
        if (tokens.size() < kMaxTokens)
            tokens.push_back(m_run);
        else
            TraceLine(kClass, "NextLine() to much toks!");
    }
    m_run.clear();
}

void CParse::AppendToRun(unsigned char byte)
{
    if (m_run.size() < kMaxChars)
        m_run.push_back(static_cast<char>(byte));
    else
        TraceLine(kClass, "NextLine() to much chars!");
}

void CParse::EndColumn()
{
    ++m_columnCount;
}

bool CParse::NextLine()
{
    StartLine();
    unsigned char byte = 0;
    while (ReadByte(byte)) {
        const ImportCharClass cls = m_class[byte];
        if (cls == ImportCharClass::Ignored)
            continue;
        if (cls != m_runClass) {
            EndRun();
            m_runClass = cls;
        }
        AppendToRun(byte);
        if (cls == ImportCharClass::ColumnSeparator) {
            // The last column takes the rest of the line.
            if (m_columnCount < kMaxColumns - 1)
                EndColumn();
            else
                TraceLine(kClass, "NextLine() to much cols!");
        } else if (cls == ImportCharClass::LineEnd) {
            EndColumn();
            ++m_lineCount;
            return true;
        }
    }
    EndRun();
    EndColumn();
    return false;
}
