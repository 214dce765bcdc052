// SPDX-License-Identifier: GPL-3.0-or-later
#include "CQ410CfDoc.h"

#include "CData_All.h"
#include "Derivat.h"
#include "ProfileFile.h"
#include "SaveTarget.h"
#include "Trace.h"

namespace {

constexpr DocumentParts kWholeDocument{true, true, true};

std::string FileTitle(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

CQ410CfDoc::CQ410CfDoc(CData_All& data, CData_All& saved, const BuildIdentity& identity)
    : m_data(data), m_saved(saved), m_identity(identity), m_switches(DerivatToProperties(identity, 1))
{
}

// The phone type of a new document, and the version the build is made for,
// not one a telephone reported earlier.
CDerivat CQ410CfDoc::NewDocumentSwitches() const
{
    return DerivatToProperties(m_identity, CData_All().cfg.basic.PhoneType);
}

void CQ410CfDoc::SetPhoneType(int phoneType)
{
    m_switches = DerivatToProperties(m_identity, m_switches.version, phoneType);
}

void CQ410CfDoc::MoveDataViewToDoc()
{
    if (moveDataViewToDoc)
        moveDataViewToDoc();
}

bool CQ410CfDoc::OnNewDocument()
{
    TraceLine("Doc", "OnNewDocument()");
    m_data = CData_All();
    m_switches = NewDocumentSwitches();
    m_data.SetCountryDefaults(m_switches);
    m_saved = m_data;
    m_path.clear();
    m_source = CProfileFile();
    m_parts = kWholeDocument;
    m_title = "Neu";
    m_modified = false;
    return true;
}

bool CQ410CfDoc::OnOpenDocument(const std::string& path, std::string& error)
{
    TraceLine("Doc", "OnOpenDocument(" + path + ")");
    CProfileFile file;
    if (!LoadFile(path, file, error))
        return false;
    // Read as into a freshly started program: what the document that was open
    // before held (its phone type, the half that is switched off) is no part
    // of this one.
    const CDerivat switches = NewDocumentSwitches();
    CData_All data;
    data.SetCountryDefaults(switches);
    ReadData(file, data, switches);
    m_data = std::move(data);
    m_switches = switches;
    m_path = path;
    m_title = FileTitle(path);
    m_parts = FindDocumentParts(file);
    m_source = std::move(file);
    m_saved = m_data;
    m_modified = false;
    return true;
}

bool CQ410CfDoc::OnOpenOrNewDocument(const std::string& path, std::string& error)
{
    if (IsFileWithContent(path))
        return OnOpenDocument(path, error);
    return OnNewDocument();
}

bool CQ410CfDoc::OnOpenAsUntitled(const std::string& path, std::string& error)
{
    TraceLine("Doc", "OnOpenAsUntitled(" + path + ")");
    CProfileFile file;
    if (!LoadFile(path, file, error))
        return false;
    OnNewDocument();
    ReadData(file, m_data, m_switches);
    m_parts = FindDocumentParts(file);
    return true;
}

bool CQ410CfDoc::LoadFile(const std::string& path, CProfileFile& file, std::string& error)
{
    const CProfileFile::LoadStatus status = file.Load(path, error);
    if (status == CProfileFile::LoadStatus::Missing)
        error = "Die Datei \"" + path + "\" ist nicht vorhanden.";
    else if (status == CProfileFile::LoadStatus::Loaded && !FindDocumentParts(file).anyRecord)
        error = NotADocumentMessage(path);
    else
        return status == CProfileFile::LoadStatus::Loaded;
    return false;
}

void CQ410CfDoc::ReadData(CProfileFile& file, CData_All& data, const CDerivat& switches)
{
    data.MoveFile(file, false, switches);
    data.Validate(switches);
}

bool CQ410CfDoc::ReadDocumentFile(const std::string& path, CData_All& data, const CDerivat& switches,
                                  std::string& error)
{
    CProfileFile file;
    if (!LoadFile(path, file, error))
        return false;
    ReadData(file, data, switches);
    return true;
}

bool CQ410CfDoc::OnSaveDocument(const std::string& path, std::string& error)
{
    TraceLine("Doc", "OnSaveDocument(" + path + ")");
    MoveDataViewToDoc();
    CProfileFile file;
    const bool own = IsOwnFile(path);
    if (own && !LoadOwnFile(path, file, error))
        return false;
    m_data.MoveFile(file, true, m_switches);
    // Elsewhere, the sections this program does not write (foreign ones, the
    // half that is switched off) follow as whole sections after its own.
    if (!own)
        file.CarrySectionsFrom(m_source);
    if (!file.Save(path, error))
        return false;
    m_path = path;
    m_title = FileTitle(path);
    m_source = std::move(file);
    m_parts = kWholeDocument;
    m_saved = m_data;
    m_modified = false;
    return true;
}

// The own file is read again, so that keys this program does not write
// (also those added since it was opened) stay where they are.
bool CQ410CfDoc::LoadOwnFile(const std::string& path, CProfileFile& file, std::string& error) const
{
    switch (file.Load(path, error)) {
    case CProfileFile::LoadStatus::Loaded:
        return true;
    case CProfileFile::LoadStatus::Missing:
        file = m_source; // removed meanwhile: as it was when read
        return true;
    case CProfileFile::LoadStatus::Failed:
        break;
    }
    return false;
}

// Any other target is never read: its old content must not mix into the
// document, and a pipe or device would hold the save until someone writes.
bool CQ410CfDoc::IsOwnFile(const std::string& path) const
{
    return !m_path.empty() && SameRegularFile(path, m_path);
}

bool CQ410CfDoc::SaveToHeldPath()
{
    std::string error;
    return !m_path.empty() && OnSaveDocument(m_path, error);
}

bool CQ410CfDoc::SaveModified()
{
    TraceLine("Doc", "SaveModified()");
    MoveDataViewToDoc();
    m_modified = m_data != m_saved;
    if (!m_modified)
        return true;
    const Answer answer = askSaveChanges ? askSaveChanges(m_title) : Answer::No;
    if (answer == Answer::Cancel)
        return false;
    if (answer == Answer::No)
        return true;
    return doFileSave ? doFileSave() : SaveToHeldPath();
}
