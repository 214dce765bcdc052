// SPDX-License-Identifier: GPL-3.0-or-later
#include "PortErrorText.h"

#include "CSio.h"

#include <grp.h>
#include <sys/stat.h>

namespace {

// The group that owns the device: the one a user must join to use it.
std::string GroupOf(const std::string& device)
{
    struct stat st {};
    if (::stat(device.c_str(), &st) != 0)
        return {};
    const group* g = ::getgrgid(st.st_gid);
    return g ? g->gr_name : std::to_string(st.st_gid);
}

} // namespace

std::string PortOpenFailureReason(const CSio& sio)
{
    const std::string device = "\"" + sio.DevicePath() + "\"";
    switch (sio.LastOpenError()) {
    case CSio::OpenError::NotFound:
        return "Das Gerät " + device + " ist nicht vorhanden. Bitte Kabel und Anschluss prüfen.";
    case CSio::OpenError::Busy:
        return "Ein anderes Programm benutzt " + device +
               " bereits. Bitte das andere Programm beenden (direkt nach dem Einstecken eines USB-Adapters "
               "kann das ein Modem-Dienst sein, der den Adapter prüft).";
    case CSio::OpenError::PermissionDenied: {
        const std::string group = GroupOf(sio.DevicePath());
        return "Kein Zugriff auf " + device + ". Bitte den Benutzer in die Gruppe \"" + group +
               "\" aufnehmen und sich danach neu anmelden.";
    }
    case CSio::OpenError::BadSettings:
    case CSio::OpenError::BadPortNumber:
        return "Die Einstellungen des Anschlusses sind ungültig.";
    default:
        return "Das Gerät " + device + " lässt sich nicht als serieller Anschluss öffnen.";
    }
}
