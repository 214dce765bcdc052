// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The switches that decide which settings exist for a derivative, a country,
// a firmware version and a phone type. Flags are on when not 0.
#include <string_view>

struct DerivatProperties {
    int PropIntNumStyle = 0;
    int PropMsnIntLen = 2;
    int PropTeamCount = 40;
    int PropChannelCount = 12;
    int PropRxTolerant = 0;
    int PropAnswerTimer = 0;
    int PropAnswerTimeout = 0;
    int PropRxAllowed = 0;
    int PropTxAllowed = 0;
    int PropRxFrameCheck = 0;
    int PropTxChecksum = 0;
    int PropPabxPicture = 0;
    int PropGermany = 0;
    int PropPhoneTypeChoice = 0;
    int PropSwVersShown = 0;
    int PropLcrPage = 0;
    int PropKnock = 0;
    int PropSilence = 0;
    int PropSilenceNotice = 0;
    int PropKeyLine = 0;
    int PropKeyExt = 0;
    int PropMsnAws = 0;
    int PropPayMult = 0;
    int PropPayStr = 0;
    int PropDialFilter = 0;
    int PropDialNameLoud = 0;
    int PropDialNameMelody = 0;
    int PropKeyMsn = 0;
    int PropPayCounter = 0;
    int PropParkCode = 0;
    int PropDialPreInt = 0;
    int PropQuitTone = 0;
    int PropLetterLarge = 0;
    int PropAutoExt = 0;
    int PropKeyVariant = 0;
    int PropKeyTeamLogout = 0;
    int PropKeyIntercom = 0;
    int PropKeyAnnounce = 0;
    int PropKeyChefSec = 0;
    int PropHeadSet = 0;
    int PropPabxType = 0;
    int PropLcr = 0;
    int PropFreeSpeakSilence = 0;
    int PropCharSetExt = 0;

    bool operator==(const DerivatProperties&) const = default;

    // A property by its name; -1 for a name that is not a property.
    int Get(std::string_view name) const;
};
