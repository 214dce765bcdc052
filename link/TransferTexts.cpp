// SPDX-License-Identifier: GPL-3.0-or-later
#include "TransferTexts.h"


namespace {

struct ModeTexts {
    const char* running;
    const char* failure;
};

constexpr ModeTexts kTexts[] = {
    {"Sende Konfiguration, bitte warten.", "Fehler beim Senden der Konfiguration!"},
    {"Lese Konfiguration, bitte warten.", "Fehler beim Lesen der Konfiguration!"},
    {"Sende Telefonbuch, bitte warten.", "Fehler beim Senden des Telefonbuchs!"},
    {"Lese Telefonbuch, bitte warten.", "Fehler beim Lesen des Telefonbuchs!"},
    {"Com Port konnte nicht geöffnet werden!", "Com Port konnte nicht geöffnet werden!"},
};

const ModeTexts& TextsOf(int mode)
{
    return kTexts[mode >= 0 && mode <= 3 ? mode : 4];
}

} // namespace

const char* TransferRunningText(int mode)
{
    return TextsOf(mode).running;
}

const char* TransferFailureText(int mode)
{
    return TextsOf(mode).failure;
}
