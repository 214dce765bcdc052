// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliOptions.h"

#include "CTrans.h"
#include "Derivat.h"
#include "StringResources.h"
#include "TransferTexts.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string_view>

namespace {

struct ModeSpec {
    std::string_view flag;
    CliMode mode;
    int files;
};

constexpr ModeSpec kModes[] = {
    {"--help", CliMode::Help, 0},
    {"-h", CliMode::Help, 0},
    {"--version", CliMode::Version, 0},
    {"-v", CliMode::Version, 0},
    {"--new", CliMode::New, 1},
    {"--convert", CliMode::Convert, 2},
    {"--compare", CliMode::Compare, 2},
    {"--import-phonebook", CliMode::ImportPhoneBook, 2},
    {"--export-phonebook", CliMode::ExportPhoneBook, 2},
    {"--read-config", CliMode::ReadConfig, 1},
    {"--write-config", CliMode::WriteConfig, 1},
    {"--read-phonebook", CliMode::ReadPhoneBook, 1},
    {"--write-phonebook", CliMode::WritePhoneBook, 1},
};

struct IdentitySpec {
    std::string_view flag;
    int id;
};

constexpr IdentitySpec kIdentity[] = {
    {"--derivative", IDS_DERIVAT_NAME}, {"--country", IDS_COUNTRY},         {"--firmware", IDS_FIRMWARE_VERSION},
    {"--config-part", IDS_PROP_CFG},    {"--phonebook-part", IDS_PROP_DIALNAME},
    {"--min-width", IDS_MIN_WIDTH},     {"--min-height", IDS_MIN_HEIGHT},
};

std::string RangeMessage(std::string_view flag, int min, int max)
{
    return std::string(flag) + ": Geben Sie bitte eine ganze Zahl zwischen " + std::to_string(min) + " und " +
           std::to_string(max) + " ein.";
}

bool ParseInt(std::string_view flag, const std::string& text, int min, int max, int& value, std::string& error)
{
    errno = 0;
    char* end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno == ERANGE) {
        error = std::string(flag) + ": Geben Sie bitte eine ganze Zahl ein.";
        return false;
    }
    if (v < min || v > max) {
        error = RangeMessage(flag, min, max);
        return false;
    }
    value = static_cast<int>(v);
    return true;
}

// "a,b,c,d": four values counted from 1, stored counted from 0.
bool ParseFour(std::string_view flag, const std::string& text, std::array<int, 4>& values, std::string& error)
{
    std::array<int, 4> parsed{};
    std::size_t start = 0;
    for (int i = 0; i < 4; ++i) {
        const std::size_t comma = text.find(',', start);
        const bool last = i == 3;
        if (last != (comma == std::string::npos)) {
            error = std::string(flag) + ": vier Werte durch Kommas getrennt angeben, z.B. 1,1,1,1.";
            return false;
        }
        const std::string part = text.substr(start, last ? std::string::npos : comma - start);
        if (!ParseInt(flag, part, 0, 50, parsed[i], error))
            return false;
        parsed[i] -= 1;
        start = comma + 1;
    }
    values = parsed;
    return true;
}

constexpr std::string_view kImportFlags[] = {"--start-line",    "--entries",       "--column-repeat",
                                             "--name-columns",  "--name-tokens",   "--number-column",
                                             "--number-token",  "--prefix"};

bool IsImportFlag(std::string_view flag)
{
    for (const auto f : kImportFlags)
        if (f == flag)
            return true;
    return false;
}

bool ParseImportOption(std::string_view flag, const std::string& value, ImportSettings& s, std::string& error)
{
    int v = 0;
    if (flag == "--entries")
        return ParseInt(flag, value, 1, 200, s.entries, error);
    if (flag == "--column-repeat")
        return ParseInt(flag, value, 0, 50, s.columnRepeat, error);
    if (flag == "--name-columns")
        return ParseFour(flag, value, s.nameColumn, error);
    if (flag == "--name-tokens")
        return ParseFour(flag, value, s.nameToken, error);
    if (flag == "--prefix") {
        s.prefix = value;
        return true;
    }
    const bool isStart = flag == "--start-line";
    if (!ParseInt(flag, value, isStart ? -1000000000 : 0, isStart ? 1000000000 : 50, v, error))
        return false;
    (isStart ? s.startLine : flag == "--number-column" ? s.numberColumn : s.numberToken) = v - 1;
    return true;
}

const ModeSpec* FindMode(std::string_view flag)
{
    for (const auto& m : kModes)
        if (m.flag == flag)
            return &m;
    return nullptr;
}

const IdentitySpec* FindIdentity(std::string_view flag)
{
    for (const auto& i : kIdentity)
        if (i.flag == flag)
            return &i;
    return nullptr;
}

bool CheckIdentityValue(const IdentitySpec& entry, const std::string& value, CliOptions& o, std::string& error)
{
    if (entry.id == IDS_PROP_CFG || entry.id == IDS_PROP_DIALNAME) {
        if (value != "0" && value != "1") {
            error = std::string(entry.flag) + ": nur 0 (aus) oder 1 (ein) ist erlaubt.";
            return false;
        }
        if (entry.id == IDS_PROP_DIALNAME)
            o.phonebookPart = value == "1";
    }
    int ignored = 0;
    if ((entry.id == IDS_MIN_WIDTH || entry.id == IDS_MIN_HEIGHT) && !ParseInt(entry.flag, value, 0, 10000, ignored, error))
        return false;
    o.identity.emplace_back(entry.id, value);
    return true;
}

bool TakeMode(const ModeSpec& entry, int& i, int argc, char** argv, CliOptions& o, std::string& error)
{
    if (o.mode != CliMode::None) {
        error = "Bitte nur eine Betriebsart angeben (" + std::string(entry.flag) + ").";
        return false;
    }
    o.mode = entry.mode;
    for (int n = 0; n < entry.files; ++n) {
        if (++i >= argc || std::strncmp(argv[i], "--", 2) == 0) {
            error = std::string(entry.flag) + ": es fehlt eine Datei.";
            return false;
        }
        o.files.emplace_back(argv[i]);
    }
    return true;
}

bool TakePortOption(std::string_view flag, const std::string& value, CliOptions& o, std::string& error)
{
    if (flag == "--port") {
        if (!ParseInt(flag, value, 1, 255, o.port, error))
            return false;
    } else {
        o.device = value;
    }
    o.targets.push_back({std::string(flag), flag == "--port" ? std::to_string(o.port) : value});
    return true;
}

bool TakeOption(std::string_view flag, int& i, int argc, char** argv, CliOptions& o, std::string& error)
{
    const IdentitySpec* identity = FindIdentity(flag);
    const bool portFlag = flag == "--port" || flag == "--device";
    if (!identity && !portFlag && !IsImportFlag(flag)) {
        error = "Unbekannte Option " + std::string(flag) + ".";
        return false;
    }
    if (i + 1 >= argc) {
        error = std::string(flag) + ": es fehlt der Wert.";
        return false;
    }
    const std::string value = argv[++i];
    if (identity)
        return CheckIdentityValue(*identity, value, o, error);
    if (portFlag)
        return TakePortOption(flag, value, o, error);
    o.importOptionsGiven = true;
    return ParseImportOption(flag, value, o.import, error);
}

} // namespace

bool ParseCliOptions(int argc, char** argv, CliOptions& o, std::string& error)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view flag = argv[i];
        if (const ModeSpec* entry = FindMode(flag)) {
            if (!TakeMode(*entry, i, argc, argv, o, error))
                return false;
        } else if (flag == "--force") {
            o.force = true;
        } else if (flag.substr(0, 2) == "--") {
            if (!TakeOption(flag, i, argc, argv, o, error))
                return false;
        } else {
            error = "Unerwartetes Argument \"" + std::string(flag) + "\".";
            return false;
        }
    }
    if (o.mode == CliMode::None) {
        error = "Keine Betriebsart angegeben.";
        return false;
    }
    if (o.importOptionsGiven && o.mode != CliMode::ImportPhoneBook) {
        error = "Die Importeinstellungen gelten nur mit --import-phonebook.";
        return false;
    }
    if (o.force && o.mode != CliMode::WriteConfig && o.mode != CliMode::WritePhoneBook) {
        error = "--force gilt nur beim Schreiben zum Telefon (--write-config, --write-phonebook).";
        return false;
    }
    if ((!o.device.empty() || o.port) && !IsTransferMode(o.mode)) {
        error = "--device und --port gelten nur beim Lesen und Schreiben am Telefon.";
        return false;
    }
    if (MixedBenchTargets(o.targets)) {
        error = o.SeveralTelephones() ? "Mehrere Telefone bitte entweder alle mit --device oder alle mit --port angeben."
                                      : "Bitte entweder --device oder --port angeben.";
        return false;
    }
    if (o.SeveralTelephones() && o.mode != CliMode::WriteConfig && o.mode != CliMode::WritePhoneBook) {
        error = "Mehrere Telefone zugleich gibt es nur beim Schreiben; gelesen wird von einem Telefon.";
        return false;
    }
    return true;
}

bool IsTransferMode(CliMode mode)
{
    return mode == CliMode::ReadConfig || mode == CliMode::WriteConfig || mode == CliMode::ReadPhoneBook ||
           mode == CliMode::WritePhoneBook;
}

bool IsPhoneBookMode(CliMode mode)
{
    return mode == CliMode::ImportPhoneBook || mode == CliMode::ExportPhoneBook || mode == CliMode::ReadPhoneBook ||
           mode == CliMode::WritePhoneBook;
}

namespace {

// 3200 -> "V3.20", 3040 -> "V3.04", 3205 -> "V3.205".
std::string VersionText(int version)
{
    std::string fraction = std::to_string(version % 1000 + 1000).substr(1);
    if (fraction.back() == '0')
        fraction.pop_back();
    return "V" + std::to_string(version / 1000) + "." + fraction;
}

template <std::size_t N>
std::string NameList(const std::string_view (&names)[N])
{
    std::string list;
    for (std::size_t i = 0; i < N; ++i)
        list += (i == 0 ? "" : i + 1 == N ? " oder " : ", ") + std::string(names[i]);
    return list;
}

template <std::size_t N>
bool Known(const std::string_view (&names)[N], const std::string& name)
{
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

} // namespace

std::vector<std::string> IdentityWarnings(const CliOptions& o)
{
    std::vector<std::string> warnings;
    for (const auto& [id, value] : o.identity) {
        if (id == IDS_DERIVAT_NAME && !Known(kDerivatNames, value))
            warnings.push_back("--derivative \"" + value + "\" ist keine bekannte Ableitung (bekannt: " +
                               NameList(kDerivatNames) +
                               ", genau so geschrieben); es gelten nur die Regeln für Version und Land.");
        if (id == IDS_COUNTRY && !Known(kCountryNames, value))
            warnings.push_back("--country \"" + value + "\" ist kein bekanntes Land (bekannt: " + NameList(kCountryNames) +
                               "); ein neues Dokument bekommt keine Voreinstellungen eines Landes.");
        if (id == IDS_FIRMWARE_VERSION && !IsPlainVersionText(value)) {
            warnings.push_back("--firmware \"" + value + "\" ist keine Versionsnummer wie V3.20; sie wird als " +
                               VersionText(ParseVersion(value)) + " gelesen.");
        }
    }
    return warnings;
}

std::string CliUsage()
{
    return "Aufruf:\n"
           "  mvconf [DATEI.mv8]          öffnet das Programmfenster (braucht eine grafische Anzeige)\n"
           "  mvconf -h | --help          diese Hilfe\n"
           "  mvconf -v | --version       die Version des Programms\n"
           "\n"
           "Betriebsarten ohne Fenster:\n"
           "  mvconf --new DATEI.mv8                     legt ein neues Dokument an\n"
           "  mvconf --convert QUELLE.mv8 ZIEL.mv8       öffnet QUELLE und speichert es als ZIEL\n"
           "  mvconf --compare A.mv8 B.mv8               nennt die Felder, in denen A und B sich unterscheiden\n"
           "                                             (Exit-Status 0 gleich, 1 verschieden, 2 nicht lesbar)\n"
           "  mvconf --import-phonebook TEXTDATEI DATEI.mv8 [Importeinstellungen]\n"
           "                                             liest das Telefonbuch aus einer Textdatei\n"
           "  mvconf --export-phonebook DATEI.mv8 TEXTDATEI\n"
           "                                             schreibt das Telefonbuch als Zeilen Name TAB Nummer\n"
           "                                             (TEXTDATEI \"-\": auf die Standardausgabe)\n"
           "  mvconf [--device PFAD | --port N] --read-config DATEI.mv8\n"
           "  mvconf [--device PFAD | --port N] --write-config DATEI.mv8\n"
           "  mvconf [--device PFAD | --port N] --read-phonebook DATEI.mv8\n"
           "  mvconf [--device PFAD | --port N] --write-phonebook DATEI.mv8\n"
           "                                             liest vom oder schreibt zum Telefon\n"
           "  --force                                    sendet auch ein Dokument ohne die Konfiguration\n"
           "                                             (ohne [Basic]) oder ohne Telefonbuch\n"
           "  mvconf --device PFAD --device PFAD ... --write-config DATEI.mv8\n"
           "  mvconf --device PFAD --device PFAD ... --write-phonebook DATEI.mv8\n"
           "                                             schreibt zu mehreren Telefonen zugleich\n"
           "                                             (ebenso --port N mehrmals)\n"
           "\n"
           "Importeinstellungen (zählen ab 1 wie im Importdialog; 0 schaltet einen Teil ab):\n"
           "  --start-line N  --entries N  --column-repeat N  --name-columns A,B,C,D\n"
           "  --name-tokens A,B,C,D  --number-column N  --number-token N  --prefix TEXT\n"
           "Die Textdatei: Spalten durch Tabulatoren getrennt, Zeilen enden mit CR LF, LF\n"
           "oder CR, Zeichen in Windows-1252 oder UTF-8. Ein Telefonbuch, das der Import\n"
           "ersetzt, bleibt als Sicherungskopie in ~/.local/state/mvconf/backups.\n"
           "\n"
           "Beim Lesen und Schreiben nennt --device PFAD das Gerät; --port N nimmt das Gerät\n"
           "von COM N aus dem Profil (Abschnitt [Ports]), ohne beide gilt [Transfer] ComPort.\n"
           "Dann am Telefon " + std::string(kTransferKeys) + " drücken: es muss sich innerhalb\n"
           "von " + std::to_string(CTrans::kWaitRdyMs / 1000) + " Sekunden melden.\n"
           "\n"
           "Kennung des Programms (in jeder Betriebsart):\n"
           "  --derivative NAME      " + NameList(kDerivatNames) + " (genau so geschrieben)\n"
           "  --country NAME         " + NameList(kCountryNames) + "\n"
           "  --firmware VERSION     zum Beispiel V3.20\n"
           "  --config-part 0|1  --phonebook-part 0|1  --min-width N  --min-height N\n"
           "\n"
           "Mehrere Telefone: eine Zeile je Telefon, am Ende eine Zusammenfassung und der\n"
           "Befehl, der genau die nicht erfolgreichen noch einmal schreibt. Jedes Telefon\n"
           "muss sich innerhalb der " + std::to_string(CTrans::kWaitRdyMs / 1000) +
           " Sekunden melden. Mit der Spur (Trace) bekommt jedes Telefon\n"
           "eine eigene Datei.\n"
           "\n"
           "Exit-Status: 0 erfolgreich, 1 Übertragung mit dem Telefon fehlgeschlagen oder\n"
           "Import ohne Eintrag, 2 Fehler in Aufruf, Datei oder Anschluss (der Grund steht\n"
           "auf stderr).\n"
           "Mit mehreren Telefonen: 0 alle erfolgreich, 1 eines fehlgeschlagen oder\n"
           "abgebrochen, 2 ein Anschluss ließ sich nicht öffnen (die anderen schreiben weiter).\n";
}
