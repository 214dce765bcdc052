// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileErrorText.h"

#include "FileCalls.h"

#include <cerrno>

namespace {

const char* GermanReason(int errorNumber)
{
    switch (errorNumber) {
    case EACCES:
    case EPERM:
        return "Zugriff verweigert";
    case ENOENT:
        return "Datei oder Ordner nicht vorhanden";
    case EISDIR:
        return "das ist ein Ordner";
    case ENOTDIR:
        return "ein Teil des Pfads ist kein Ordner";
    case ENOSPC:
        return "kein Platz mehr auf dem Datenträger";
    case EROFS:
        return "schreibgeschützter Datenträger";
    case EFBIG:
        return "Datei zu groß";
    case ENAMETOOLONG:
        return "Name zu lang";
    case EIO:
        return "Ein-/Ausgabefehler";
    case ENXIO:
        return "niemand liest daraus (Pipe ohne Leser oder Gerät nicht vorhanden)";
    case EPIPE:
        return "der Leser hat die Pipe geschlossen";
    case EMFILE:
    case ENFILE:
        return "zu viele offene Dateien";
    default:
        return PlatformErrorReason(errorNumber);
    }
}

} // namespace

std::string FileErrorReason(int errorNumber)
{
    if (const char* reason = GermanReason(errorNumber))
        return reason;
    return SystemErrorText(errorNumber);
}

std::string FileErrorMessage(std::string_view path, std::string_view action, std::string_view reason)
{
    std::string message = "Die Datei \"";
    message.append(path).append("\" kann nicht ").append(action).append(": ");
    message.append(reason).append(".");
    return message;
}
