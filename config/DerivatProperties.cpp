// SPDX-License-Identifier: GPL-3.0-or-later
#include "DerivatProperties.h"

#include <utility>

namespace {

using Member = int DerivatProperties::*;

#define MV_PROP(name) std::pair<std::string_view, Member>{#name, &DerivatProperties::name}

constexpr std::pair<std::string_view, Member> kNames[] = {
    MV_PROP(PropIntNumStyle),     MV_PROP(PropMsnIntLen),       MV_PROP(PropTeamCount),
    MV_PROP(PropChannelCount),    MV_PROP(PropRxTolerant),      MV_PROP(PropAnswerTimer),
    MV_PROP(PropAnswerTimeout),   MV_PROP(PropRxAllowed),       MV_PROP(PropTxAllowed),
    MV_PROP(PropRxFrameCheck),    MV_PROP(PropTxChecksum),      MV_PROP(PropPabxPicture),
    MV_PROP(PropGermany),         MV_PROP(PropPhoneTypeChoice), MV_PROP(PropSwVersShown),
    MV_PROP(PropLcrPage),         MV_PROP(PropKnock),           MV_PROP(PropSilence),
    MV_PROP(PropSilenceNotice),   MV_PROP(PropKeyLine),         MV_PROP(PropKeyExt),
    MV_PROP(PropMsnAws),          MV_PROP(PropPayMult),         MV_PROP(PropPayStr),
    MV_PROP(PropDialFilter),      MV_PROP(PropDialNameLoud),    MV_PROP(PropDialNameMelody),
    MV_PROP(PropKeyMsn),          MV_PROP(PropPayCounter),      MV_PROP(PropParkCode),
    MV_PROP(PropDialPreInt),      MV_PROP(PropQuitTone),        MV_PROP(PropLetterLarge),
    MV_PROP(PropAutoExt),         MV_PROP(PropKeyVariant),      MV_PROP(PropKeyTeamLogout),
    MV_PROP(PropKeyIntercom),     MV_PROP(PropKeyAnnounce),     MV_PROP(PropKeyChefSec),
    MV_PROP(PropHeadSet),         MV_PROP(PropPabxType),        MV_PROP(PropLcr),
    MV_PROP(PropFreeSpeakSilence), MV_PROP(PropCharSetExt),
};

#undef MV_PROP

} // namespace

int DerivatProperties::Get(std::string_view name) const
{
    for (const auto& [text, member] : kNames)
        if (text == name)
            return this->*member;
    return -1;
}
