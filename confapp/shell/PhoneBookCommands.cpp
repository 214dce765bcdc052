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
bool MayReplacePhoneBook(App& app)
{
    return app.doc.SaveModified();
}

void ShowDataInView(const App& app)
{
    if (IDataView* view = app.view)
        view->MoveDataDocToView();
}

} // namespace

void OnPhoneBookImport(QWidget* parent, App& app)
{
    CDlgE_Import dialog(parent);
    if (dialog.exec() != QDialog::Accepted || !MayReplacePhoneBook(app))
        return;
    ImportReport report;
    const bool imported = ImportPhoneBook(dialog.Settings(), app.data, app.doc.Switches(), app.BackupFolder(),
                                          report) == ImportResult::Imported;
    ShowDataInView(app);
    // The result is always told: what was cut or replaced must not go unseen,
    // and the user learns where the replaced phone book was kept.
    const bool warn = !imported || report.HasWarnings();
    ShowMessage(parent, warn ? QMessageBox::Warning : QMessageBox::Information, dialog.windowTitle(),
                QString::fromStdString(imported ? ImportResultText(report) : report.error));
}

void OnPhoneBookExport(QWidget* parent, const App& app)
{
    if (PhoneBookExportText(app.data).empty()) {
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
    if (!ExportPhoneBook(app.data, path, error))
        ShowMessage(parent, QMessageBox::Warning, QStringLiteral("Telefonbuch Export"), QString::fromStdString(error));
}

void OnPhoneBookTestData(QWidget*, App& app)
{
    if (!MayReplacePhoneBook(app))
        return;
    FillTestData(app.data);
    ShowDataInView(app);
}
