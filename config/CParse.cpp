// SPDX-License-Identifier: GPL-3.0-or-later
#include "CParse.h"

#include "Trace.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kClass = "CParse";
constexpr const char* kTokenSpecials = ".+*#\xC4\xDC\xD6\xE4\xFC\xF6\xDF";
constexpr const char* kTokenSeparators = " ,-/";

} // namespace

CParse::CParse(const std::string& fileName)
{
    TraceLine(kClass, "Constructor()");
    BuildClassTable();
    Open(fileName);
}

CParse::~CParse()
{
    TraceLine(kClass, "Destructor()");
    if (m_fd >= 0)
        ::close(m_fd);
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
    m_class['\r'] = ImportCharClass::LineEnd;
}

void CParse::Open(const std::string& fileName)
{
    m_fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (m_fd < 0) {
        m_openError = errno;
        return;
    }
    // A folder opens fine but fails on the first read; refuse it here so the
    // caller can still tell the user instead of importing nothing.
    struct stat st {};
    if (::fstat(m_fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(m_fd);
        m_fd = -1;
        m_openError = EISDIR;
    }
}

bool CParse::ReadByte(unsigned char& byte)
{
    if (m_bufferPos == m_bufferLen) {
        if (m_fd < 0)
            return false;
        ssize_t n;
        do
            n = ::read(m_fd, m_buffer.data(), m_buffer.size());
        while (n < 0 && errno == EINTR);
        if (n <= 0)
            return false; // a read error ends the file like its end does
        m_bufferPos = 0;
        m_bufferLen = static_cast<std::size_t>(n);
    }
    byte = static_cast<unsigned char>(m_buffer[m_bufferPos++]);
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
