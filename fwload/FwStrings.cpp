// SPDX-License-Identifier: GPL-3.0-or-later
#include "FwStrings.h"

namespace {

struct Entry {
    int id;
    const char* text;
};

constexpr Entry kStrings[] = {
    {IDS_FW_TEXT_CONNECT, "Bitte Telefon an folgenden Port anschließen: "},
    {IDS_FW_CAPTION_ATTENTION, "Achtung"},
    {IDS_FW_TEXT_INIT_DEFECT, "Bitte Prozedur am Telefon erneut starten\n(Init-String defekt)."},
    {IDS_FW_CAPTION_PROTOCOL, "Protokollfehler"},
    {IDS_FW_TEXT_TIMEOUT, "Timeout. Bitte überprüfen Sie die Verbindungsleitung."},
    {IDS_FW_CAPTION_TIMEOUT, "Timeout"},
    {IDS_FW_TEXT_BAD_HW_REPORT, "Die Software paßt nicht zur angeschlossenen Hardware."},
    {IDS_FW_CAPTION_BAD_HW, "Falsche Software"},
    {IDS_FW_TEXT_SAME_VERSION, "Gleiche Software-Version. Trotzdem Laden?"},
    {IDS_FW_CAPTION_VERSION, "Versionskonflikt"},
    {IDS_FW_TEXT_OLDER_VERSION, "Software ist älter. Trotzdem laden?"},
    {IDS_FW_TEXT_SUCCESS, "Übertragung war erfolgreich. Bitte ziehen Sie die\nISDN-Anschlußschnur des Telefons und "
                          "stecken Sie sie erneut ein."},
    {IDS_FW_CAPTION_SUCCESS, "Ende der Übertragung"},
    {IDS_FW_CAPTION_CHECKSUM, "Fehler in Checksumme"},
    {IDS_FW_TEXT_CHECKSUM, "Die Versionsdatei enthält falsche Daten.\nBitte benutzen Sie eine andere Software."},
    {IDS_FW_TEXT_TOO_MANY_NAKS,
     "Übertragung wies zuviele Fehler auf. Bitte überprüfen Sie die Verbindungsleitung."},
    {IDS_FW_CAPTION_TOO_MANY_NAKS, "Zuviele Übertragungsfehler!"},
    {IDS_FW_TEXT_START_KEYS, "\nund Download-Prozedur am Telefon starten mit:\n\n[MENU][konfig][pc][software][ja]\n\n"
                             "ACHTUNG: Der Download dauert ca. 25 Minuten und die \nDaten des Telefonbuchs werden "
                             "gelöscht."},
    {IDS_FW_TEXT_START_KEYS_Q38, "\nund Download-Prozedur am Telefon starten mit:\n\n"
                                 "[MENU][konfig][->][->][service][->][software][ja]\n\n"
                                 "ACHTUNG: Der Download dauert ca. 25 Minuten und die \nDaten des Telefonbuchs "
                                 "werden gelöscht."},
    {IDS_FW_TEXT_STARTED, "Gestartet !"},
    {IDS_FW_TEXT_START, "START"},
    {IDS_FW_TEXT_BAD_PORT, "Port ist nicht vorhanden oder bereits durch ein anderes Gerät geöffnet."},
    {IDS_FW_CAPTION_BAD_PORT, "Falscher COM-Port"},
    {IDS_FW_TEXT_OPEN_FAILED, "Fehler beim Öffnen der Datei"},
    {IDS_FW_TEXT_VERSION_FILE, "Fehler beim Öffnen der Versionsdatei.\nBitte stellen Sie sicher, daß sich Versions- "
                               "und zugehörige\nIntel-Hex-Datei im gleichen Verzeichnis befinden."},
    {IDS_FW_CAPTION_INCOMPLETE, "Download war unvollständig."},
    {IDS_FW_TEXT_INCOMPLETE, "Der Download-Vorgang ist unvollständig beendet\nworden. Soll er erneut gestartet werden?"},
    {IDS_FW_CAPTION_SAFE_RECOVERY, "SAFE RECOVERY Modus gestartet"},
    {IDS_FW_TEXT_SAFE_RECOVERY, "Das Telefon muß jetzt zurückgesetzt werden: Sie müssen die\nISDN-Anschlußschnur "
                                "abziehen und nach 10 Sekunden wieder\neinstecken.\n\nBitte überprüfen Sie die "
                                "Verbindung zwischen Telefon und\nfolgendem seriellen Anschluß: "},
    {IDS_FW_TEXT_SAFE_RECOVERY_END, "\n\nACHTUNG: Der Download dauert ca. 25 Minuten."},
    {IDS_FW_TEXT_UNKNOWN, "Unbekannt"},
    {IDS_FW_TEXT_LINE_TOO_LONG, "Die Intel-Hex-Datei enthält eine zu lange Zeile (mehr als 99 Zeichen).\n"
                                "Bitte benutzen Sie eine andere Software."},
    {IDS_FW_TEXT_VERSION_FILE_BAD, "Die Versionsdatei ist zu groß (100 Bytes oder mehr).\n"
                                   "Bitte benutzen Sie eine andere Software."},
    {IDS_FW_TEXT_BAD_RECORD, "Die Intel-Hex-Datei ist beschädigt und wurde nicht geladen; zum Telefon wurde nichts "
                             "gesendet.\nBitte benutzen Sie eine unbeschädigte Kopie der Datei."},
    {IDS_FW_CAPTION_CANCELLED, "Download abgebrochen"},
    {IDS_FW_TEXT_CANCELLED, "Der Download wurde abgebrochen. Die Firmware im Telefon ist jetzt unvollständig:\n"
                            "Bitte laden Sie das Telefon erneut."},
    {IDS_FW_TEXT_CANCELLED_WINDOW, "Die Datei bleibt geladen, mit START beginnt der Download von vorn. Auch beim "
                                   "nächsten Start bietet das Programm an, ihn zu wiederholen."},
    {IDS_FW_TEXT_CANCELLED_CLI, "Rufen Sie dazu diesen Befehl noch einmal auf; auch das Fenster von fwload bietet den "
                                "Download bei seinem nächsten Start an."},
    {IDS_FW_TEXT_CANCELLED_EARLY, "Der Download wurde abgebrochen, bevor eine Zeile der Firmware gesendet wurde."},
    {IDS_FW_CAPTION_NOT_STARTED, "Download nicht gestartet"},
    {IDS_FW_TEXT_NOT_STARTED, "Der Port ist wieder geschlossen; zum Telefon wurde nichts gesendet.\n"
                              "Mit START können Sie den Download erneut beginnen."},
    {IDS_FW_TEXT_BAD_SWITCH_END, "Das Programm wird beendet. Bitte korrigieren Sie den Aufruf."},
    {IDS_FW_TEXT_MORE_HELP, "Mehr dazu: fwload --help"},
};

} // namespace

const char* FwString(int id)
{
    for (const Entry& e : kStrings)
        if (e.id == id)
            return e.text;
    return "";
}
