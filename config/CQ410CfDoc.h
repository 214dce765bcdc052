// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The configuration document without its windows: new, open, save and the
// question whether unsaved changes are to be kept. The windowed program
// wraps it and supplies the hooks.
#include "Derivat.h"
#include "DocumentSections.h"
#include "ProfileFile.h"

#include <functional>
#include <string>

class CData_All;

class CQ410CfDoc {
public:
    enum class Answer { Yes, No, Cancel };

    // data: what the pages edit; saved: the data as last read from or written
    // to a file. Both belong to the application and outlive the document.
    // The document keeps its own switches, computed from identity.
    CQ410CfDoc(CData_All& data, CData_All& saved, const BuildIdentity& identity);

    bool OnNewDocument();
    // On failure nothing changes (data, saved copy, path, switches) and error says why.
    bool OnOpenDocument(const std::string& path, std::string& error);
    // For data about to be read into the document (from the telephone or an
    // import): an existing document is opened, so that the half that is not
    // read stays; a missing or empty file, a pipe or a device gives a new
    // one. A file that is no document is refused, so it is not replaced.
    bool OnOpenOrNewDocument(const std::string& path, std::string& error);
    // On failure the saved copy and the file stay as they were and error says why.
    // The document's own file keeps what others keep in it; any other target
    // gets the document and the sections of its own file that this program
    // does not write, whatever the target held before.
    bool OnSaveDocument(const std::string& path, std::string& error);
    // False when the user cancelled; true when the data may be replaced.
    bool SaveModified();

    // Opens the file's data as a new document without a name (a kept copy):
    // saving asks for a name, so the file itself is never overwritten, and
    // the data counts as changed against a new document. On failure nothing
    // changes and error says why.
    bool OnOpenAsUntitled(const std::string& path, std::string& error);

    // Reads the document file at path into data with the given switches;
    // changes nothing else. On failure (also for a file that is no document)
    // data stays as it was and error says why.
    static bool ReadDocumentFile(const std::string& path, CData_All& data, const CDerivat& switches,
                                 std::string& error);

    CData_All& Data() { return m_data; }
    const BuildIdentity& Identity() const { return m_identity; }
    // What the pages show, validate and the transfers start from.
    const CDerivat& Switches() const { return m_switches; }
    // The switches of opening or creating a document, whatever was open before.
    CDerivat NewDocumentSwitches() const;
    // The user chose the phone type: the switches follow, at the same version.
    void SetPhoneType(int phoneType);
    // After a read: the data now describes that telephone, so do the switches.
    void TakeSwitches(const CDerivat& telephone) { m_switches = telephone; }

    bool IsModified() const { return m_modified; }
    void SetModifiedFlag(bool modified) { m_modified = modified; }
    const std::string& PathName() const { return m_path; }
    const std::string& Title() const { return m_title; }
    // The halves the opened file held; a new or saved document holds both.
    const DocumentParts& PartsInFile() const { return m_parts; }

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
    bool IsOwnFile(const std::string& path) const;
    bool LoadOwnFile(const std::string& path, CProfileFile& file, std::string& error) const;
    static bool LoadFile(const std::string& path, CProfileFile& file, std::string& error);
    static void ReadData(CProfileFile& file, CData_All& data, const CDerivat& switches);

    CData_All& m_data;
    CData_All& m_saved;
    BuildIdentity m_identity;
    CDerivat m_switches;
    std::string m_path;
    // The held path's file as last read or written: where sections that this
    // program does not write come from when the document goes elsewhere.
    CProfileFile m_source;
    DocumentParts m_parts{true, true, true}; // as a new document
    std::string m_title;
    bool m_modified = false;
};
