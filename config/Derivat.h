// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The build's identity, and the switches computed from it for one document
// or one telephone. Both are plain values: each owner keeps its own.
#include "DerivatProperties.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Fixed for the whole run: read once from the string resources, with the
// command line's replacements on top.
struct BuildIdentity {
    std::string name;    // brand variant: "VARONIK", "KALMA", "ZEFIR" or other
    std::string country; // "GERMANY" switches the German new-document entries on
    int shippedVersion = 0; // the firmware version the build is made for, "V3.20" is 3200
    int minWidth = 0;
    int minHeight = 0;
    bool PropCfg = false;      // the configuration part exists
    bool PropDialName = false; // the phone-book part exists
};

// Replacements for string resources by id, applied in order.
using IdentityTexts = std::vector<std::pair<int, std::string>>;

// The identity the string resources give, each replaced text taking the
// place of its resource (unknown ids are ignored).
BuildIdentity DerivatLoad(const IdentityTexts& replacements = {});

// What the text codecs depend on besides the text itself.
struct CodecRules {
    bool extendedCharSet = false; // PropCharSetExt
    int msnIntLen = 2;            // PropMsnIntLen
};

// The switches for one firmware version and one phone type.
struct CDerivat : BuildIdentity {
    int version = 0;   // the firmware version the switches describe
    int phoneType = 1; // 0: M850 (Q410), 1: MV850 (QL410)
    DerivatProperties props;

    CodecRules Rules() const { return {props.PropCharSetExt != 0, props.PropMsnIntLen}; }
};

// The switches of identity for a firmware version and phone type 0 or 1.
CDerivat DerivatToProperties(const BuildIdentity& identity, int version, int phoneType);
// The same for the firmware version the build is made for.
inline CDerivat DerivatToProperties(const BuildIdentity& identity, int phoneType)
{
    return DerivatToProperties(identity, identity.shippedVersion, phoneType);
}

// The names the brand rules and the country rule know; any other name
// leaves its rules unapplied. Comparisons are exact.
inline constexpr std::string_view kDerivatNames[] = {"VARONIK", "KALMA", "ZEFIR"};
inline constexpr std::string_view kCountryNames[] = {"GERMANY"};

// "V3.20" -> 3200, "V3.04" -> 3040, "1.1" -> 1100, "V3" -> 3000.
int ParseVersion(std::string_view text);
// True for a version text ParseVersion reads whole: letters, digits, and
// optionally one separator with up to three digits ("V3.20", "3", "1,1").
bool IsPlainVersionText(std::string_view text);
