// SPDX-License-Identifier: GPL-3.0-or-later
#include "PortErrorText.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>

namespace {

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

} // namespace

std::string BusyReason(const std::string& device)
{
    return "Ein anderes Programm benutzt " + Quoted(device) +
           " bereits. Bitte das andere Programm beenden (direkt nach dem Einstecken eines USB-Adapters "
           "kann das ein Modem-Dienst sein, der den Adapter prüft).";
}

std::string NoAccessReason(const std::string& device)
{
    struct stat st {};
    if (::stat(device.c_str(), &st) != 0)
        return "Kein Zugriff auf " + Quoted(device) + ".";
    return "Kein Zugriff auf " + Quoted(device) + ". " + PermissionHint(st.st_mode, UserName(st.st_uid),
                                                                         GroupName(st.st_gid));
}

std::string PermissionHint(mode_t mode, const std::string& owner, const std::string& group)
{
    if ((mode & S_IRGRP) && (mode & S_IWGRP))
        return "Bitte den Benutzer in die Gruppe " + Quoted(group) + " aufnehmen und sich danach neu anmelden.";
    return "Das Gerät gehört " + Quoted(owner) + "; seine Gruppe " + Quoted(group) +
           " darf es nicht lesen und schreiben. Eine udev-Regel gibt es einer Gruppe frei, in die Sie dann "
           "eintreten (README, Abschnitt \"No access to the port\").";
}
