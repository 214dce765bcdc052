// SPDX-License-Identifier: GPL-3.0-or-later
#include "CDocCommands.h"

#include "CQ410CfView.h"
#include "MessageBoxes.h"
#include "RecentFileList.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

namespace {

const char* const kProgramTitle = "Systemtelefon MV850";
const char* const kFilter = "Konfigurationsdaten (*.mv8)";

QString Caption()
{
    return QString::fromUtf8(kProgramTitle);
}

std::string FileBytes(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace

CDocCommands::CDocCommands(QWidget* frame, CQ410CfView& view, RecentFileList& recent, CQ410CfDoc& doc)
    : m_frame(frame), m_view(view), m_recent(recent), m_doc(doc)
{
    m_doc.moveDataViewToDoc = [this] { m_view.MoveDataViewToDoc(); };
    m_doc.askSaveChanges = [this](const std::string& title) { return AskSaveChanges(title); };
    m_doc.doFileSave = [this] { return FileSave(); };
}

QString CDocCommands::Title() const
{
    return QFile::decodeName(QByteArray::fromStdString(m_doc.Title()));
}

QString CDocCommands::PathName() const
{
    return QFile::decodeName(QByteArray::fromStdString(m_doc.PathName()));
}

CQ410CfDoc::Answer CDocCommands::AskSaveChanges(const std::string& title)
{
    const QString text = QString::fromUtf8("Änderungen in %1 speichern?")
                             .arg(QFile::decodeName(QByteArray::fromStdString(title)));
    const auto answer = ShowMessage(m_frame, QMessageBox::Question, Caption(), text,
                                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Yes)
        return CQ410CfDoc::Answer::Yes;
    if (answer == QMessageBox::No)
        return CQ410CfDoc::Answer::No;
    return CQ410CfDoc::Answer::Cancel;
}

void CDocCommands::ShowFailure(const QString& text)
{
    ShowMessage(m_frame, QMessageBox::Warning, Caption(), text);
}

void CDocCommands::AfterLoad()
{
    // The document has reloaded the identity; the page set follows it.
    m_view.OnInitialUpdate();
    if (onDocumentChanged)
        onDocumentChanged();
}

void CDocCommands::NewWithoutQuestion()
{
    m_doc.OnNewDocument();
    AfterLoad();
}

bool CDocCommands::FileNew()
{
    if (!m_doc.SaveModified())
        return false;
    NewWithoutQuestion();
    return true;
}

bool CDocCommands::OpenWithoutQuestion(const QString& path, QString& error)
{
    std::string reason;
    if (!m_doc.OnOpenDocument(FileBytes(path), reason)) {
        error = QString::fromUtf8(reason);
        return false;
    }
    m_recent.Add(path);
    AfterLoad();
    return true;
}

bool CDocCommands::OpenDocumentFile(const QString& path)
{
    if (!m_doc.SaveModified())
        return false;
    QString error;
    if (OpenWithoutQuestion(path, error))
        return true;
    m_recent.Remove(path);
    if (onDocumentChanged)
        onDocumentChanged();
    ShowFailure(QString::fromUtf8("Das Dokument konnte nicht geöffnet werden.\n%1\n\n"
                                  "Bitte prüfen Sie Dateiname und Zugriffsrechte.")
                    .arg(error));
    return false;
}

bool CDocCommands::OpenAsUntitled(const QString& path)
{
    if (!m_doc.SaveModified())
        return false;
    std::string reason;
    if (m_doc.OnOpenAsUntitled(FileBytes(path), reason)) {
        AfterLoad();
        return true;
    }
    ShowFailure(QString::fromUtf8("Die Datei konnte nicht geöffnet werden.\n%1").arg(QString::fromUtf8(reason)));
    return false;
}

bool CDocCommands::FileOpen()
{
    const QString path = ChooseOpenPath();
    return !path.isEmpty() && OpenDocumentFile(path);
}

bool CDocCommands::SaveTo(const QString& path)
{
    std::string reason;
    if (m_doc.OnSaveDocument(FileBytes(path), reason)) {
        m_recent.Add(path);
        if (onDocumentChanged)
            onDocumentChanged();
        return true;
    }
    // The data still differs from what is on disk: keep the document modified
    // so that closing asks again.
    m_doc.SetModifiedFlag(true);
    ShowFailure(QString::fromUtf8("Das Dokument wurde nicht gespeichert.\n%1\n\n"
                                  "Bitte wählen Sie mit \"Speichern unter...\" einen anderen Ort.")
                    .arg(QString::fromUtf8(reason)));
    return false;
}

bool CDocCommands::FileSave()
{
    if (m_doc.PathName().empty())
        return FileSaveAs();
    return SaveTo(PathName());
}

bool CDocCommands::FileSaveAs()
{
    const QString suggestion = m_doc.PathName().empty() ? QString::fromUtf8("Konfigurationsdaten.mv8") : PathName();
    const QString path = ChooseSavePath(suggestion);
    return !path.isEmpty() && SaveTo(path);
}

QString CDocCommands::ChooseOpenPath()
{
    if (askOpenPath)
        return askOpenPath();
    QFileDialog dialog(m_frame, QString::fromUtf8("Öffnen"), QFileInfo(PathName()).absolutePath(),
                       QString::fromUtf8(kFilter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("mv8"));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString CDocCommands::ChooseSavePath(const QString& suggestion)
{
    if (askSavePath)
        return askSavePath(suggestion);
    QFileDialog dialog(m_frame, QString::fromUtf8("Speichern unter"), suggestion, QString::fromUtf8(kFilter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("mv8"));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}
