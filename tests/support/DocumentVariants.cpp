// SPDX-License-Identifier: GPL-3.0-or-later
#include "DocumentVariants.h"

#include "CData_All.h"

#include <cstdio>

void FillDocumentVariant(CData_All& data, int v)
{
    auto text = [v](const char* stem) { return stem + std::to_string(v); };
    CData_Basic& b = data.cfg.basic;
    b.Vers = 1100 + v;
    b.PhoneType = b.DialFilterUse = b.Silence = b.QuitTone = b.LcrMode = v;
    b.Knock = b.AutoExt = b.LetterLarge = b.HeadSet = b.Lcr = b.PabxAtLowPower = b.FreeSpeakSilence = v;
    b.DialLen = b.LcrRepeat = 3 + v;
    b.LoudBox = b.LoudHand = 1 + v;
    b.SwVers = b.PayStr = text("V3.2");
    b.DialPre = b.DialPreInt = b.PabxType = b.ParkCode = text("0");
    b.PayMult = text("0,1");
    for (CData_DialKey& k : data.cfg.dialKey) {
        k.KeyUse = v ? KEYUSE_MSN : KEYUSE_DIAL;
        k.DialKeyUse = k.MsnKeyMsnId = v;
        k.DialKeyMsn = k.MsnKeyMsn = text("0301");
        k.VariantKeyMsnTeam = k.LogOutKeyMsnTeam = text("0");
        k.LineKeyMsn = k.AnnounceKeyMsnInt = k.IntercomKeyMsnInt = k.ChefKeyMsnInt = k.SecKeyMsnInt = text("2");
        k.ExtKeyChannel = "1" + std::to_string(v + 1);
    }
    for (auto& index : data.cfg.dialIndex)
        index.Msn = text("0401");
    for (auto& filter : data.cfg.dialFilter)
        filter.Msn = text("0190");
    for (CData_MsnPara& own : data.cfg.msnPara) {
        own.Loud = own.Melody = 2 + v;
        own.PayCounter = 100u + static_cast<unsigned>(v);
        own.Msn = own.MsnAws = text("1234");
        own.Txt = text("Msn");
    }
    int n = 0;
    for (CData_DialName& entry : data.dialName.entry) {
        char name[24];
        std::snprintf(name, sizeof name, "%s %03d", v ? "Berta" : "Anna", ++n);
        entry.Name = name;
        entry.Msn = (v ? "089" : "030") + std::to_string(n);
        entry.Loud = 2 + v;
        entry.MelodyExt = v;
    }
}
