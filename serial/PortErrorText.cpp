// SPDX-License-Identifier: GPL-3.0-or-later
#include "PortErrorText.h"

#include "CSio.h"
#include "SerialDevices.h"

#include <algorithm>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>

namespace {

// A PC lists up to 32 ttyS devices; the first few are the ones worth reading.
constexpr std::size_t kDevicesShown = 8;

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

std::string GroupName(gid_t gid)
{
    const group* g = ::getgrgid(gid);
    return g ? g->gr_name : std::to_string(gid);
}

std::string UserName(uid_t uid)
{
    const passwd* p = ::getpwuid(uid);
    return p ? p->pw_name : std::to_string(uid);
}

std::string NoAccess(const std::string& device)
{
    struct stat st {};
    if (::stat(device.c_str(), &st) != 0)
        return "Kein Zugriff auf " + Quoted(device) + ".";
    return "Kein Zugriff auf " + Quoted(device) + ". " + PermissionHint(st.st_mode, UserName(st.st_uid),
                                                                         GroupName(st.st_gid));
}

// Only a device the user did not choose himself gets the list: a wrong
// name he typed he can correct.
std::string WithDeviceHint(std::string reason, const CSio& sio, std::string_view howToName)
{
    if (howToName.empty() || sio.DevicePath() != DefaultDeviceForPort(sio.PortNumber()))
        return reason;
    return reason + " " + UnnamedDeviceHint(howToName, PresentSerialDevices());
}

} // namespace

std::string UnnamedDeviceHint(std::string_view howToName, const std::vector<std::string>& present)
{
    std::string hint = "Es ist kein Gerät eingestellt; " + std::string(howToName);
    if (present.empty())
        return hint + " Es ist kein serielles Gerät vorhanden (ist der USB-Adapter eingesteckt?).";
    hint += " Vorhanden: ";
    const std::size_t shown = std::min(present.size(), kDevicesShown);
    for (std::size_t i = 0; i < shown; ++i)
        hint += (i ? ", " : "") + present[i];
    if (present.size() > shown)
        hint += " und " + std::to_string(present.size() - shown) + " weitere";
    return hint + ".";
}

std::string PermissionHint(mode_t mode, const std::string& owner, const std::string& group)
{
    if ((mode & S_IRGRP) && (mode & S_IWGRP))
        return "Bitte den Benutzer in die Gruppe " + Quoted(group) + " aufnehmen und sich danach neu anmelden.";
    return "Das Gerät gehört " + Quoted(owner) + "; seine Gruppe " + Quoted(group) +
           " darf es nicht lesen und schreiben. Eine udev-Regel gibt es einer Gruppe frei, in die Sie dann "
           "eintreten (README, Abschnitt \"No access to the port\").";
}

std::string PortOpenFailureReason(const CSio& sio, std::string_view howToName)
{
    const std::string device = Quoted(sio.DevicePath());
    switch (sio.LastOpenError()) {
    case CSio::OpenError::NotFound:
        return WithDeviceHint("Das Gerät " + device + " ist nicht vorhanden. Bitte Kabel und Anschluss prüfen.", sio,
                              howToName);
    case CSio::OpenError::Busy:
        return "Ein anderes Programm benutzt " + device +
               " bereits. Bitte das andere Programm beenden (direkt nach dem Einstecken eines USB-Adapters "
               "kann das ein Modem-Dienst sein, der den Adapter prüft).";
    case CSio::OpenError::PermissionDenied:
        return NoAccess(sio.DevicePath());
    case CSio::OpenError::BadSettings:
    case CSio::OpenError::BadPortNumber:
        return "Die Einstellungen des Anschlusses sind ungültig.";
    default:
        return WithDeviceHint("Das Gerät " + device + " lässt sich nicht als serieller Anschluss öffnen.", sio,
                              howToName);
    }
}

std::string HowToNameDeviceOnCommandLine(std::string_view profilePath, int port)
{
    return "bitte das Gerät mit --device PFAD angeben oder in " + std::string(profilePath) +
           " im Abschnitt [Ports] als COM" + std::to_string(port) + "=PFAD eintragen.";
}
