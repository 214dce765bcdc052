// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImportReport.h"

#include <vector>

namespace {

// "1 Name wurde" or "2 Namen wurden": the count with its noun and verb.
std::string Counted(int n, const char* one, const char* many, const char* verbOne, const char* verbMany)
{
    return std::to_string(n) + " " + (n == 1 ? one : many) + " " + (n == 1 ? verbOne : verbMany);
}

std::string CharacterPart(const ImportReport& r)
{
    const int replaced = r.replacedCharacters;
    const int dropped = r.droppedCharacters;
    const int first = replaced > 0 ? replaced : dropped;
    std::string text = std::to_string(first) + " Zeichen ohne Entsprechung in Windows-1252 " +
                       (first == 1 ? "wurde" : "wurden") + (replaced > 0 ? " ersetzt" : " weggelassen");
    if (replaced > 0 && dropped > 0)
        text += ", " + std::to_string(dropped) + (dropped == 1 ? " weiteres" : " weitere") + " weggelassen";
    return text;
}

} // namespace

bool ImportReport::HasWarnings() const
{
    return namesCut > 0 || numbersCut > 0 || replacedCharacters > 0 || droppedCharacters > 0 || foreignNumbers > 0;
}

std::string ImportWarningText(const ImportReport& r)
{
    std::vector<std::string> parts;
    if (r.namesCut > 0)
        parts.push_back(Counted(r.namesCut, "Name", "Namen", "wurde", "wurden") + " auf 20 Zeichen gekürzt");
    if (r.numbersCut > 0)
        parts.push_back(Counted(r.numbersCut, "Rufnummer", "Rufnummern", "wurde", "wurden") +
                        " auf 20 Zeichen gekürzt");
    if (r.replacedCharacters > 0 || r.droppedCharacters > 0)
        parts.push_back(CharacterPart(r));
    if (r.foreignNumbers > 0)
        parts.push_back(Counted(r.foreignNumbers, "Rufnummer", "Rufnummern", "enthielt", "enthielten") +
                        " Zeichen, die eine Rufnummer nicht aufnehmen kann (" +
                        (r.foreignNumbers == 1 ? "in Zeile " : "zuerst in Zeile ") +
                        std::to_string(r.firstForeignLine) + "); sie wurden weggelassen");
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : "; ") + part;
    return text.empty() ? text : text + ".";
}

std::string ImportResultText(const ImportReport& r)
{
    std::string text = std::to_string(r.entries) + (r.entries == 1 ? " Eintrag" : " Einträge") + " übernommen.";
    if (r.HasWarnings())
        text += " " + ImportWarningText(r);
    if (r.backup.kept)
        text += " " + BackupNotice(r.backup);
    return text;
}
