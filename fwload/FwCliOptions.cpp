// SPDX-License-Identifier: GPL-3.0-or-later
#include "FwCliOptions.h"

#include <cstdlib>
#include <string_view>

const char* const kFwCliUsage =
    "Aufruf:\n"
    "  fwload [/D] [/COM:N] [/FILE:DATEI.hex] [/X:N /Y:N] [/Production]\n"
    "                   öffnet das Programmfenster (braucht eine grafische Anzeige)\n"
    "  fwload --cli [--device PFAD | --port N] --file DATEI.hex [--yes] [/Schalter]\n"
    "                   lädt die Firmware ohne Fenster\n"
    "  fwload --cli --device PFAD --device PFAD ... --file DATEI.hex [--yes]\n"
    "                   lädt mehrere Telefone zugleich (ebenso --port N mehrmals)\n"
    "  fwload -h | --help      diese Hilfe\n"
    "  fwload -v | --version   die Version des Programms\n"
    "\n"
    "Schalter: /D zeigt den Debug-Bereich (ohne Fenster: die Zeilen auf der Leitung),\n"
    "/COM:N wählt COM N (eine Ziffer, /COM:0 ist COM 10), /FILE:DATEI.hex lädt die\n"
    "Datei beim Start, /X:N /Y:N setzen die Position des Fensters, /Production bietet\n"
    "COM 1 bis 10 an. Ein unbekannter Schalter wird abgelehnt (das Fenster meldet es\n"
    "und endet mit Status 2).\n"
    "--device PFAD nennt das Gerät; --port N nimmt das Gerät von COM N aus dem Profil\n"
    "(Abschnitt [Ports], Schlüssel COM1, COM2, ...); ohne beide gilt [Port] \"COM \".\n"
    "--device und --port (oder /COM:) schließen einander aus.\n"
    "--yes lädt auch eine gleiche oder ältere Version, sonst wird sie abgelehnt.\n"
    "Neben DATEI.hex kann eine Versionsdatei DATEI.ver mit der Kennung liegen.\n"
    "Bevor der Anschluss geöffnet wird, prüft fwload jeden Datensatz der Datei\n"
    "(Hexziffern, Länge, Prüfsumme, ein Ende-Datensatz am Schluss); eine beschädigte\n"
    "Datei wird mit der Nummer ihrer ersten falschen Zeile abgelehnt.\n"
    "Ein einzelnes Telefon zeigt auf dem Terminal eine Zeile mit Gerät, Prozent und\n"
    "Zustand, die sich selbst erneuert.\n"
    "Mehrere Telefone: eine Zeile je Telefon, am Ende eine Zusammenfassung und der\n"
    "Befehl, der genau die nicht erfolgreichen noch einmal lädt. Mit der Spur (Trace)\n"
    "bekommt jedes Telefon eine eigene Datei; nur dort stehen die Zeilen der Leitung.\n"
    "\n"
    "Exit-Status: 0 Download beendet, 1 Download fehlgeschlagen oder abgelehnt,\n"
    "2 Fehler in Aufruf, Datei oder Anschluss (der Grund steht auf stderr).\n"
    "Mit mehreren Telefonen: 0 alle fertig, 1 eines fehlgeschlagen, abgelehnt oder\n"
    "abgebrochen, 2 ein Anschluss ließ sich nicht öffnen (die anderen laden weiter).\n";

namespace {

constexpr int kMaxPort = 99;

bool TakeValue(int argc, const char* const* argv, int& i, std::string& value, std::string& error)
{
    if (i + 1 >= argc) {
        error = std::string(argv[i]) + " braucht einen Wert.";
        return false;
    }
    value = argv[++i];
    return true;
}

bool ParsePort(const std::string& text, int& port, std::string& error)
{
    char* end = nullptr;
    const long n = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || n < 1 || n > kMaxPort) {
        error = "--port braucht eine Zahl von 1 bis " + std::to_string(kMaxPort) + ".";
        return false;
    }
    port = static_cast<int>(n);
    return true;
}

bool ParseOne(int argc, const char* const* argv, int& i, FwCliOptions& o, std::string& switches, std::string& error)
{
    const std::string_view arg = argv[i];
    std::string value;
    if (arg == "--cli" || arg == "--yes") {
        (arg == "--cli" ? o.cli : o.yes) = true;
        return true;
    }
    if (arg == "--help" || arg == "-h" || arg == "--version" || arg == "-v") {
        (arg == "--help" || arg == "-h" ? o.help : o.version) = true;
        return true;
    }
    if (arg == "--file")
        return TakeValue(argc, argv, i, o.file, error);
    if (arg == "--device") {
        if (!TakeValue(argc, argv, i, o.device, error))
            return false;
        o.targets.push_back({"--device", o.device});
        return true;
    }
    if (arg == "--port") {
        if (!TakeValue(argc, argv, i, value, error) || !ParsePort(value, o.port, error))
            return false;
        o.targets.push_back({"--port", std::to_string(o.port)});
        return true;
    }
    if (arg.starts_with('/')) {
        switches += (switches.empty() ? "" : " ") + std::string(arg);
        return true;
    }
    error = "Unbekanntes Argument: " + std::string(arg);
    return false;
}

} // namespace

bool FwCliOptions::SeveralTelephones() const
{
    return SeveralBenchTargets(targets);
}

bool IsFwCliInvocation(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg.starts_with("--") || arg == "-h" || arg == "-v")
            return true;
    }
    return false;
}

bool ParseFwCliOptions(int argc, const char* const* argv, FwCliOptions& o, std::string& error)
{
    std::string switches;
    for (int i = 1; i < argc; ++i)
        if (!ParseOne(argc, argv, i, o, switches, error))
            return false;
    o.switches = FwCommandLine::Parse(switches);
    if (o.file.empty())
        o.file = o.switches.commandFile;
    if (o.port == 0)
        o.port = o.switches.commandPort;
    if (o.help || o.version)
        return true;
    if (!o.switches.error.empty()) {
        error = o.switches.error;
        return false;
    }
    if (!o.cli) {
        error = "Die Optionen gelten nur mit --cli (Download ohne Fenster).";
        return false;
    }
    if (o.file.empty()) {
        error = "Bitte die Intel-Hex-Datei mit --file angeben.";
        return false;
    }
    // The device and a port number would name two telephones, or one twice.
    if (MixedBenchTargets(o.targets)) {
        error = o.SeveralTelephones() ? "Mehrere Telefone bitte entweder alle mit --device oder alle mit --port angeben."
                                      : "Bitte entweder --device oder --port angeben.";
        return false;
    }
    if (o.switches.commandPort != 0 && !o.targets.empty()) {
        error = "Bitte den Anschluss nur einmal angeben: mit " + o.targets.front().option + " oder mit /COM:.";
        return false;
    }
    return true;
}
