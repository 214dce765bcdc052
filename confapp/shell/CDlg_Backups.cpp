// SPDX-License-Identifier: GPL-3.0-or-later
#include "CDlg_Backups.h"
#include "Mnemonics.h"

#include "Cp1252.h"
#include "MessageBoxes.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const char* const kCaption = "Sicherungen";
const char* const kHeadings[] = {"Datum und Zeit", "Vorgang", "Inhalt", "Software Version", "Telefon Typ", "Hinweis"};
constexpr int kColumns = 6;

QString Text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

QString FromBytes(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

} // namespace

CDlg_Backups::CDlg_Backups(std::string folder, QWidget* parent)
    : QDialog(parent), m_folder(std::move(folder)), m_summary(new QLabel), m_table(new QTableWidget(0, kColumns)),
      m_compare(new QPushButton(Text("&Vergleichen"))), m_open(new QPushButton(Text("Ö&ffnen"))),
      m_delete(new QPushButton(Text("&Löschen"))), m_openFolder(new QPushButton(Text("&Ordner öffnen")))
{
    setWindowTitle(Text(kCaption));
    openFolder = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    m_summary->setWordWrap(true);
    m_table->setAccessibleName(Text("Sicherungskopien")); // the summary above changes with the folder
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QStringList headings;
    for (const char* heading : kHeadings)
        headings << Text(heading);
    m_table->setHorizontalHeaderLabels(headings);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 8);
    m_table->horizontalHeader()->setStretchLastSection(true);
    connect(m_table, &QTableWidget::itemSelectionChanged, this, &CDlg_Backups::UpdateButtons);
    connect(m_compare, &QPushButton::clicked, this, &CDlg_Backups::OnCompare);
    connect(m_open, &QPushButton::clicked, this, &CDlg_Backups::OnOpen);
    connect(m_delete, &QPushButton::clicked, this, &CDlg_Backups::OnDelete);
    connect(m_openFolder, &QPushButton::clicked, this, &CDlg_Backups::OnOpenFolder);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->setText(Text("Schließen"));
    for (QPushButton* button : {m_compare, m_open, m_delete, m_openFolder})
        buttons->addButton(button, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_table, 1);
    layout->addWidget(buttons);
    resize(760, 400);
    Refresh();
    AssignMnemonics(this);
}

void CDlg_Backups::Refresh()
{
    const int row = m_table->currentRow();
    m_copies = ListBackups(m_folder, m_error);
    Fill();
    if (!m_copies.empty())
        m_table->selectRow(std::clamp(row, 0, static_cast<int>(m_copies.size()) - 1));
    UpdateButtons();
}

void CDlg_Backups::Fill()
{
    const QString folder = FromBytes(m_folder);
    if (!m_error.empty())
        m_summary->setText(QString::fromUtf8(m_error));
    else if (m_copies.empty())
        m_summary->setText(Text("Noch keine Sicherungskopien. Von allem, was vom Telefon gelesen oder zum Telefon "
                                "gesendet wird, erscheint hier eine Kopie, ebenso vom Dokument vor dem Import "
                                "eines Telefonbuchs; sie liegen im Ordner %1.")
                               .arg(folder));
    else
        m_summary->setText(Text("Sicherungskopien im Ordner %1, die neueste zuerst:").arg(folder));
    m_table->setVisible(!m_copies.empty());
    m_table->setRowCount(static_cast<int>(m_copies.size()));
    int row = 0;
    for (const BackupCopy& copy : m_copies) {
        const QString cells[kColumns] = {QString::fromStdString(copy.when), Text(BackupWayText(copy.way)),
                                         Text(BackupPartText(copy.part)), FromCp1252(copy.firmware),
                                         FromCp1252(copy.phoneType), QString::fromUtf8(copy.problem)};
        for (int column = 0; column < kColumns; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setToolTip(column == kColumns - 1 && !copy.Readable() ? cells[column] : FromBytes(copy.fileName));
            m_table->setItem(row, column, item);
        }
        ++row;
    }
    m_table->resizeColumnsToContents();
}

void CDlg_Backups::UpdateButtons()
{
    const bool selected = Selection() != nullptr;
    for (QPushButton* button : {m_compare, m_open, m_delete})
        button->setEnabled(selected);
    m_openFolder->setEnabled(QFileInfo(FromBytes(m_folder)).isDir());
}

const BackupCopy* CDlg_Backups::Selection() const
{
    const QList<QTableWidgetItem*> items = m_table->selectedItems();
    if (items.isEmpty())
        return nullptr;
    const int row = items.first()->row();
    return row < static_cast<int>(m_copies.size()) ? &m_copies[static_cast<std::size_t>(row)] : nullptr;
}

const BackupCopy* CDlg_Backups::ReadableSelection()
{
    const BackupCopy* copy = Selection();
    if (copy && !copy->Readable()) {
        ShowMessage(this, QMessageBox::Warning, Text(kCaption),
                    Text("Die Sicherungskopie vom %1 kann nicht gelesen werden.\n%2")
                        .arg(QString::fromStdString(copy->when), QString::fromUtf8(copy->problem)));
        return nullptr;
    }
    return copy;
}

void CDlg_Backups::OnCompare()
{
    if (const BackupCopy* copy = ReadableSelection(); copy && compare)
        compare(*copy);
}

void CDlg_Backups::OnOpen()
{
    if (const BackupCopy* copy = ReadableSelection(); copy && open && open(*copy))
        accept();
}

void CDlg_Backups::OnDelete()
{
    const BackupCopy* copy = Selection();
    if (!copy)
        return;
    const QString what = Text("Die Sicherungskopie vom %1 (%2, %3) löschen?\n%4")
                             .arg(QString::fromStdString(copy->when), Text(BackupWayText(copy->way)),
                                  Text(BackupPartText(copy->part)), FromBytes(copy->path));
    if (ShowMessage(this, QMessageBox::Question, Text(kCaption), what, QMessageBox::Yes | QMessageBox::No,
                    QMessageBox::No) != QMessageBox::Yes)
        return;
    std::string error;
    if (!DeleteBackup(*copy, error))
        ShowMessage(this, QMessageBox::Warning, Text(kCaption), QString::fromUtf8(error));
    Refresh();
}

void CDlg_Backups::OnOpenFolder()
{
    const QString folder = FromBytes(m_folder);
    if (!openFolder || !openFolder(QUrl::fromLocalFile(folder)))
        ShowMessage(this, QMessageBox::Information, Text(kCaption),
                    Text("Der Ordner konnte nicht im Dateimanager geöffnet werden.\nEr liegt unter %1.").arg(folder));
}
