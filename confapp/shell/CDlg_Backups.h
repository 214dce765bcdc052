// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Datei > Sicherungen...": the copies kept of what was read from and sent
// to the telephone and of the document before an import, newest first. The window only shows the folder's listing
// and passes the chosen copy on; comparing and opening are the caller's.
#include "BackupListing.h"

#include <QDialog>
#include <QUrl>

#include <functional>
#include <string>
#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

class CDlg_Backups : public QDialog {
    Q_OBJECT
public:
    explicit CDlg_Backups(std::string folder, QWidget* parent = nullptr);

    // "Vergleichen" and "Öffnen" with a readable copy; open returns true when
    // the copy became the document, which closes the window.
    std::function<void(const BackupCopy&)> compare;
    std::function<bool(const BackupCopy&)> open;
    // Shows the folder in the desktop's file manager; tests replace it.
    std::function<bool(const QUrl&)> openFolder;

    // Lists the folder anew, keeping the selected row where it can.
    void Refresh();

    QTableWidget* Table() const { return m_table; }
    QLabel* Summary() const { return m_summary; }
    QPushButton* CompareButton() const { return m_compare; }
    QPushButton* OpenButton() const { return m_open; }
    QPushButton* DeleteButton() const { return m_delete; }
    QPushButton* FolderButton() const { return m_openFolder; }

private:
    void Fill();
    void UpdateButtons();
    // The selected copy when it can be read; otherwise says why and gives nothing.
    const BackupCopy* ReadableSelection();
    const BackupCopy* Selection() const;
    void OnCompare();
    void OnOpen();
    void OnDelete();
    void OnOpenFolder();

    std::string m_folder;
    std::vector<BackupCopy> m_copies;
    std::string m_error;
    QLabel* m_summary;
    QTableWidget* m_table;
    QPushButton* m_compare;
    QPushButton* m_open;
    QPushButton* m_delete;
    QPushButton* m_openFolder;
};
