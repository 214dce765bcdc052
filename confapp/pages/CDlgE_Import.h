// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The phone-book import dialog: which file, from which line, how many
// entries, and in which column and at which token position of a line the
// name parts and the number stand. The user counts columns, tokens and lines
// from 1; 0 switches a part off. OK checks the values and the file and keeps
// them, counted from 0, for the import.
#include "PhoneBookImport.h"

#include <QDialog>

#include <array>

class QLineEdit;

class CDlgE_Import : public QDialog {
public:
    explicit CDlgE_Import(QWidget* parent = nullptr);

    // What OK confirmed, counted from 0 as DoImport takes it.
    const ImportSettings& Settings() const { return m_settings; }

    void accept() override;

    // The fields, for the tests.
    QLineEdit* FileName() const { return m_file; }
    QLineEdit* StartLine() const { return m_startLine; }
    QLineEdit* Entries() const { return m_entries; }
    QLineEdit* ColumnRepeat() const { return m_columnRepeat; }
    QLineEdit* NameColumn(int part) const { return m_nameColumn.at(static_cast<std::size_t>(part)); }
    QLineEdit* NameToken(int part) const { return m_nameToken.at(static_cast<std::size_t>(part)); }
    QLineEdit* NumberColumn() const { return m_numberColumn; }
    QLineEdit* NumberToken() const { return m_numberToken; }
    QLineEdit* Prefix() const { return m_prefix; }

private:
    QWidget* BuildFileGroup();
    QWidget* BuildNameGroup();
    QWidget* BuildNumberGroup();
    void ChooseFile();
    bool CheckFile();
    bool ReadNumber(QLineEdit* edit, int min, int max, int& value);
    bool ReadShownValues(ImportSettings& shown);

    QLineEdit* m_file;
    QLineEdit* m_startLine;
    QLineEdit* m_entries;
    QLineEdit* m_columnRepeat;
    std::array<QLineEdit*, 4> m_nameColumn{};
    std::array<QLineEdit*, 4> m_nameToken{};
    QLineEdit* m_numberColumn = nullptr;
    QLineEdit* m_numberToken = nullptr;
    QLineEdit* m_prefix = nullptr;
    ImportSettings m_settings;
};
