// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The configuration document without its windows: new, open, save and the
// question whether unsaved changes are to be kept. The windowed program
// wraps it and supplies the hooks.
#include <functional>
#include <string>

class CData_All;
class CProfileFile;

class CQ410CfDoc {
public:
    enum class Answer { Yes, No, Cancel };

    // data: what the pages edit; saved: the data as last read from or written
    // to a file. Both belong to the application and outlive the document.
    CQ410CfDoc(CData_All& data, CData_All& saved);

    bool OnNewDocument();
    // On failure nothing changes (data, saved copy, path, switches) and error says why.
    bool OnOpenDocument(const std::string& path, std::string& error);
    // On failure the saved copy and the file stay as they were and error says why.
    bool OnSaveDocument(const std::string& path, std::string& error);
    // False when the user cancelled; true when the data may be replaced.
    bool SaveModified();

    // Opens the file's data as a new document without a name (a kept copy):
    // saving asks for a name, so the file itself is never overwritten, and
    // the data counts as changed against a new document. On failure nothing
    // changes and error says why.
    bool OnOpenAsUntitled(const std::string& path, std::string& error);

    // Reads the document file at path into data as opening it would, with the
    // switches as they stand; changes nothing else. On failure data stays as
    // it was and error says why.
    static bool ReadDocumentFile(const std::string& path, CData_All& data, std::string& error);

    bool IsModified() const { return m_modified; }
    void SetModifiedFlag(bool modified) { m_modified = modified; }
    const std::string& PathName() const { return m_path; }
    const std::string& Title() const { return m_title; }

    // Stores the active page's edits into the data; set by the view.
    std::function<void()> moveDataViewToDoc;
    // Asks "Änderungen in %1 speichern?" with the title; without it the answer is No.
    std::function<Answer(const std::string& title)> askSaveChanges;
    // Saves the document as the user would (asking for a path where it has
    // none) and shows a failure; without it, saving goes to the held path.
    std::function<bool()> doFileSave;

private:
    void MoveDataViewToDoc();
    bool SaveToHeldPath();
    static bool LoadFile(const std::string& path, CProfileFile& file, std::string& error);
    static void ReadData(CProfileFile& file, CData_All& data);

    CData_All& m_data;
    CData_All& m_saved;
    std::string m_path;
    std::string m_title;
    bool m_modified = false;
};
