// SPDX-License-Identifier: GPL-3.0-or-later
#include "CQ410CfDoc.h"

#include "CData_All.h"
#include "Derivat.h"
#include "ProfileFile.h"
#include "Trace.h"

namespace {

std::string FileTitle(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

CQ410CfDoc::CQ410CfDoc(CData_All& data, CData_All& saved) : m_data(data), m_saved(saved) {}

void CQ410CfDoc::MoveDataViewToDoc()
{
    if (moveDataViewToDoc)
        moveDataViewToDoc();
}

bool CQ410CfDoc::OnNewDocument()
{
    TraceLine("Doc", "OnNewDocument()");
    m_data = CData_All();
    // The new document's entries depend on the shipped identity, not on a
    // version a telephone reported earlier.
    Derivat().DerivatLoad();
    Derivat().DerivatToProperties(m_data.cfg.basic.PhoneType);
    m_data.SetCountryDefaults();
    m_saved = m_data;
    m_path.clear();
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
    Derivat().DerivatLoad();
    Derivat().DerivatToProperties(m_data.cfg.basic.PhoneType);
    m_path = path;
    m_title = FileTitle(path);
    ReadData(file, m_data);
    m_saved = m_data;
    m_modified = false;
    return true;
}

bool CQ410CfDoc::OnOpenAsUntitled(const std::string& path, std::string& error)
{
    TraceLine("Doc", "OnOpenAsUntitled(" + path + ")");
    CProfileFile file;
    if (!LoadFile(path, file, error))
        return false;
    OnNewDocument();
    ReadData(file, m_data);
    return true;
}

bool CQ410CfDoc::LoadFile(const std::string& path, CProfileFile& file, std::string& error)
{
    if (file.Load(path, error) == CProfileFile::LoadStatus::Loaded)
        return true;
    if (error.empty())
        error = "Die Datei \"" + path + "\" ist nicht vorhanden.";
    return false;
}

void CQ410CfDoc::ReadData(CProfileFile& file, CData_All& data)
{
    data.MoveFile(file, false);
    data.Validate();
}

bool CQ410CfDoc::ReadDocumentFile(const std::string& path, CData_All& data, std::string& error)
{
    CProfileFile file;
    if (!LoadFile(path, file, error))
        return false;
    ReadData(file, data);
    return true;
}

bool CQ410CfDoc::OnSaveDocument(const std::string& path, std::string& error)
{
    TraceLine("Doc", "OnSaveDocument(" + path + ")");
    MoveDataViewToDoc();
    // Keys this program does not write (foreign sections, the half that is
    // switched off, old key names) stay in the file: read, modify, write.
    CProfileFile file;
    const CProfileFile::LoadStatus target = file.Load(path, error);
    if (target == CProfileFile::LoadStatus::Failed)
        return false;
    // A new file gets them from the file the document came from, as whole
    // sections after the program's own.
    CProfileFile origin;
    if (target == CProfileFile::LoadStatus::Missing && !m_path.empty() &&
        origin.Load(m_path, error) == CProfileFile::LoadStatus::Failed) {
        error += " Ihre Abschnitte, die dieses Programm nicht selbst schreibt, gehören auch in die neue Datei.";
        return false;
    }
    m_data.MoveFile(file, true);
    file.CarrySectionsFrom(origin);
    if (!file.Save(path, error))
        return false;
    m_path = path;
    m_title = FileTitle(path);
    m_saved = m_data;
    m_modified = false;
    return true;
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
