// SPDX-License-Identifier: GPL-3.0-or-later
#include "PortErrorText.h"

namespace {

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

} // namespace

// Windows gives a COM port to one program at a time and refuses every
// other with "Zugriff verweigert", which here always means that one.
std::string BusyReason(const std::string& device)
{
    return "Ein anderes Programm benutzt " + Quoted(device) +
           " bereits (Zugriff verweigert). Bitte das andere Programm beenden.";
}

std::string NoAccessReason(const std::string& device)
{
    return "Kein Zugriff auf " + Quoted(device) + ".";
}
