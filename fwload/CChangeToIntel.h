// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A firmware image in Intel-HEX text: the file stripped to the exact line
// text that goes on the wire, its identification records, and the lines
// handed out one by one (with a repeat of the last one).
#include <cstdint>
#include <string>
#include <string_view>

class CChangeToIntel {
public:
    // The longest line (line feed included) the download can send.
    static constexpr std::size_t kMaxLineLength = 99;

    // Builds the image; with checkHardware, 1 only when the revision, the
    // version and the hardware type were all found.
    int Convert(std::string_view text, int checkHardware);
    // The next line, or the last one again when n is the number of the line
    // handed out last (and not 0); the empty text when none is left or n is
    // beyond the number of records.
    std::string GetLine(unsigned n);
    void Clear();
    // Ready for another download of the same image.
    void Rewind();

    const std::string& Revision() const { return m_revision; }
    const std::string& Version() const { return m_version; }
    const std::string& HardwareType() const { return m_hardwareType; }
    std::uint32_t LineCount() const { return m_lineCount; }
    // The bytes that go on the line: the text without carriage returns,
    // blanks and empty lines, its last line ended with a line feed too.
    std::size_t ImageLength() const { return m_image.size(); }
    std::uint16_t CurrentLine() const { return m_currentLine; }
    // The longest line of the image, its line feed included.
    std::size_t LongestLine() const { return m_longestLine; }

private:
    bool AllFound() const;
    // Picks the identification out of one record, given from its ":" on.
    void ReadRecord(std::string_view record);
    void ReadHardwareType(char code);

    std::string m_revision;
    std::string m_version;
    std::string m_hardwareType;
    std::uint16_t m_currentLine = 0;
    std::uint32_t m_readPos = 0;
    std::uint32_t m_lineCount = 0;
    std::string m_image;
    std::string m_lastLine;
    std::size_t m_longestLine = 0;
};
