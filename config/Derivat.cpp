// SPDX-License-Identifier: GPL-3.0-or-later
#include "Derivat.h"

#include "StringResources.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace {

// The largest integer part whose version number (times 1000, plus three
// fraction digits) is still an int.
constexpr int kMaxVersionInteger = (std::numeric_limits<int>::max() - 999) / 1000;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

int ParseInt(const std::string& text)
{
    return std::atoi(text.c_str());
}

void ApplyVersionRules(DerivatProperties& p, int version, bool ql410)
{
    if (version >= 1100) {
        p.PropPhoneTypeChoice = p.PropKnock = p.PropSilence = 1;
        p.PropMsnAws = p.PropPayMult = p.PropPayStr = 1;
        if (ql410)
            p.PropKeyLine = p.PropKeyExt = 1;
    }
    if (version >= 2000) {
        p.PropDialFilter = p.PropDialNameLoud = p.PropDialNameMelody = 1;
        p.PropKeyMsn = p.PropPayCounter = 1;
    }
    if (version >= 3000) {
        p.PropSilenceNotice = p.PropParkCode = p.PropQuitTone = 1;
        p.PropLetterLarge = p.PropAutoExt = p.PropHeadSet = 1;
        if (ql410)
            p.PropKeyVariant = p.PropKeyTeamLogout = p.PropKeyIntercom = p.PropKeyAnnounce = p.PropKeyChefSec = 1;
    }
    if (version >= 3040)
        p.PropCharSetExt = 1;
    if (version >= 3200)
        p.PropPabxType = p.PropLcr = p.PropFreeSpeakSilence = 1;
}

void ApplyBrandRules(DerivatProperties& p, const std::string& name)
{
    if (name == "ZEFIR")
        p.PropPabxPicture = p.PropPhoneTypeChoice = p.PropSwVersShown = p.PropLcrPage = 1;
    if (name == "KALMA")
        p.PropPabxPicture = p.PropPhoneTypeChoice = p.PropSwVersShown = p.PropLcrPage = 0;
    if (name == "VARONIK") {
        p.PropIntNumStyle = 1;
        p.PropMsnIntLen = 3;
        p.PropTeamCount = 20;
        p.PropChannelCount = 6;
        p.PropPhoneTypeChoice = p.PropSwVersShown = p.PropLcrPage = p.PropLcr = p.PropAutoExt = 0;
    }
}

} // namespace

int ParseVersion(std::string_view text)
{
    int integer = 0;
    int fraction = 0;
    int fractionDigits = 0;
    std::size_t i = 0;
    while (i < text.size() && !IsDigit(text[i]))
        ++i;
    // The text comes from the telephone: a run of digits longer than any
    // version stops growing where the result would no longer fit.
    while (i < text.size() && IsDigit(text[i]))
        integer = std::min(integer * 10 + (text[i++] - '0'), kMaxVersionInteger);
    if (i < text.size())
        ++i; // the separator after the integer part
    while (i < text.size() && IsDigit(text[i]) && fractionDigits < 3) {
        fraction = fraction * 10 + (text[i++] - '0');
        ++fractionDigits;
    }
    for (; fractionDigits < 3; ++fractionDigits)
        fraction *= 10;
    return integer * 1000 + fraction;
}

bool IsPlainVersionText(std::string_view text)
{
    const auto digits = [&text] {
        std::size_t n = 0;
        while (n < text.size() && IsDigit(text[n]))
            ++n;
        text.remove_prefix(n);
        return n;
    };
    while (!text.empty() && ((text[0] >= 'A' && text[0] <= 'Z') || (text[0] >= 'a' && text[0] <= 'z')))
        text.remove_prefix(1);
    if (digits() == 0)
        return false;
    if (text.empty())
        return true;
    text.remove_prefix(1); // the separator
    const std::size_t fraction = digits();
    return fraction >= 1 && fraction <= 3 && text.empty();
}

namespace {

std::string Resource(int id, const IdentityTexts& replacements)
{
    std::string text = LoadStringResource(id);
    for (const auto& [replaced, value] : replacements)
        if (replaced == id)
            text = value;
    return text;
}

} // namespace

BuildIdentity DerivatLoad(const IdentityTexts& replacements)
{
    const auto text = [&replacements](int id) { return Resource(id, replacements); };
    BuildIdentity identity;
    identity.name = text(IDS_DERIVAT_NAME);
    identity.country = text(IDS_COUNTRY);
    identity.shippedVersion = ParseVersion(text(IDS_FIRMWARE_VERSION));
    identity.minWidth = ParseInt(text(IDS_MIN_WIDTH));
    identity.minHeight = ParseInt(text(IDS_MIN_HEIGHT));
    identity.PropCfg = text(IDS_PROP_CFG) != "0";
    identity.PropDialName = text(IDS_PROP_DIALNAME) != "0";
    return identity;
}

CDerivat DerivatToProperties(const BuildIdentity& identity, int version, int phoneType)
{
    CDerivat d;
    static_cast<BuildIdentity&>(d) = identity;
    d.version = version;
    d.phoneType = phoneType;
    DerivatProperties& p = d.props; // every flag off, the four counts at their general values
    p.PropRxTolerant = p.PropAnswerTimer = p.PropAnswerTimeout = 1;
    p.PropRxAllowed = p.PropTxAllowed = p.PropRxFrameCheck = p.PropTxChecksum = 1;
    ApplyVersionRules(p, version, phoneType == 1);
    ApplyBrandRules(p, identity.name);
    if (identity.country == "GERMANY")
        p.PropGermany = 1;
    return d;
}
