// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Line parser of the phone-book import: splits tab-separated text into
// columns and each column into tokens of name and number characters.
#include <array>
#include <cstddef>
#include <string>
#include <vector>

enum class ImportCharClass { Ignored, Token, ColumnSeparator, TokenSeparator, LineEnd };

class CParse {
public:
    static constexpr int kMaxColumns = 51;
    static constexpr std::size_t kMaxTokens = 50;
    static constexpr std::size_t kMaxChars = 50;

    // Parses text of Windows-1252 bytes; the caller has read and converted
    // the file, so the parser never meets a file it cannot read.
    explicit CParse(std::string text);
    ~CParse();
    CParse(const CParse&) = delete;
    CParse& operator=(const CParse&) = delete;

    // Reads the next line; true when a line end ended it (CR, LF, or CR LF
    // as one), false at the end of the text, where the columns read last
    // still count.
    bool NextLine();

    int ColumnCount() const { return m_columnCount; }
    const std::vector<std::string>& Tokens(int column) const { return m_columns.at(column); }
    // Lines ended by a line end so far.
    int LineCount() const { return m_lineCount; }

private:
    void BuildClassTable();
    bool ReadByte(unsigned char& byte);
    void StartLine();
    void EndRun();
    void AppendToRun(unsigned char byte);
    void EndColumn();

    std::array<ImportCharClass, 256> m_class{};
    std::string m_text;
    std::size_t m_pos = 0;
    bool m_afterCarriageReturn = false; // a line feed right after it ends no second line

    std::array<std::vector<std::string>, kMaxColumns> m_columns;
    int m_columnCount = 0; // ended columns; the one being read has this index
    int m_lineCount = 0;
    std::string m_run;
    ImportCharClass m_runClass = ImportCharClass::Ignored; // Ignored: no run yet
};
