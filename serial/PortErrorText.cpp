// SPDX-License-Identifier: GPL-3.0-or-later
#include "PortErrorText.h"

#include "CSio.h"
#include "SerialDevices.h"

#include <algorithm>

namespace {

// A PC lists up to 32 ttyS devices; the first few are the ones worth reading.
constexpr std::size_t kDevicesShown = 8;

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
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

std::string PortOpenFailureReason(const CSio& sio, std::string_view howToName)
{
    const std::string device = Quoted(sio.DevicePath());
    switch (sio.LastOpenError()) {
    case CSio::OpenError::NotFound:
        return WithDeviceHint("Das Gerät " + device + " ist nicht vorhanden. Bitte Kabel und Anschluss prüfen.", sio,
                              howToName);
    case CSio::OpenError::Busy:
        return BusyReason(sio.DevicePath());
    case CSio::OpenError::PermissionDenied:
        return NoAccessReason(sio.DevicePath());
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
