// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts the windows show for the values of choices, volumes and switches,
// as Windows-1252 bytes. The pages fill their controls from these tables and
// the comparison of two documents names values with them, so both always
// speak of a value in the same words.
#include <array>
#include <span>
#include <string>

namespace ValueTexts {

// Indexed by the field's value.
inline constexpr std::array<const char*, 2> kPhoneType = {"M850", "MV850"};
inline constexpr std::array<const char*, 3> kDialFilterUse = {"Aus, kein Sperr-/Freiwerk", "Sperr- und Freinummern",
                                                               "Nur Freinummern zulassen"};
inline constexpr std::array<const char*, 3> kQuitTone = {"Aus", "Ein", "Nur Fehler"};
inline constexpr std::array<const char*, 3> kSilence = {"Aus", "Ein", "Ein, aber Aufmerkton"};
inline constexpr std::array<const char*, 3> kLcrMode = {
    "G\xFCnstigsten versuchen, bei Besetzt Standard-Netzbetreiber",
    "Bei Besetzt den n\xE4\x63hst teureren Netzbetreiber versuchen",
    "Nur g\xFCnstigsten Netzbetreiber mehrmals versuchen"};
// The kind buttons of the key editor, by KeyUse.
inline constexpr std::array<const char*, 13> kKeyUse = {
    "Zielwahltaste",       "Linientaste",         "Leitungstaste",
    "MSN-Belegung",        "Tag/Nachtschaltung alle", "Tag/Nachtschaltung Team",
    "Ein-/Ausloggen Team", "Wechselsprechen",     "Wechselsprechen erlauben ein/aus",
    "Durchsage",           "Durchsage erlauben ein/aus", "Chef",
    "Sekretariat"};
inline constexpr std::array<const char*, 3> kDialKeyUse = {"Telefonnummer", "MFV-T\xF6ne", "Keypad-Sequenzen"};
// "Msn 4 " carries its blank as the telephone's own menu does.
inline constexpr std::array<const char*, 7> kMsnKeyMsnId = {"Default", "Msn 1",  "Msn 2", "Msn 3",
                                                             "Msn 4 ",  "Msn 5", "Msn 6"};
// The two PBX type buttons: the first stands for the codes "0" and "00",
// the second for every other code.
inline constexpr std::array<const char*, 2> kPabxType = {"Orbis 60", "Orbis 50 / Orbis 30, Lumo 8"};
// An empty team text means every team.
inline constexpr const char* kAllTeams = "Alle";
inline constexpr int kMelodies = 10;

// The text of value, or value in decimal where the table has none.
std::string Choice(std::span<const char* const> texts, int value);
// Melody of an own number, 0 to 9: "Melodie 1" to "Melodie 10".
std::string Melody(int melody);
// Ring of a phone-book entry: "Standard", "Sonderton", then "Melodie 1" to "Melodie 10".
std::string MelodyExt(int melodyExt);
// A slider position: "Stufe 3 von 6".
std::string Volume(int level, int max);
// A check box: "Ein" for 1, "Aus" for every other value, as the file has it.
const char* OnOff(int flag);
// Index into kPabxType for a stored code.
int PabxTypeButton(const std::string& code);
// The PBX type with its code, which two documents may hold differently
// behind the same button: "Orbis 60 (00)".
std::string PabxType(const std::string& code);
// A team text as the key list shows it: "Alle" for the empty text.
std::string Team(const std::string& team);

} // namespace ValueTexts
