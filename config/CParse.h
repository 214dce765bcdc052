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

    // Opens an existing file for reading; a file that cannot be opened reads
    // as an empty one, IsOpen() and OpenError() tell the caller why.
    explicit CParse(const std::string& fileName);
    ~CParse();
    CParse(const CParse&) = delete;
    CParse& operator=(const CParse&) = delete;

    bool IsOpen() const { return m_fd >= 0; }
    int OpenError() const { return m_openError; }

    // Reads the next line; true when it ended with a carriage return, false at
    // the end of the file, where the columns read last still count.
    bool NextLine();

    int ColumnCount() const { return m_columnCount; }
    const std::vector<std::string>& Tokens(int column) const { return m_columns.at(column); }
    // Lines ended by a carriage return so far.
    int LineCount() const { return m_lineCount; }

private:
    void BuildClassTable();
    void Open(const std::string& fileName);
    bool ReadByte(unsigned char& byte);
    void StartLine();
    void EndRun();
    void AppendToRun(unsigned char byte);
    void EndColumn();

    std::array<ImportCharClass, 256> m_class{};
    int m_fd = -1;
    int m_openError = 0;
    std::array<char, 8192> m_buffer{};
    std::size_t m_bufferPos = 0;
    std::size_t m_bufferLen = 0;

    std::array<std::vector<std::string>, kMaxColumns> m_columns;
    int m_columnCount = 0; // ended columns; the one being read has this index
    int m_lineCount = 0;
    std::string m_run;
    ImportCharClass m_runClass = ImportCharClass::Ignored; // Ignored: no run yet
};
