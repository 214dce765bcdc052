// SPDX-License-Identifier: GPL-3.0-or-later
#include "CData_All.h"

#include "Derivat.h"
#include "Trace.h"

namespace {

bool KeyUseAllowed(int keyUse, const DerivatProperties& p)
{
    switch (keyUse) {
    case KEYUSE_DIAL: return true;
    case KEYUSE_LINE: return p.PropKeyLine;
    case KEYUSE_EXT: return p.PropKeyExt;
    case KEYUSE_MSN: return p.PropKeyMsn;
    case KEYUSE_VARIANT_ALL:
    case KEYUSE_VARIANT_TEAM: return p.PropKeyVariant;
    case KEYUSE_TEAMLOGOUT: return p.PropKeyTeamLogout;
    case KEYUSE_INTERCOM:
    case KEYUSE_INTERCOM_LOOK: return p.PropKeyIntercom;
    case KEYUSE_ANNOUNCE:
    case KEYUSE_ANNOUNCE_LOOK: return p.PropKeyAnnounce;
    case KEYUSE_CHEF:
    case KEYUSE_SEC: return p.PropKeyChefSec;
    default: return false;
    }
}

void PresetDialKey(CData_DialKey& key, int dialKeyUse, const char* number)
{
    key.KeyUse = KEYUSE_DIAL;
    key.DialKeyUse = dialKeyUse;
    key.DialKeyMsn = number;
}

} // namespace

CData_All::CData_All() : CData("All") {}

bool CData_All::MoveFile(CProfileFile& file, bool write, const CDerivat& switches)
{
    TraceLine("CData_All", "MoveFile()");
    Sort(switches);
    const CodecRules rules = switches.Rules();
    if (switches.PropCfg)
        cfg.MoveFile(file, write, rules);
    if (switches.PropDialName)
        dialName.MoveFile(file, write, rules);
    return true;
}

bool CData_All::operator==(const CData_All& o) const
{
    TraceLine("CData_All", "operator==()");
    return CData::operator==(o) && cfg == o.cfg && dialName == o.dialName;
}

bool CData_All::operator!=(const CData_All& o) const
{
    TraceLine("CData_All", "operator!=()");
    return !(*this == o);
}

bool CData_All::Validate(const CDerivat& d)
{
    TraceLine("CData_All", "Validate()");
    const DerivatProperties& p = d.props;
    if (!p.PropSilenceNotice && cfg.basic.Silence == 2)
        cfg.basic.Silence = 0;
    if (d.PropCfg) {
        for (auto& key : cfg.dialKey)
            if (!KeyUseAllowed(key.KeyUse, p))
                key.KeyUse = KEYUSE_DIAL;
    }
    if (d.PropDialName) {
        for (auto& e : dialName.entry) {
            if (!p.PropDialNameMelody)
                e.MelodyExt = 0;
            if (!p.PropDialNameLoud)
                e.Loud = 3;
        }
    }
    return true;
}

void CData_All::Sort(const CDerivat& switches)
{
    if (switches.PropDialName)
        dialName.Sort();
}

void CData_All::ResetCfg()
{
    cfg = CData_AllCfg();
}

void CData_All::ResetDialName()
{
    dialName = CData_AllDialName();
}

bool CData_All::SetCountryDefaults(const CDerivat& d)
{
    if (!d.props.PropGermany)
        return false;
    if (d.PropCfg) {
        auto& keys = cfg.dialKey; // key n sits at position n - 1
        PresetDialKey(keys[7], keys[7].DialKeyUse, kVoiceMailAccessNumber);
        PresetDialKey(keys[8], 1, "2580*");
        PresetDialKey(keys[9], 1, "9");
        PresetDialKey(keys[10], 1, "3");
    }
    if (d.PropDialName) {
        static const char* const names[] = {"Voxbox anw\xE4hlen", "Nachricht abh\xF6ren", "Nachricht l\xF6schen",
                                            "n\xE4\x63hste Nachricht"};
        const char* const numbers[] = {kVoiceMailAccessNumber, "2580*", "9", "3"};
        for (int i = 0; i < 4; ++i) {
            SetDialNameName(i, names[i]);
            SetDialNameMsn(i, numbers[i]);
        }
    }
    return true;
}
