// SPDX-License-Identifier: GPL-3.0-or-later
#include "CData_DialKey.h"

#include "FieldMover.h"
#include "ValueTexts.h"

namespace {

// Older files name the dial mode "Use" and the number "Msn"; they are read
// when the current key is missing or empty, never written.
void MoveWithOldKey(FieldMover& m, const char* key, const char* oldKey, std::string& text)
{
    text = m.Text(key);
    if (text.empty())
        text = m.Text(oldKey);
}

const char* DialModeText(int dialKeyUse)
{
    static const char* const texts[] = {"Nummer", "MFV", "Keypad"};
    return dialKeyUse >= 0 && dialKeyUse <= 2 ? texts[dialKeyUse] : nullptr;
}

} // namespace

bool CData_DialKey::MoveFile(CProfileFile& file, bool write, const CodecRules& rules)
{
    FieldMover m(file, write, m_section, rules);
    m.Word("KeyUse", KeyUse, StrToKeyUse, KeyUseToStr);
    if (write) {
        m.Word("DialKeyUse", DialKeyUse, StrToDialKeyUse, DialKeyUseToStr);
        m.Str("DialKeyMsn", DialKeyMsn, StrToMsnExt);
        // Saving keeps the older keys; an emptied number would come back
        // from "Msn" the next time the file is read.
        if (DialKeyMsn.empty())
            m.ClearOldKey("Msn");
    } else {
        std::string text;
        MoveWithOldKey(m, "DialKeyUse", "Use", text);
        StrToDialKeyUse(DialKeyUse, text);
        MoveWithOldKey(m, "DialKeyMsn", "Msn", text);
        StrToMsnExt(DialKeyMsn, text);
    }
    m.Str("LineKeyMsn", LineKeyMsn, StrToMsnInt);
    m.Str("ExtKeyChannel", ExtKeyChannel, StrToChannel);
    m.Str("MsnKeyMsn", MsnKeyMsn, StrToMsnPreCall);
    m.Str("VariantKeyMsnTeam", VariantKeyMsnTeam, StrToTeam);
    m.Str("LogOutKeyMsnTeam", LogOutKeyMsnTeam, StrToTeam);
    m.Str("AnnounceKeyMsnInt", AnnounceKeyMsnInt, StrToMsnInt);
    m.Str("IntercomKeyMsnInt", IntercomKeyMsnInt, StrToMsnInt);
    m.Str("ChefKeyMsnInt", ChefKeyMsnInt, StrToMsnInt);
    m.Str("SecKeyMsnInt", SecKeyMsnInt, StrToMsnInt);
    m.Int("MsnKeyMsnId", MsnKeyMsnId, StrToMsnId, MsnIdToStr);
    return true;
}

std::string CData_DialKey::KeyLabel() const
{
    if (m_index <= 7)
        return std::to_string(m_index);
    return std::to_string(m_index % 8 + 1) + "a";
}

std::string CData_DialKey::UseText() const
{
    switch (KeyUse) {
    case KEYUSE_DIAL: {
        const char* mode = DialModeText(DialKeyUse);
        return mode ? std::string("Zielwahltaste ") + mode : CData::GetColumnText(1);
    }
    case KEYUSE_LINE: return "Linientaste";
    case KEYUSE_EXT: return "Leitungstaste";
    case KEYUSE_MSN: return "MSN-Belegung " + std::to_string(MsnKeyMsnId);
    case KEYUSE_VARIANT_ALL: return "Tag/Nacht Schalten";
    case KEYUSE_VARIANT_TEAM: return "Tag/Nacht Schalten Team";
    case KEYUSE_TEAMLOGOUT: return "Ein-/Ausloggen aus Team";
    case KEYUSE_INTERCOM: return "Wechselsprechen";
    case KEYUSE_INTERCOM_LOOK: return "Wechselsprechen erlauben";
    case KEYUSE_ANNOUNCE: return "Durchsage";
    case KEYUSE_ANNOUNCE_LOOK: return "Durchsage erlauben";
    case KEYUSE_CHEF: return "Chef Taste";
    case KEYUSE_SEC: return "Sekretariat Taste";
    default: return CData::GetColumnText(1);
    }
}

std::string CData_DialKey::NumberText() const
{
    switch (KeyUse) {
    case KEYUSE_DIAL: return DialKeyMsn;
    case KEYUSE_LINE: return LineKeyMsn;
    case KEYUSE_EXT: return ExtKeyChannel;
    case KEYUSE_MSN: return MsnKeyMsn;
    case KEYUSE_VARIANT_ALL: return "Alle";
    case KEYUSE_VARIANT_TEAM: return ValueTexts::Team(VariantKeyMsnTeam);
    case KEYUSE_TEAMLOGOUT: return ValueTexts::Team(LogOutKeyMsnTeam);
    case KEYUSE_INTERCOM: return IntercomKeyMsnInt;
    case KEYUSE_INTERCOM_LOOK: return "ein/aus";
    case KEYUSE_ANNOUNCE: return AnnounceKeyMsnInt;
    case KEYUSE_ANNOUNCE_LOOK: return "ein/aus";
    case KEYUSE_CHEF: return ChefKeyMsnInt;
    case KEYUSE_SEC: return SecKeyMsnInt;
    default: return {};
    }
}

std::string CData_DialKey::GetColumnText(int column) const
{
    switch (column) {
    case 0: return KeyLabel();
    case 1: return UseText();
    case 2: return NumberText();
    default: return CData::GetColumnText(column);
    }
}
