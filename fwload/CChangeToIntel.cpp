// SPDX-License-Identifier: GPL-3.0-or-later
#include "CChangeToIntel.h"

#include "HexRecordCheck.h"
#include "Trace.h"

#include <algorithm>

namespace {

constexpr std::string_view kRevisionHead = ":02002A00";
constexpr std::string_view kVersionHead = ":06001000";
// Data bytes of a record start after ":", length, address and type.
constexpr std::size_t kFirstDataChar = 9;

void Trace(std::string_view message)
{
    TraceLine("CChangeToIntel", message);
}

// A damaged pair reads as 0: the record check of the file has the say
// about it, and the telephone checks each line once more.
char DataByte(std::string_view record, std::size_t index)
{
    const std::size_t pos = kFirstDataChar + 2 * index;
    if (pos + 1 >= record.size())
        return 0;
    const int high = HexDigitValue(record[pos]);
    const int low = HexDigitValue(record[pos + 1]);
    if (high < 0 || low < 0)
        return 0;
    return static_cast<char>(high * 16 + low);
}

// The identification texts are C texts on the telephone: a zero byte adds nothing.
void AppendByte(std::string& text, char byte)
{
    if (byte != 0)
        text += byte;
}

std::size_t LongestLineOf(std::string_view image)
{
    std::size_t longest = 0;
    std::size_t begin = 0;
    while (begin < image.size()) {
        const std::size_t lf = image.find('\n', begin);
        const std::size_t end = lf == std::string_view::npos ? image.size() : lf + 1;
        longest = std::max(longest, end - begin);
        begin = end;
    }
    return longest;
}

} // namespace

int CChangeToIntel::Convert(std::string_view text, int checkHardware)
{
    Clear();
    Trace("Start Conversion...");
    m_image.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ':') {
            ++m_lineCount;
            // Once all three are known a later record cannot change them.
            if (checkHardware == 1 && !AllFound())
                ReadRecord(text.substr(i));
        }
        if (c == '\r' || c == ' ')
            continue;
        // An empty line would go out as a line of its own and take the
        // number of a record, so the end record would never be sent.
        if (c == '\n' && (m_image.empty() || m_image.back() == '\n'))
            continue;
        m_image += c;
    }
    // The telephone takes a line only with its line feed.
    if (!m_image.empty() && m_image.back() != '\n')
        m_image += '\n';
    m_longestLine = LongestLineOf(m_image);
    Trace("...End Conversion");
    if (checkHardware == 0)
        return 1;
    return AllFound() ? 1 : 0;
}

bool CChangeToIntel::AllFound() const
{
    return !m_revision.empty() && !m_version.empty() && !m_hardwareType.empty();
}

void CChangeToIntel::ReadRecord(std::string_view record)
{
    if (record.starts_with(kRevisionHead)) {
        AppendByte(m_revision, DataByte(record, 0));
        AppendByte(m_revision, DataByte(record, 1));
    } else if (record.starts_with(kVersionHead)) {
        AppendByte(m_version, DataByte(record, 0));
        m_version += '.';
        AppendByte(m_version, DataByte(record, 2));
        AppendByte(m_version, DataByte(record, 3));
        ReadHardwareType(DataByte(record, 5));
    }
}

void CChangeToIntel::ReadHardwareType(char code)
{
    switch (code) {
    case '0':
        m_hardwareType = "Q410";
        break;
    case '1':
        m_hardwareType = "QL410";
        break;
    case '2':
        m_hardwareType = "Q38";
        break;
    default:
        Trace("wrong HW Type in hex file...");
        break;
    }
}

std::string CChangeToIntel::GetLine(unsigned n)
{
    if (m_lineCount < n)
        return {};
    if (n == m_currentLine && m_currentLine != 0)
        return m_lastLine;
    if (m_readPos >= m_image.size())
        return {};
    const std::size_t lf = m_image.find('\n', m_readPos);
    const std::size_t end = lf == std::string::npos ? m_image.size() : lf + 1;
    m_lastLine.assign(m_image, m_readPos, end - m_readPos);
    m_readPos = static_cast<std::uint32_t>(end);
    ++m_currentLine;
    return m_lastLine;
}

void CChangeToIntel::Clear()
{
    m_revision.clear();
    m_version.clear();
    m_hardwareType.clear();
    m_image.clear();
    m_image.shrink_to_fit();
    m_lineCount = 0;
    m_longestLine = 0;
    Rewind();
}

void CChangeToIntel::Rewind()
{
    m_readPos = 0;
    m_currentLine = 0;
    m_lastLine.clear();
}
