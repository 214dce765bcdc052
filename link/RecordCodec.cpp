// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordCodec.h"

#include "CData_All.h"
#include "Derivat.h"
#include "RecordText.h"
#include "Trace.h"

#include <algorithm>

using namespace recordtext;

namespace {

// ---------------------------------------------------------------------------
// Checks: the codecs of CData. A numeric value is checked by its writer,
// which repairs a bounded number to its minimum and leaves a keyword as it is.

using TextCheck = bool (*)(std::string&, std::string_view, const CodecRules&);
using NumberCheck = bool (*)(int&);
using Switch = int DerivatProperties::*;

// A text check that needs no rules.
template <bool (*Check)(std::string&, std::string_view)>
bool Plain(std::string& target, std::string_view text, const CodecRules&)
{
    return Check(target, text);
}

template <bool (*Write)(int&, std::string&)>
bool Bounded(int& value)
{
    std::string text;
    return Write(value, text);
}

template <bool (*Write)(int, std::string&)>
bool Keyword(int& value)
{
    std::string text;
    return Write(value, text);
}

void Trace(std::string_view message)
{
    TraceLine("CTrans", message);
}

// One field of a record as it travels: a text or a number, the check a
// received value goes through and the message of a failed check.
template <class Rec>
struct Value {
    std::string Rec::*text = nullptr;
    TextCheck textCheck = nullptr;
    int Rec::*number = nullptr;
    NumberCheck numberCheck = nullptr; // nullptr: every value is taken
    const char* message = nullptr;
};

// ---------------------------------------------------------------------------
// Frame texts.

// numberLength: the length field of a number, which the own numbers give as
// "01" although two digits follow.
template <class Rec>
std::string Body(const Value<Rec>& v, const Rec& rec, std::string_view numberLength = "02")
{
    if (v.text)
        return TextBody(rec.*v.text);
    return std::string(numberLength) + Hex2(rec.*v.number);
}

template <class Rec>
void Store(const Value<Rec>& v, Rec& rec, const Frame& f)
{
    bool taken = true;
    if (v.text) {
        taken = v.textCheck(rec.*v.text, f.data, f.rules);
    } else if (v.number) {
        int value = HexToInt(f.data);
        taken = !v.numberCheck || v.numberCheck(value);
        rec.*v.number = value;
    }
    if (!taken)
        Trace(v.message);
}

// ---------------------------------------------------------------------------
// Single values of Basic.

using BasicValue = Value<CData_Basic>;

struct SingleValue {
    int state;
    const char* sender;
    int type;
    Switch enabled; // nullptr: always sent
    BasicValue value;
};

constexpr SingleValue kSingles[] = {
    {6, "State_Tx_DialPre", 0x83, nullptr,
     {.text = &CData_Basic::DialPre, .textCheck = &Plain<&CData::StrToDialPre>,
      .message = "State_Rx() DialPre:83 Invalid Data!"}},
    {7, "State_Tx_DialLen", 0x84, nullptr,
     {.number = &CData_Basic::DialLen, .numberCheck = &Bounded<&CData::DialLenToStr>,
      .message = "State_Rx() DialLen:84 Invalid Data!"}},
    {8, "State_Tx_LoudBox", 0x90, nullptr,
     {.number = &CData_Basic::LoudBox, .numberCheck = &Bounded<&CData::LoudToStr>,
      .message = "State_Rx() LoudBox:90 Invalid Data!"}},
    {9, "State_Tx_LoudHand", 0x91, nullptr,
     {.number = &CData_Basic::LoudHand, .numberCheck = &Bounded<&CData::LoudHandToStr>,
      .message = "State_Rx() LoudHand:91 Invalid Data!"}},
    {10, "State_Tx_Knock", 0x92, &DerivatProperties::PropKnock, {.number = &CData_Basic::Knock}},
    {11, "State_Tx_Silence", 0x93, &DerivatProperties::PropSilence,
     {.number = &CData_Basic::Silence, .numberCheck = &Keyword<&CData::SilenceToStr>,
      .message = "State_Rx() Silence:93 Invalid Data!"}},
    {12, "State_Tx_PayMult", 0x85, &DerivatProperties::PropPayMult,
     {.text = &CData_Basic::PayMult, .textCheck = &Plain<&CData::StrToPayMult>,
      .message = "State_Rx() PayMult:85 Invalid Data!"}},
    {13, "State_Tx_PayStr", 0x86, &DerivatProperties::PropPayStr,
     {.text = &CData_Basic::PayStr, .textCheck = &CData::StrToPayStr,
      .message = "State_Rx() PayStr:86 Invalid Data!"}},
    {14, "State_Tx_ParkCode", 0x88, &DerivatProperties::PropParkCode,
     {.text = &CData_Basic::ParkCode, .textCheck = &Plain<&CData::StrToParkCode>,
      .message = "State_Rx() ParkCode:88 Invalid Data!"}},
    {15, "State_Tx_DialPreInt", 0x89, &DerivatProperties::PropDialPreInt,
     {.text = &CData_Basic::DialPreInt, .textCheck = &Plain<&CData::StrToDialPre>,
      .message = "State_Rx() DialPreInt:89 Invalid Data!"}},
    {16, "State_Tx_PabxType", 0x8A, &DerivatProperties::PropPabxType,
     {.text = &CData_Basic::PabxType, .textCheck = &Plain<&CData::StrToPabxType>,
      .message = "State_Rx() PabxType:8A Invalid Data!"}},
    // State 17 packs two fields into one value: see LcrFrames.
    {18, "State_Tx_QuitTone", 0x94, &DerivatProperties::PropQuitTone,
     {.number = &CData_Basic::QuitTone, .numberCheck = &Keyword<&CData::QuitToneToStr>,
      .message = "State_Rx() QuitTone:94 Invalid Data!"}},
    {19, "State_Tx_LetterLarge", 0x95, &DerivatProperties::PropLetterLarge, {.number = &CData_Basic::LetterLarge}},
    {20, "State_Tx_AutoExt", 0x96, &DerivatProperties::PropAutoExt, {.number = &CData_Basic::AutoExt}},
    {21, "State_Tx_HeadSet", 0x97, &DerivatProperties::PropHeadSet, {.number = &CData_Basic::HeadSet}},
    {22, "State_Tx_Lcr", 0x99, &DerivatProperties::PropLcr, {.number = &CData_Basic::Lcr}},
    {23, "State_Tx_PabxAtLowPower", 0x9A, &DerivatProperties::PropPabxType, {.number = &CData_Basic::PabxAtLowPower}},
    {24, "State_Tx_FreeSpeakSilence", 0x9B, &DerivatProperties::PropFreeSpeakSilence,
     {.number = &CData_Basic::FreeSpeakSilence}},
    {29, "State_Tx_DialFilterUse", 0x87, &DerivatProperties::PropDialFilter,
     {.number = &CData_Basic::DialFilterUse, .numberCheck = &Keyword<&CData::DialFilterUseToStr>,
      .message = "State_Rx() DialFilterUse:87 Invalid Data!"}},
};

const SingleValue* FindSingle(int SingleValue::*field, int key)
{
    const auto it = std::find_if(std::begin(kSingles), std::end(kSingles),
                                 [&](const SingleValue& s) { return s.*field == key; });
    return it == std::end(kSingles) ? nullptr : &*it;
}

bool SwitchedOn(Switch enabled, const DerivatProperties& props)
{
    return !enabled || props.*enabled != 0;
}

// ---------------------------------------------------------------------------
// Function keys, by KeyUse.

struct KeyKind {
    int type;
    Value<CData_DialKey> value; // no text: nothing but the use goes on the line
    const char* badIndex;
    bool fixedLength = false;   // the length field says "02" whatever follows
};

constexpr KeyKind kKeyKinds[] = {
    {0x71,
     {.text = &CData_DialKey::DialKeyMsn, .textCheck = &Plain<&CData::StrToMsnExt>,
      .message = "State_Rx() DialKey:71 Invalid Msn!"},
     "State_Rx() DialKey:71 Invalid Index!"},
    {0xB0,
     {.text = &CData_DialKey::LineKeyMsn, .textCheck = &CData::StrToMsnInt,
      .message = "State_Rx() DialKey:LineKey:B0 Invalid Msn!"},
     "State_Rx() DialKey:LineKey:B0 Invalid Index!"},
    {0xB1,
     {.text = &CData_DialKey::ExtKeyChannel, .textCheck = &Plain<&CData::StrToChannel>,
      .message = "State_Rx() DialKey:ExtKey:B1 Invalid Channel!"},
     "State_Rx() DialKey:ExtKey:B1 Invalid Index!", true},
    {0xB2,
     {.text = &CData_DialKey::MsnKeyMsn, .textCheck = &Plain<&CData::StrToMsnExt>,
      .message = "State_Rx() DialKey:MsnKey:B2 Invalid Msn!"},
     "State_Rx() DialKey:MsnKey:B2 Invalid Index!"},
    {0xB4, {}, "State_Rx() DialKey:VariantAll:B4 Invalid Index!"},
    {0xB3,
     {.text = &CData_DialKey::VariantKeyMsnTeam, .textCheck = &Plain<&CData::StrToTeam>,
      .message = "State_Rx() DialKey:VariantTeam:B3 Invalid Team!"},
     "State_Rx() DialKey:VariantTeam:B3 Invalid Index!"},
    {0xB5,
     {.text = &CData_DialKey::LogOutKeyMsnTeam, .textCheck = &Plain<&CData::StrToTeam>,
      .message = "State_Rx() DialKey:TeamLogOut:B5 Invalid Team!"},
     "State_Rx() DialKey:TeamLogOut:B5 Invalid Index!"},
    {0xB8,
     {.text = &CData_DialKey::IntercomKeyMsnInt, .textCheck = &CData::StrToMsnInt,
      .message = "State_Rx() DialKey:Intercom:B8 Invalid MsnInt!"},
     "State_Rx() DialKey:Intercom:B8 Invalid Index!"},
    {0xB9, {}, "State_Rx() DialKey:IntercomLook:B9 Invalid Index!"},
    {0xB6,
     {.text = &CData_DialKey::AnnounceKeyMsnInt, .textCheck = &CData::StrToMsnInt,
      .message = "State_Rx() DialKey:Announce:B6 Invalid MsnInt!"},
     "State_Rx() DialKey:Announce:B6 Invalid Index!"},
    {0xB7, {}, "State_Rx() DialKey:AnnounceLook:B7 Invalid Index!"},
    {0xBA,
     {.text = &CData_DialKey::ChefKeyMsnInt, .textCheck = &CData::StrToMsnInt,
      .message = "State_Rx() DialKey:Chef:BA Invalid MsnInt!"},
     "State_Rx() DialKey:Chef:BA Invalid Index!"},
    {0xBB,
     {.text = &CData_DialKey::SecKeyMsnInt, .textCheck = &CData::StrToMsnInt,
      .message = "State_Rx() DialKey:Sec:BB Invalid MsnInt!"},
     "State_Rx() DialKey:Sec:BB Invalid Index!"},
};

// DialKeyUse 0, 1, 2 on the line; the letters sit in the second address byte.
constexpr std::string_view kDialKeyUseLetters[] = {"0N", "0T", "0K"};

std::string KeyBody(const KeyKind& kind, const CData_DialKey& key)
{
    if (!kind.value.text)
        return "0000"; // the telephone expects two zeros after the empty length field
    if (kind.fixedLength)
        return "02" + key.*kind.value.text;
    return TextBody(key.*kind.value.text);
}

std::string KeyFrame(const CData_DialKey& key, int number)
{
    // Validate turns an unknown use into DIAL, so a stray one goes out as that.
    const bool known = key.KeyUse >= 0 && key.KeyUse < static_cast<int>(std::size(kKeyKinds));
    const int use = known ? key.KeyUse : KEYUSE_DIAL;
    const KeyKind& kind = kKeyKinds[use];
    std::string address2 = "00";
    if (use == KEYUSE_DIAL)
        address2 = kDialKeyUseLetters[key.DialKeyUse == 1 || key.DialKeyUse == 2 ? key.DialKeyUse : 0];
    else if (use == KEYUSE_MSN)
        address2 = Hex2(key.MsnKeyMsnId);
    return Record(kind.type, number, address2, KeyBody(kind, key));
}

void StoreDialKeyUse(CData_DialKey& key, std::string_view letters)
{
    const auto* first = std::begin(kDialKeyUseLetters);
    const auto* found = std::find(first, std::end(kDialKeyUseLetters), letters);
    const bool known = found != std::end(kDialKeyUseLetters);
    key.DialKeyUse = known ? static_cast<int>(found - first) : 0;
    if (!known)
        Trace("State_Rx() :DialKey:71 Invalid Use!");
}

RxRecord DecodeKey(int use, const Frame& f, CData_AllCfg& cfg)
{
    const KeyKind& kind = kKeyKinds[use];
    if (f.a1 < 1 || f.a1 > CData_AllCfg::kKeys) {
        Trace(kind.badIndex);
        return RxRecord::Ignored;
    }
    CData_DialKey& key = cfg.dialKey[static_cast<std::size_t>(f.a1 - 1)];
    key.KeyUse = use;
    Store(kind.value, key, f);
    if (use == KEYUSE_DIAL)
        StoreDialKeyUse(key, Piece(f.text, 5, 2));
    if (use == KEYUSE_MSN) {
        key.MsnKeyMsnId = f.a2;
        if (!Bounded<&CData::MsnIdToStr>(key.MsnKeyMsnId))
            Trace("State_Rx() DialKey:MsnKey:B2 Invalid Data!");
    }
    return RxRecord::Stored;
}

// ---------------------------------------------------------------------------
// Own numbers, by parameter kind; kind 5, the cost counter, only comes in.

constexpr Value<CData_MsnPara> kMsnKinds[] = {
    {.text = &CData_MsnPara::Msn, .textCheck = &Plain<&CData::StrToMsnExt>,
     .message = "State_Rx() MsnPara:A0 Invalid Msn!"},
    {.number = &CData_MsnPara::Loud, .numberCheck = &Bounded<&CData::LoudToStr>,
     .message = "State_Rx() MsnPara:A0 Invalid Loud!"},
    {.number = &CData_MsnPara::Melody, .numberCheck = &Bounded<&CData::MelodyToStr>,
     .message = "State_Rx() MsnPara:A0 Invalid Melody!"},
    {.text = &CData_MsnPara::Txt, .textCheck = &CData::StrToTxt,
      .message = "State_Rx() MsnPara:A0 Invalid Txt!"},
    {.text = &CData_MsnPara::MsnAws, .textCheck = &Plain<&CData::StrToMsnExt>,
     .message = "State_Rx() MsnPara:A0 Invalid MsnAws!"},
};
constexpr int kPayCounterKind = 5;
constexpr int kMsnAwsKind = 4;

RxRecord DecodeMsnPara(const Frame& f, CData_All& data)
{
    if (f.a1 < 1 || f.a1 > CData_AllCfg::kMsns) {
        Trace("State_Rx() MsnPara:A0 Invalid Index!");
        return RxRecord::Ignored;
    }
    CData_MsnPara& msn = data.cfg.msnPara[static_cast<std::size_t>(f.a1 - 1)];
    if (f.a2 == kPayCounterKind) {
        CData::StrToPayCounter(msn.PayCounter, f.data);
        return RxRecord::Stored;
    }
    if (f.a2 < 0 || f.a2 >= static_cast<int>(std::size(kMsnKinds))) {
        Trace("State_Rx() MsnPara:A0 Invalid type!");
        return RxRecord::Ignored;
    }
    Store(kMsnKinds[f.a2], msn, f);
    return RxRecord::Stored;
}

// ---------------------------------------------------------------------------
// Speed dial and dial control: numbered from 0, a number each.

template <class List>
RxRecord DecodeNumberList(List& list, const Frame& f, const char* badIndex, const char* badMsn)
{
    if (f.a1 < 0 || f.a1 >= static_cast<int>(list.size())) {
        Trace(badIndex);
        return RxRecord::Ignored;
    }
    if (!CData::StrToMsnExt(list[static_cast<std::size_t>(f.a1)].Msn, f.data))
        Trace(badMsn);
    return RxRecord::Stored;
}

template <class List>
std::vector<std::string> NumberListFrames(int type, const List& list)
{
    std::vector<std::string> frames;
    for (std::size_t i = 0; i < list.size(); ++i)
        frames.push_back(Record(type, static_cast<int>(i), "00", TextBody(list[i].Msn)));
    return frames;
}

// ---------------------------------------------------------------------------
// Phone book.

void StoreDialNameExtras(CData_DialName& entry, std::string_view text, std::size_t pos)
{
    entry.MelodyExt = HexAt(text, pos + 2);
    if (!Bounded<&CData::MelodyExtToStr>(entry.MelodyExt))
        Trace("State_Rx() DialName:70 Invalid MelodyExt!");
    entry.Loud = HexAt(text, pos + 6);
    if (!Bounded<&CData::LoudToStr>(entry.Loud))
        Trace("State_Rx() DialName:70 Invalid Loud!");
}

// A2 carries the name length, the data-length field the number length.
RxRecord DecodeDialName(const Frame& f, CData_All& data)
{
    if (f.a1 < 1 || f.a1 > CData_AllDialName::kEntries) {
        Trace("State_Rx() DialName:70 Invalid Index!");
        return RxRecord::Ignored;
    }
    CData_DialName& entry = data.dialName.entry[static_cast<std::size_t>(f.a1 - 1)];
    const std::size_t nameLength = CutLength(f.a2);
    const std::size_t numberPos = 9 + nameLength;
    if (!CData::StrToName(entry.Name, Piece(f.text, 9, nameLength), f.rules))
        Trace("State_Rx() DialName:70 Invalid Name!");
    if (!CData::StrToMsnExt(entry.Msn, Piece(f.text, numberPos, f.length)))
        Trace("State_Rx() DialName:70 Invalid Msn!");
    // The optional parts: without them the entry keeps what the reset gave it.
    const std::size_t extrasPos = numberPos + f.length;
    if (extrasPos < f.text.size())
        StoreDialNameExtras(entry, f.text, extrasPos);
    return RxRecord::Stored;
}

// ---------------------------------------------------------------------------
// Record types and senders that fit no table above.

RxRecord DecodeLcr(const Frame& f, CData_All& data)
{
    CData_Basic& basic = data.cfg.basic;
    const int value = HexToInt(f.data);
    basic.LcrMode = (value & 0xF0) / 16;
    if (!Keyword<&CData::LcrModeToStr>(basic.LcrMode))
        Trace("State_Rx() LcrMode:8B Invalid Data!");
    basic.LcrRepeat = value & 0x0F;
    if (!Bounded<&CData::LcrRepeatToStr>(basic.LcrRepeat))
        Trace("State_Rx() LcrRepeat:8B Invalid Data!");
    return RxRecord::Stored;
}

RxRecord DecodeDialIndex(const Frame& f, CData_All& data)
{
    return DecodeNumberList(data.cfg.dialIndex, f, "State_Rx() DialIndex:82 Invalid Index!",
                            "State_Rx() DialIndex:82 Invalid Msn!");
}

RxRecord DecodeDialFilter(const Frame& f, CData_All& data)
{
    return DecodeNumberList(data.cfg.dialFilter, f, "State_Rx() DialFilter:72 Invalid Index!",
                            "State_Rx() DialFilter:72 Invalid Msn!");
}

struct Decoder {
    int type;
    RxRecord (*decode)(const Frame&, CData_All&);
};

constexpr Decoder kDecoders[] = {
    {0x8B, &DecodeLcr},        {0xA0, &DecodeMsnPara},    {0x82, &DecodeDialIndex},
    {0x72, &DecodeDialFilter}, {0x70, &DecodeDialName},
};

using Frames = std::vector<std::string>;

Frames LcrFrames(const CData_All& data, const DerivatProperties&)
{
    const CData_Basic& basic = data.cfg.basic;
    return {Record(0x8B, 0, "00", "02" + Hex2(basic.LcrMode * 16 + basic.LcrRepeat))};
}

// The own number is the outer loop, the parameter kind the inner one.
Frames MsnParaFrames(const CData_All& data, const DerivatProperties& props)
{
    const int lastKind = props.PropMsnAws ? kMsnAwsKind : kMsnAwsKind - 1;
    Frames frames;
    for (int n = 1; n <= CData_AllCfg::kMsns; ++n)
        for (int kind = 0; kind <= lastKind; ++kind) {
            const CData_MsnPara& msn = data.cfg.msnPara[static_cast<std::size_t>(n - 1)];
            frames.push_back(Record(0xA0, n, Hex2(kind), Body(kMsnKinds[kind], msn, "01")));
        }
    return frames;
}

Frames DialKeyFrames(const CData_All& data, const DerivatProperties&)
{
    Frames frames;
    for (int n = 1; n <= CData_AllCfg::kKeys; ++n)
        frames.push_back(KeyFrame(data.cfg.dialKey[static_cast<std::size_t>(n - 1)], n));
    return frames;
}

Frames DialIndexFrames(const CData_All& data, const DerivatProperties&)
{
    return NumberListFrames(0x82, data.cfg.dialIndex);
}

Frames DialFilterFrames(const CData_All& data, const DerivatProperties&)
{
    return NumberListFrames(0x72, data.cfg.dialFilter);
}

struct ComposedSender {
    int state;
    const char* name;
    Switch enabled;
    Frames (*frames)(const CData_All&, const DerivatProperties&);
};

constexpr ComposedSender kComposedSenders[] = {
    {17, "State_Tx_LcrMode", &DerivatProperties::PropLcr, &LcrFrames},
    {25, "State_Tx_MsnPara", nullptr, &MsnParaFrames},
    {26, "State_Tx_DialKey", nullptr, &DialKeyFrames},
    {27, "State_Tx_DialIndex", nullptr, &DialIndexFrames},
    {28, "State_Tx_DialFilter", &DerivatProperties::PropDialFilter, &DialFilterFrames},
};

const ComposedSender* FindComposed(int state)
{
    const auto it = std::find_if(std::begin(kComposedSenders), std::end(kComposedSenders),
                                 [&](const ComposedSender& s) { return s.state == state; });
    return it == std::end(kComposedSenders) ? nullptr : &*it;
}

// Records of a read beyond the always-present 4 + 24 + 24.
struct CountedSwitch {
    Switch enabled;
    int records;
};

constexpr CountedSwitch kCountedSwitches[] = {
    {&DerivatProperties::PropKnock, 1},       {&DerivatProperties::PropSilence, 1},
    {&DerivatProperties::PropPayMult, 1},     {&DerivatProperties::PropPayStr, 1},
    {&DerivatProperties::PropDialFilter, 15}, {&DerivatProperties::PropParkCode, 1},
    {&DerivatProperties::PropDialPreInt, 1},  {&DerivatProperties::PropPabxType, 2},
    {&DerivatProperties::PropQuitTone, 1},    {&DerivatProperties::PropLetterLarge, 1},
    {&DerivatProperties::PropAutoExt, 1},     {&DerivatProperties::PropHeadSet, 1},
    {&DerivatProperties::PropLcr, 2},         {&DerivatProperties::PropFreeSpeakSilence, 1},
    {&DerivatProperties::PropMsnAws, 6},      {&DerivatProperties::PropPayCounter, 6},
};

} // namespace

const char* CfgSenderName(int state)
{
    if (const SingleValue* single = FindSingle(&SingleValue::state, state))
        return single->sender;
    if (const ComposedSender* composed = FindComposed(state))
        return composed->name;
    return "";
}

std::vector<std::string> CfgSenderFrames(int state, const CData_All& data, const DerivatProperties& props)
{
    if (const SingleValue* s = FindSingle(&SingleValue::state, state)) {
        if (!SwitchedOn(s->enabled, props))
            return {};
        return {Record(s->type, 0, "00", Body(s->value, data.cfg.basic))};
    }
    const ComposedSender* composed = FindComposed(state);
    if (!composed || !SwitchedOn(composed->enabled, props))
        return {};
    return composed->frames(data, props);
}

std::vector<std::string> DialNameFrames(const CData_All& data, const DerivatProperties& props)
{
    std::vector<std::string> frames;
    for (std::size_t i = 0; i < data.dialName.entry.size(); ++i) {
        const CData_DialName& e = data.dialName.entry[i];
        if (e.Name.empty())
            continue;
        std::string frame = Record(0x70, static_cast<int>(i + 1), Hex2(e.Name.size()), Hex2(e.Msn.size()));
        frame += e.Name + e.Msn;
        if (props.PropDialNameMelody)
            frame += "02" + Hex2(e.MelodyExt, true);
        if (props.PropDialNameLoud)
            frame += "02" + Hex2(e.Loud);
        frames.push_back(std::move(frame));
    }
    return frames;
}

int CfgRecordCount(const DerivatProperties& props)
{
    int count = 4 + 24 + 24;
    for (const CountedSwitch& s : kCountedSwitches)
        count += props.*s.enabled ? s.records : 0;
    return count;
}

RxRecord DecodeRecord(std::string_view frameText, CData_All& data, const CodecRules& rules)
{
    const Frame f = Split(frameText, rules);
    // Only a record frame can end the transfer: a stray byte or an empty text
    // would otherwise split as type 00 and end a read half-way as if complete.
    if (frameText.empty() || frameText[0] != ':') {
        Trace("State_Rx() Invalid frame type!");
        return RxRecord::Ignored;
    }
    if (f.type == 0)
        return RxRecord::EndRecord;
    if (const SingleValue* s = FindSingle(&SingleValue::type, f.type)) {
        Store(s->value, data.cfg.basic, f);
        return RxRecord::Stored;
    }
    for (std::size_t use = 0; use < std::size(kKeyKinds); ++use)
        if (kKeyKinds[use].type == f.type)
            return DecodeKey(static_cast<int>(use), f, data.cfg);
    for (const Decoder& d : kDecoders)
        if (d.type == f.type)
            return d.decode(f, data);
    Trace("State_Rx() Invalid frame type!");
    return RxRecord::Ignored;
}
