// SPDX-License-Identifier: GPL-3.0-or-later
#include "CompareCommand.h"

#include "CQ410CfDoc.h"
#include "CData_All.h"
#include "CDlg_Compare.h"
#include "CQ410CfDoc.h"
#include "CQ410CfView.h"
#include "Derivat.h"
#include "MessageBoxes.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

namespace {

std::function<QString()>& FileHook()
{
    static std::function<QString()> hook;
    return hook;
}

QString ChooseFile(QWidget* parent, const QString& documentPath)
{
    if (FileHook())
        return FileHook()();
    QFileDialog dialog(parent, QString::fromUtf8("Vergleichen mit"), QFileInfo(documentPath).absolutePath(),
                       QString::fromUtf8("Konfigurationsdaten (*.mv8)"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

} // namespace

void SetCompareFileHookForTesting(std::function<QString()> hook)
{
    FileHook() = std::move(hook);
}

void OnFileCompare(QWidget* parent, CQ410CfView& view, CQ410CfDoc& doc, const QString& documentPath)
{
    if (!view.TryMoveDataViewToDoc())
        return;
    const QString path = ChooseFile(parent, documentPath);
    if (!path.isEmpty())
        CompareWithFile(parent, doc, path);
}

void CompareWithFile(QWidget* parent, CQ410CfDoc& doc, const QString& path)
{
    const CDerivat& switches = doc.Switches();
    CData_All other;
    std::string error;
    if (!CQ410CfDoc::ReadDocumentFile(QFile::encodeName(path).toStdString(), other, switches, error)) {
        ShowMessage(parent, QMessageBox::Warning, QString::fromUtf8("Systemtelefon MV850"),
                    QString::fromUtf8("Die Datei konnte nicht verglichen werden.\n%1\n\n"
                                      "Bitte prüfen Sie Dateiname und Zugriffsrechte.")
                        .arg(QString::fromUtf8(error)));
        return;
    }
    CDlg_Compare dialog(CompareDocuments(doc.Data(), other, switches), QFileInfo(path).fileName(), parent);
    dialog.exec();
}
