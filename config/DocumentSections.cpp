// SPDX-License-Identifier: GPL-3.0-or-later
#include "DocumentSections.h"

#include "CData_All.h"
#include "ProfileFile.h"

#include <vector>

namespace {

// The sections a document may hold, from the records themselves, so that
// the list cannot drift from what a save writes.
std::vector<std::string> ConfigurationSections()
{
    const CData_AllCfg cfg;
    std::vector<std::string> names{cfg.basic.SectionName()};
    auto add = [&names](const auto& records) {
        for (const auto& r : records)
            names.push_back(r.SectionName());
    };
    add(cfg.dialKey);
    add(cfg.dialIndex);
    add(cfg.dialFilter);
    add(cfg.msnPara);
    return names;
}

std::vector<std::string> PhoneBookSections()
{
    std::vector<std::string> names;
    for (const auto& entry : CData_AllDialName().entry)
        names.push_back(entry.SectionName());
    return names;
}

bool HasAny(const CProfileFile& file, const std::vector<std::string>& names)
{
    for (const std::string& name : names)
        if (file.HasSection(name))
            return true;
    return false;
}

} // namespace

DocumentParts FindDocumentParts(const CProfileFile& file)
{
    static const std::vector<std::string> configuration = ConfigurationSections();
    static const std::vector<std::string> phoneBook = PhoneBookSections();
    DocumentParts parts;
    parts.configuration = file.HasValues(configuration.front());
    parts.phoneBook = HasAny(file, phoneBook);
    parts.anyRecord = parts.phoneBook || HasAny(file, configuration);
    return parts;
}

std::string NotADocumentMessage(const std::string& path)
{
    return "Die Datei \"" + path + "\" ist kein mvconf-Dokument: Sie enthält keinen der Abschnitte eines "
           "Dokuments ([Basic], [DialKey_1], [MsnPara_1], [DialName_1] ...). Bitte wählen Sie eine Datei, "
           "die mvconf gespeichert hat (*.mv8).";
}

std::string MissingPartWarning(const std::string& path, const DocumentParts& parts, bool phoneBook)
{
    const std::string document = "Das Dokument \"" + path + "\" enthält ";
    if (phoneBook)
        return parts.phoneBook ? std::string()
                               : document + "kein Telefonbuch (keinen Abschnitt [DialName_n]): Gesendet würde ein "
                                            "leeres Telefonbuch, das alle Einträge im Telefon löscht.";
    return parts.configuration ? std::string()
                               : document + "keine Konfiguration (der Abschnitt [Basic] fehlt oder ist leer): "
                                            "Gesendet würden nur Voreinstellungen, die alle Einstellungen des "
                                            "Telefons ersetzen.";
}
