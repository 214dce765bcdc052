// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The derivative identity of the running program and its computed switches.
#include "DerivatProperties.h"

#include <string>
#include <string_view>

class CDerivat {
public:
    std::string name;     // brand variant: "VARONIK", "KALMA", "ZEFIR" or other
    std::string country;  // "GERMANY" switches the German new-document entries on
    int version = 0;      // firmware version number, "V3.20" is 3200
    int minWidth = 0;
    int minHeight = 0;
    bool PropCfg = false;      // the configuration part exists
    bool PropDialName = false; // the phone-book part exists
    DerivatProperties props;

    // Loads the identity from the string resources; replaces any version a
    // telephone reported before.
    void DerivatLoad();

    // Recomputes the switches for phone type 0 (M850) or 1 (MV850).
    void DerivatToProperties(int phoneType);
};

// The names the brand rules and the country rule know; any other name
// leaves its rules unapplied. Comparisons are exact.
inline constexpr std::string_view kDerivatNames[] = {"VARONIK", "KALMA", "ZEFIR"};
inline constexpr std::string_view kCountryNames[] = {"GERMANY"};

// The identity of the process, or the one a DerivatScope put in its place.
CDerivat& Derivat();

// Several telephones served at once each keep the switches their own
// telephone reported: while a scope lives, Derivat() is its identity.
// Scopes nest; the innermost one counts.
class DerivatScope {
public:
    explicit DerivatScope(CDerivat& own);
    ~DerivatScope();
    DerivatScope(const DerivatScope&) = delete;
    DerivatScope& operator=(const DerivatScope&) = delete;

private:
    CDerivat* m_previous;
};

// "V3.20" -> 3200, "V3.04" -> 3040, "1.1" -> 1100, "V3" -> 3000.
int ParseVersion(std::string_view text);
// True for a version text ParseVersion reads whole: letters, digits, and
// optionally one separator with up to three digits ("V3.20", "3", "1,1").
bool IsPlainVersionText(std::string_view text);
