// SPDX-License-Identifier: GPL-3.0-or-later
#include "DocumentVariants.h"

#include "CData_All.h"

#include <cstdio>

namespace {

std::string Text(const char* stem, int n)
{
    return stem + std::to_string(n);
}

void FillBasic(CData_Basic& b, int v)
{
    b.Vers = 1100 + v;
    b.PhoneType = b.DialFilterUse = b.Silence = b.QuitTone = b.LcrMode = v;
    b.SwVers = Text("V3.2", v);
    b.DialPre = b.DialPreInt = b.PabxType = Text("0", v);
    b.PayMult = Text("0,1", v);
    b.PayStr = Text("EUR", v);
    b.ParkCode = Text("5", v);
    b.DialLen = 3 + v;
    b.LoudBox = b.LoudHand = 1 + v;
    b.LcrRepeat = 4 + v;
    b.Knock = b.AutoExt = b.LetterLarge = b.HeadSet = b.Lcr = b.PabxAtLowPower = b.FreeSpeakSilence = v;
}

void FillKey(CData_DialKey& k, int v)
{
    k.KeyUse = v ? KEYUSE_MSN : KEYUSE_DIAL;
    k.DialKeyUse = k.MsnKeyMsnId = v;
    k.DialKeyMsn = Text("0301", v);
    k.LineKeyMsn = Text("1", v);
    k.ExtKeyChannel = Text("1", v + 1);
    k.MsnKeyMsn = Text("9", v);
    k.VariantKeyMsnTeam = k.LogOutKeyMsnTeam = Text("0", v);
    k.AnnounceKeyMsnInt = Text("2", v);
    k.IntercomKeyMsnInt = Text("3", v);
    k.ChefKeyMsnInt = Text("4", v);
    k.SecKeyMsnInt = Text("5", v);
}

} // namespace

void FillDocumentVariant(CData_All& data, int v)
{
    CData_AllCfg& cfg = data.cfg;
    FillBasic(cfg.basic, v);
    for (auto& key : cfg.dialKey)
        FillKey(key, v);
    for (auto& index : cfg.dialIndex)
        index.Msn = Text("0401", v);
    for (auto& filter : cfg.dialFilter)
        filter.Msn = Text("0190", v);
    for (auto& own : cfg.msnPara) {
        own.Loud = own.Melody = 2 + v;
        own.PayCounter = 100u + static_cast<unsigned>(v);
        own.Msn = Text("1234", v);
        own.Txt = Text("Msn", v);
        own.MsnAws = Text("5678", v);
    }
    int n = 0;
    for (auto& entry : data.dialName.entry) {
        char name[24];
        std::snprintf(name, sizeof name, "%s %03d", v ? "Berta" : "Anna", ++n);
        entry.Name = name;
        entry.Msn = Text(v ? "089" : "030", n);
        entry.Loud = 2 + v;
        entry.MelodyExt = v;
    }
}
