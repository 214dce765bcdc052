// SPDX-License-Identifier: GPL-3.0-or-later
#include "TransferTexts.h"

#include "TransferRunner.h"

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

std::string TransferFailureCause(CTrans::Failure failure, bool deviceGone)
{
    if (deviceGone)
        return kDeviceGoneReason;
    const std::string seconds = std::to_string(CTrans::kWaitRdyMs / 1000);
    switch (failure) {
    case CTrans::Failure::NoReadyFrame:
        return "Das Telefon hat sich nicht innerhalb von " + seconds + " Sekunden gemeldet: Es wurde nicht mit " +
               kTransferKeys + " in den Datenmodus gebracht, oder Kabel oder Anschluss stimmen nicht.";
    case CTrans::Failure::WrongReadyFrame:
        return "Am Anschluss hat sich kein Systemtelefon gemeldet, oder es sendete etwas anderes als seine "
               "Bereitschaft. Bitte die Prozedur am Telefon erneut starten.";
    case CTrans::Failure::NoAnswer:
        return "Das Telefon hat mitten in der Übertragung nicht mehr geantwortet. Bitte Kabel und Telefon prüfen.";
    case CTrans::Failure::Refused:
        return "Das Telefon hat die gesendeten Daten wiederholt abgelehnt (gestörte Leitung?).";
    case CTrans::Failure::OutOfTurn:
        return "Das Telefon hat wiederholt nicht wie erwartet geantwortet.";
    case CTrans::Failure::Garbled:
        return "Die Daten des Telefons kamen wiederholt gestört an (gestörte Leitung?).";
    case CTrans::Failure::None:
        break;
    }
    return {};
}

std::string PartlyWrittenNotice(int mode, std::string_view again)
{
    if (mode == MODE_WRITE_DIALNAME)
        return "Das Telefon hat sein Telefonbuch schon gelöscht und erst einen Teil der neuen Einträge "
               "übernommen. Bitte senden Sie das Telefonbuch noch einmal " + std::string(again) + ".";
    return "Das Telefon hat erst einen Teil der neuen Konfiguration übernommen und arbeitet jetzt mit teils "
           "neuen, teils alten Einstellungen. Bitte senden Sie die Konfiguration noch einmal " +
           std::string(again) + ".";
}
