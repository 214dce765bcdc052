// SPDX-License-Identifier: GPL-3.0-or-later
#include "CDlgE_Import.h"
#include "Mnemonics.h"

#include "Cp1252.h"
#include "FilteredEdits.h"
#include "MessageBoxes.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <climits>

namespace {

constexpr int kMaxColumn = 50; // the parser keeps at most 51 columns of 50 tokens
constexpr int kMaxEntries = 200;
const ImportSettings kDefaults;

QLineEdit* NumberEdit(int value)
{
    auto* edit = new CEdit_Num;
    edit->setText(QString::number(value));
    edit->setMaximumWidth(60);
    return edit;
}

// The dialog counts lines, columns and tokens from 1, so that 0 can switch
// a part off; the import counts from 0 and takes -1 as off.
ImportSettings CountedFromZero(ImportSettings s)
{
    s.startLine -= 1;
    for (int k = 0; k < 4; ++k) {
        s.nameColumn.at(static_cast<std::size_t>(k)) -= 1;
        s.nameToken.at(static_cast<std::size_t>(k)) -= 1;
    }
    s.numberColumn -= 1;
    s.numberToken -= 1;
    return s;
}

} // namespace

CDlgE_Import::CDlgE_Import(QWidget* parent)
    : QDialog(parent), m_file(new QLineEdit), m_startLine(NumberEdit(kDefaults.startLine + 1)),
      m_entries(NumberEdit(kDefaults.entries)), m_columnRepeat(NumberEdit(kDefaults.columnRepeat))
{
    setWindowTitle(QStringLiteral("Import Telefonbuch"));
    auto* counts = new QFormLayout;
    counts->addRow(QStringLiteral("Startzeile"), m_startLine);
    counts->addRow(QStringLiteral("Anzahl der Einträge"), m_entries);
    counts->addRow(QStringLiteral("Spaltenwiederholung"), m_columnRepeat);

    auto* parts = new QHBoxLayout;
    parts->addWidget(BuildNameGroup());
    parts->addWidget(BuildNumberGroup(), 0, Qt::AlignTop);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildFileGroup());
    layout->addLayout(counts);
    layout->addLayout(parts);
    layout->addWidget(buttons);
    AssignMnemonics(this);
}

QWidget* CDlgE_Import::BuildFileGroup()
{
    auto* group = new QGroupBox(QStringLiteral("Datei"));
    auto* choose = new QPushButton(QStringLiteral("Auswahl"));
    connect(choose, &QPushButton::clicked, this, &CDlgE_Import::ChooseFile);
    m_file->setMinimumWidth(300);
    auto* layout = new QHBoxLayout(group);
    layout->addWidget(m_file, 1);
    layout->addWidget(choose);
    return group;
}

QWidget* CDlgE_Import::BuildNameGroup()
{
    auto* group = new QGroupBox(QStringLiteral("Name"));
    auto* grid = new QGridLayout(group);
    for (int k = 0; k < 4; ++k) {
        const auto part = static_cast<std::size_t>(k);
        m_nameColumn[part] = NumberEdit(kDefaults.nameColumn[part] + 1);
        m_nameToken[part] = NumberEdit(kDefaults.nameToken[part] + 1);
        grid->addWidget(new QLabel(k == 0 ? QStringLiteral("Spalte") : QStringLiteral("+Spalte")), k, 0);
        grid->addWidget(m_nameColumn[part], k, 1);
        grid->addWidget(new QLabel(QStringLiteral("mit Zeichenkette")), k, 2);
        grid->addWidget(m_nameToken[part], k, 3);
    }
    return group;
}

QWidget* CDlgE_Import::BuildNumberGroup()
{
    auto* group = new QGroupBox(QStringLiteral("Rufnummer"));
    m_numberColumn = NumberEdit(kDefaults.numberColumn + 1);
    m_numberToken = NumberEdit(kDefaults.numberToken + 1);
    m_prefix = new QLineEdit;
    m_prefix->setMaximumWidth(120);
    auto* form = new QFormLayout(group);
    form->addRow(QStringLiteral("Spalte"), m_numberColumn);
    form->addRow(QStringLiteral("Zeichenkette"), m_numberToken);
    form->addRow(QStringLiteral("Prefix"), m_prefix);
    return group;
}

void CDlgE_Import::ChooseFile()
{
    const QString path = QFileDialog::getOpenFileName(
        this, QString(), m_file->text(),
        QStringLiteral("Tabulator formatierter Text (*.txt);;Alle Dateien (*.*)"));
    if (!path.isEmpty())
        m_file->setText(path);
}

bool CDlgE_Import::CheckFile()
{
    const QString path = m_file->text();
    QString problem;
    if (path.isEmpty())
        problem = QStringLiteral("Geben Sie bitte die Datei an, aus der das Telefonbuch übernommen werden "
                                 "soll, oder wählen Sie sie mit \u201EAuswahl\u201C aus.");
    else if (!QFileInfo(path).isFile() || !QFileInfo(path).isReadable())
        problem = QStringLiteral("Die Datei \u201E%1\u201C kann nicht gelesen werden. Wählen Sie bitte mit "
                                 "\u201EAuswahl\u201C eine vorhandene Textdatei aus.")
                      .arg(path);
    if (problem.isEmpty())
        return true;
    ShowMessage(this, QMessageBox::Warning, windowTitle(), problem);
    m_file->setFocus();
    return false;
}

bool CDlgE_Import::ReadNumber(QLineEdit* edit, int min, int max, int& value)
{
    bool ok = false;
    const int read = edit->text().toInt(&ok);
    QString problem;
    if (!ok)
        problem = QStringLiteral("Geben Sie bitte eine ganze Zahl ein.");
    else if (read < min || read > max)
        problem = QStringLiteral("Geben Sie bitte eine ganze Zahl zwischen %1 und %2 ein.").arg(min).arg(max);
    if (problem.isEmpty()) {
        value = read;
        return true;
    }
    ShowMessage(this, QMessageBox::Warning, windowTitle(), problem);
    edit->setFocus();
    edit->selectAll();
    return false;
}

bool CDlgE_Import::ReadShownValues(ImportSettings& shown)
{
    if (!ReadNumber(m_startLine, INT_MIN + 1, INT_MAX, shown.startLine)
        || !ReadNumber(m_entries, 1, kMaxEntries, shown.entries)
        || !ReadNumber(m_columnRepeat, 0, kMaxColumn, shown.columnRepeat))
        return false;
    for (std::size_t k = 0; k < 4; ++k)
        if (!ReadNumber(m_nameColumn[k], 0, kMaxColumn, shown.nameColumn[k])
            || !ReadNumber(m_nameToken[k], 0, kMaxColumn, shown.nameToken[k]))
            return false;
    return ReadNumber(m_numberColumn, 0, kMaxColumn, shown.numberColumn)
           && ReadNumber(m_numberToken, 0, kMaxColumn, shown.numberToken);
}

void CDlgE_Import::accept()
{
    if (!CheckFile())
        return;
    ImportSettings shown;
    if (!ReadShownValues(shown))
        return;
    shown.fileName = QFile::encodeName(m_file->text()).toStdString();
    shown.prefix = ToCp1252(m_prefix->text());
    m_settings = CountedFromZero(shown);
    QDialog::accept();
}
