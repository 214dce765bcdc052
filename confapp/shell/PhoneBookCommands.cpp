// SPDX-License-Identifier: GPL-3.0-or-later
#include "PhoneBookCommands.h"

#include "App.h"
#include "CDlgE_Import.h"
#include "CQ410CfDoc.h"
#include "MessageBoxes.h"
#include "PhoneBookImport.h"

#include <QFile>
#include <QFileDialog>

// The core's file errors are UTF-8 (they carry file names), unlike document text.
namespace {

const char* const kTextFilter = "Tabulator formatierter Text (*.txt);;Alle Dateien (*.*)";

// Takes over the active page's edits and lets the user keep unsaved changes
// before the phone book is replaced; false when the user cancelled. The
// document's question stores the active page itself, so a page whose checks
// fail complains only once.
bool MayReplacePhoneBook()
{
    App& app = App::Instance();
    if (app.document)
        return app.document->SaveModified();
    if (app.view)
        app.view->MoveDataViewToDoc();
    return true;
}

void ShowDataInView()
{
    if (IDataView* view = App::Instance().view)
        view->MoveDataDocToView();
}

} // namespace

void OnPhoneBookImport(QWidget* parent)
{
    CDlgE_Import dialog(parent);
    if (dialog.exec() != QDialog::Accepted || !MayReplacePhoneBook())
        return;
    App& app = App::Instance();
    ImportReport report;
    const bool imported =
        ImportPhoneBook(dialog.Settings(), app.data, app.BackupFolder(), report) == ImportResult::Imported;
    ShowDataInView();
    // The result is always told: what was cut or replaced must not go unseen,
    // and the user learns where the replaced phone book was kept.
    const bool warn = !imported || report.HasWarnings();
    ShowMessage(parent, warn ? QMessageBox::Warning : QMessageBox::Information, dialog.windowTitle(),
                QString::fromStdString(imported ? ImportResultText(report) : report.error));
}

void OnPhoneBookExport(QWidget* parent)
{
    if (PhoneBookExportText(App::Instance().data).empty()) {
        ShowMessage(parent, QMessageBox::Information, QStringLiteral("Telefonbuch Export"),
                    QString::fromUtf8("Das Telefonbuch enthält keinen Eintrag mit Name und Rufnummer; "
                                      "es gibt nichts zu exportieren."));
        return;
    }
    QFileDialog dialog(parent, QStringLiteral("Telefonbuch Export"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.setNameFilter(QString::fromUtf8(kTextFilter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const std::string path = QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
    std::string error;
    if (!ExportPhoneBook(App::Instance().data, path, error))
        ShowMessage(parent, QMessageBox::Warning, QStringLiteral("Telefonbuch Export"), QString::fromStdString(error));
}

void OnPhoneBookTestData(QWidget*)
{
    if (!MayReplacePhoneBook())
        return;
    FillTestData(App::Instance().data);
    ShowDataInView();
}
