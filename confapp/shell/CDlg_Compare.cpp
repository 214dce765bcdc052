// SPDX-License-Identifier: GPL-3.0-or-later
#include "CDlg_Compare.h"
#include "Mnemonics.h"

#include "Cp1252.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const char* const kHeadings[] = {"Seite", "Eintrag", "Feld", "Dieses Dokument", "Andere Datei"};
constexpr int kColumns = 5;

QString SummaryText(std::size_t count, const QString& otherName)
{
    if (count == 0)
        return QString::fromUtf8("Keine Unterschiede: Dieses Dokument stimmt mit \"%1\" überein.").arg(otherName);
    const QString fields = count == 1 ? QString::fromUtf8("einem Feld") : QString::fromUtf8("%1 Feldern").arg(count);
    return QString::fromUtf8("Dieses Dokument und \"%1\" unterscheiden sich in %2:").arg(otherName, fields);
}

} // namespace

CDlg_Compare::CDlg_Compare(const std::vector<FieldDifference>& differences, const QString& otherName,
                           QWidget* parent)
    : QDialog(parent), m_summary(new QLabel(SummaryText(differences.size(), otherName))),
      m_table(new QTableWidget(0, kColumns)), m_copy(new QPushButton(QString::fromUtf8("Tabelle &kopieren")))
{
    setWindowTitle(QString::fromUtf8("Vergleich mit %1").arg(otherName));
    m_summary->setWordWrap(true);
    m_table->setAccessibleName(QString::fromUtf8("Unterschiede")); // the summary above is a sentence, not a name
    Fill(differences);
    m_table->installEventFilter(this);
    m_table->setVisible(!differences.empty());
    m_copy->setEnabled(!differences.empty());
    connect(m_copy, &QPushButton::clicked, this, [this] { Copy(false); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->setText(QString::fromUtf8("Schließen"));
    buttons->addButton(m_copy, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_table, 1);
    layout->addWidget(buttons);
    resize(differences.empty() ? QSize(460, 120) : QSize(780, 440));
    AssignMnemonics(this);
}

void CDlg_Compare::Fill(const std::vector<FieldDifference>& differences)
{
    QStringList headings;
    for (const char* heading : kHeadings)
        headings << QString::fromUtf8(heading);
    m_table->setHorizontalHeaderLabels(headings);
    m_table->setRowCount(static_cast<int>(differences.size()));
    int row = 0;
    for (const FieldDifference& d : differences) {
        const std::string* cells[kColumns] = {&d.page, &d.entry, &d.field, &d.thisValue, &d.otherValue};
        for (int column = 0; column < kColumns; ++column)
            m_table->setItem(row, column, new QTableWidgetItem(FromCp1252(*cells[column])));
        ++row;
    }
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setAlternatingRowColors(true);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 8);
    m_table->resizeColumnsToContents();
    m_table->horizontalHeader()->setStretchLastSection(true);
}

QString CDlg_Compare::TableText(bool selectedOnly) const
{
    auto line = [](const QStringList& cells) { return cells.join(QLatin1Char('\t')) + QLatin1Char('\n'); };
    QStringList headings;
    for (int column = 0; column < kColumns; ++column)
        headings << m_table->horizontalHeaderItem(column)->text();
    QString text = line(headings);
    const bool onlySelected = selectedOnly && m_table->selectionModel()->hasSelection();
    for (int row = 0; row < m_table->rowCount(); ++row) {
        if (onlySelected && !m_table->selectionModel()->isRowSelected(row, {}))
            continue;
        QStringList cells;
        for (int column = 0; column < kColumns; ++column)
            cells << m_table->item(row, column)->text();
        text += line(cells);
    }
    return text;
}

void CDlg_Compare::Copy(bool selectedOnly) const
{
    if (m_table->rowCount() > 0)
        QGuiApplication::clipboard()->setText(TableText(selectedOnly));
}

// Ctrl+C copies whole rows, not only the cell the view would copy.
bool CDlg_Compare::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_table && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        Copy(true);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
