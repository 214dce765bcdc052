// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file commands of the main window around the window-free document: new,
// open, save, save as and the question whether to keep unsaved changes. It
// binds the document's hooks to the view, message boxes and file dialogs.
#include "CQ410CfDoc.h"

#include <QString>

#include <functional>

class CQ410CfView;
class QWidget;
class RecentFileList;

class CDocCommands {
public:
    // doc: the session's document, which these commands drive.
    CDocCommands(QWidget* frame, CQ410CfView& view, RecentFileList& recent, CQ410CfDoc& doc);

    CQ410CfDoc& Doc() { return m_doc; }
    QString Title() const;
    QString PathName() const;

    // The menu commands. Each asks about unsaved changes where it would
    // replace the data, and shows failures to the user.
    bool FileNew();
    bool FileOpen();
    bool OpenDocumentFile(const QString& path);
    // Opens a file's data as a new, untitled document (after the question
    // about unsaved changes); the file stays out of the recent-file list.
    bool OpenAsUntitled(const QString& path);
    bool FileSave();
    bool FileSaveAs();
    bool SaveModified() { return m_doc.SaveModified(); }

    // Start-up: no question and no message box; on failure error says why.
    bool OpenWithoutQuestion(const QString& path, QString& error);
    void NewWithoutQuestion();

    // Called after the title or the file changed.
    std::function<void()> onDocumentChanged;

    // Test seams: choose the file to open or to save to (empty: cancelled).
    std::function<QString()> askOpenPath;
    std::function<QString(const QString& suggestion)> askSavePath;

private:
    CQ410CfDoc::Answer AskSaveChanges(const std::string& title);
    QString ChooseOpenPath();
    QString ChooseSavePath(const QString& suggestion);
    bool SaveTo(const QString& path);
    void AfterLoad();
    void ShowFailure(const QString& text);

    QWidget* m_frame;
    CQ410CfView& m_view;
    RecentFileList& m_recent;
    CQ410CfDoc& m_doc;
};
