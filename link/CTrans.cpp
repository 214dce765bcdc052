// SPDX-License-Identifier: GPL-3.0-or-later
#include "CTrans.h"

#include "CData_All.h"
#include "Derivat.h"
#include "ISerialPort.h"
#include "ITimerHost.h"
#include "RecordCodec.h"
#include "Trace.h"

#include <cstdio>
#include <iterator>
#include <span>
#include <utility>

namespace {

constexpr char STX = '\x02';
constexpr char ETX = '\x03';
constexpr char ACK = '\x06';
constexpr char NAK = '\x15';
constexpr std::string_view kAckLine = "\x06\r\n";
constexpr std::string_view kNakLine = "\x15\r\n";
constexpr std::string_view kEndRecord = ":00000001";
constexpr std::string_view kReadyMark = "TRANS Q410";
constexpr int kStateTxDialName = 35;
constexpr int kStateRxDialNameBeg = 44;

// The telephone gets two chances per exchange: the second NAK, foreign frame
// or silent answer period ends the transfer.
constexpr int kMaxRepeats = 2;
// A received frame text is at most 63 characters; the 64th drops it.
constexpr std::size_t kRxOverflow = 64;
constexpr int kReadBlock = 64;
// Header of a record frame (":" type A1 A2 length) and its checksum.
constexpr std::size_t kMinRecordFrame = 11;

struct CharPair {
    unsigned char pc;
    unsigned char phone;
};

// Older telephones know only the German letters and a few signs; where two
// PC letters share a telephone code, the lowercase one comes back.
constexpr CharPair kBasicTable[] = {
    {0xE4, 0xE1}, {0xC4, 0xE1}, {0xFC, 0xF5}, {0xDC, 0xF5}, {0xF6, 0xEF},
    {0xD6, 0xEF}, {0xDF, 0xE2}, {0xF1, 0xEE}, {0xB5, 0xE4}, {0xF7, 0xFD},
    {0xA2, 0xEC}, {0xA5, 0x5C}, {0xB4, 0x27},
};

// From version 3040 on the telephone knows more letters, at other codes.
constexpr CharPair kExtendedTable[] = {
    {0xE4, 0x84}, {0xC4, 0x8E}, {0xFC, 0x81}, {0xDC, 0x9A}, {0xF6, 0x94},
    {0xD6, 0x99}, {0xDF, 0xE1}, {0xF1, 0xA4}, {0xB5, 0xE6}, {0xF7, 0xF6},
    {0xA2, 0x87}, {0xA5, 0x9D}, {0xE6, 0x91}, {0xC6, 0x92}, {0xF8, 0xED},
    {0xD8, 0xE8}, {0xE5, 0x86}, {0xC5, 0x8F}, {0x80, 0xEE},
};

std::span<const CharPair> ActiveTable(const CodecRules& rules)
{
    if (rules.extendedCharSet)
        return kExtendedTable;
    return kBasicTable;
}

// Replaces each byte once, by the first pair whose "from" side matches, so
// that a converted byte is never converted again by a later pair.
void Convert(std::string& text, const CodecRules& rules, unsigned char CharPair::*from, unsigned char CharPair::*to)
{
    const auto table = ActiveTable(rules);
    for (char& c : text) {
        for (const CharPair& pair : table) {
            if (pair.*from == static_cast<unsigned char>(c)) {
                c = static_cast<char>(pair.*to);
                break;
            }
        }
    }
}

std::string HexByte(int value)
{
    char text[3];
    std::snprintf(text, sizeof text, "%02X", value & 0xFF);
    return text;
}

// The version word of the ready text: from the first "V" or "v" that follows
// a space to the end; the telephone appends nothing after it.
std::string VersionWord(std::string_view readyText)
{
    for (std::size_t i = 1; i < readyText.size(); ++i) {
        const char c = readyText[i];
        if (readyText[i - 1] == ' ' && (c == 'V' || c == 'v'))
            return std::string(readyText.substr(i));
    }
    return {};
}

} // namespace

CTrans::CTrans(CData_All& data, const CDerivat& switches, ISerialPort& sio, ITimerHost& timers)
    : m_data(data), m_switches(switches), m_sio(sio), m_timers(timers)
{
    StateSet(STATE_IDLE);
}

void CTrans::Trace(std::string_view message) const
{
    TraceLine("CTrans", message);
}

// ---------------------------------------------------------------- receiving

void CTrans::OnRxL1()
{
    // A held thread would not read either; the bytes wait for the pause's end.
    if (m_afterPause) {
        m_rxHeld = true;
        return;
    }
    unsigned char buffer[kReadBlock];
    const int count = m_sio.Read(buffer, kReadBlock);
    for (int i = 0; i < count; ++i)
        TakeRxByte(buffer[i]);
}

void CTrans::TakeRxByte(unsigned char byte)
{
    switch (static_cast<char>(byte)) {
    case STX:
        // A frame that never saw its ETX is lost.
        m_rxText.clear();
        m_rxBegun = true;
        break;
    case ETX:
        m_rxBegun = false;
        if (m_rxText.empty())
            break;
        Trace("OnRxL1() [Rx][Frame] {" + m_rxText + "}");
        OnRxL2();
        ClearRx();
        break;
    case ACK:
    case NAK:
        TakeAnswerByte(byte);
        break;
    default:
        TakeTextByte(byte);
        break;
    }
}

// An answer byte counts wherever it stands, even inside a frame, which is lost.
void CTrans::TakeAnswerByte(unsigned char byte)
{
    m_rxText.assign(1, static_cast<char>(byte));
    const char* kind = byte == static_cast<unsigned char>(ACK) ? "[Ack]" : "[Nack]";
    Trace(std::string("OnRxL1() [Rx]") + kind + " {" + m_rxText + "}");
    OnRxL2();
    ClearRx();
}

void CTrans::TakeTextByte(unsigned char byte)
{
    // Line ends and noise between frames are of no interest.
    if (!m_rxBegun)
        return;
    m_rxText.push_back(static_cast<char>(byte));
    if (m_rxText.size() < kRxOverflow)
        return;
    Trace("OnRxL1() [Rx][Err] {" + m_rxText + "}");
    ClearRx();
}

void CTrans::ClearRx()
{
    m_rxText.clear();
    m_rxBegun = false;
}

void CTrans::OnRxL2()
{
    m_timers.KillTimer(M_TRANS_ANSWER_TIMER);
    m_timeoutCount = 0;
    if (m_waitAck) {
        OnRxWhileWaiting();
        return;
    }
    // A received frame is acknowledged by the state that takes it, not here.
    if (!RxFrameIntact()) {
        SendNak();
        return;
    }
    ConvPhoneToPc(m_rxText, m_switches.Rules());
    OnRxL3();
}

void CTrans::OnRxWhileWaiting()
{
    if (m_rxText.size() == 1 && m_rxText[0] == ACK) {
        m_waitAck = 0;
        m_repeatCount = 0;
        OnRxL3();
        return;
    }
    if (m_rxText.size() == 1 && m_rxText[0] == NAK) {
        if (++m_repeatCount < kMaxRepeats)
            RepeatLastTx();
        else
            GiveUp("OnRxL2() To much frame repeats!", Failure::Refused);
        return;
    }
    // The telephone talks out of turn: give it one more answer period.
    Trace("OnRxL2() Don't receive ACK/NACK!");
    if (++m_repeatCount < kMaxRepeats)
        m_timers.SetTimer(M_TRANS_ANSWER_TIMER, kAnswerMs);
    else
        GiveUp("OnRxL2() To much frame repeats!", Failure::OutOfTurn);
}

// Only record frames carry a checksum; on success it is cut off.
bool CTrans::RxFrameIntact()
{
    if (m_rxText.size() < 2 || m_rxText[0] != ':')
        return true;
    if (m_rxText.size() < kMinRecordFrame) {
        Trace("OnRxL2() Frame not long enough!");
        return false;
    }
    const std::size_t body = m_rxText.size() - 2;
    const int received = HexToInt(std::string_view(m_rxText).substr(body));
    m_rxText.resize(body);
    if (received != CalCheckSum(m_rxText.c_str())) {
        Trace("OnRxL2() Invalid checksum!");
        return false;
    }
    return true;
}

void CTrans::GiveUp(std::string_view message, Failure failure)
{
    Trace(message);
    m_repeatCount = 0;
    Fail(failure);
}

void CTrans::Fail(Failure failure)
{
    m_failure = failure;
    StateSet(STATE_ERR);
}

// ------------------------------------------------------------------ sending

int CTrans::TxL2(std::string_view text)
{
    m_waitAck = 1;
    std::string converted(text);
    ConvPcToPhone(converted, m_switches.Rules());
    std::string line(1, STX);
    line += converted;
    if (line.size() > 2 && line[1] == ':')
        line += HexByte(CalCheckSum(converted.c_str()));
    line += {ETX, '\r', '\n'};
    return TxL1(line);
}

int CTrans::TxL1(std::string_view line)
{
    m_lastTx.assign(line);
    if (!TraceTx(m_lastTx))
        return 0;
    // Every line, ACK and NAK lines too, expects the telephone to say something.
    m_timers.SetTimer(M_TRANS_ANSWER_TIMER, kAnswerMs);
    const int size = static_cast<int>(m_lastTx.size());
    const int taken = m_sio.Write(reinterpret_cast<const unsigned char*>(m_lastTx.data()), size);
    return taken == size ? 1 : 0;
}

// False when the line must not go out: the second NAK in a row gives up.
bool CTrans::TraceTx(std::string_view line)
{
    const std::string text(line);
    const char first = line.empty() ? '\0' : line[0];
    if (first == ACK) {
        Trace("[Tx][Ack] {" + text + "}");
        m_repeatCount = 0;
        return true;
    }
    if (first != NAK) {
        Trace("[Tx] {" + text + "}");
        return true;
    }
    Trace("[Tx][Nack] {" + text + "}");
    if (++m_repeatCount < kMaxRepeats)
        return true;
    Trace("TxL1() To much Nack Repeats!");
    Fail(Failure::Garbled);
    return false;
}

// TxL1 keeps its line in lastTx, so it needs a copy that survives that.
void CTrans::RepeatLastTx()
{
    const std::string line = m_lastTx;
    TxL1(line);
}

void CTrans::SendAck()
{
    TxL1(kAckLine);
}

void CTrans::SendNak()
{
    TxL1(kNakLine);
}

int CTrans::CalCheckSum(const char* text)
{
    if (!text) {
        TraceLine("CTrans", "CalCheckSum() Null-Pointer");
        return -1;
    }
    unsigned sum = 0;
    if (*text)
        for (const char* p = text + 1; *p; ++p)
            sum += static_cast<unsigned char>(*p);
    return static_cast<int>((256 - sum % 256) % 256);
}

void CTrans::ConvPcToPhone(std::string& text, const CodecRules& rules)
{
    Convert(text, rules, &CharPair::pc, &CharPair::phone);
}

void CTrans::ConvPhoneToPc(std::string& text, const CodecRules& rules)
{
    Convert(text, rules, &CharPair::phone, &CharPair::pc);
}

// ------------------------------------------------------------------- timers

void CTrans::OnTimer(int id)
{
    if (id == M_TRANS_PAUSE_TIMER) {
        OnPauseOver();
        return;
    }
    if (id == M_TRANS_WAITRDY_TIMER) {
        Trace("OnTimer() M_TRANS_WAITRDY_TIMER");
        Fail(Failure::NoReadyFrame);
        return;
    }
    if (id != M_TRANS_ANSWER_TIMER) {
        Trace("OnTimer() Invalid Timer!");
        StateSet(STATE_ERR);
        return;
    }
    Trace("OnTimer() M_TRANS_ANSWER_TIMER");
    if (++m_timeoutCount < kMaxRepeats) {
        RepeatLastTx();
        return;
    }
    Trace("OnTimer() To much TimeOut Repeats!");
    m_timeoutCount = 0;
    Fail(Failure::NoAnswer);
}

void CTrans::KillLinkTimers()
{
    m_timers.KillTimer(M_TRANS_WAITRDY_TIMER);
    m_timers.KillTimer(M_TRANS_ANSWER_TIMER);
    // A transfer that ends or fails takes no further step after a pause.
    if (m_afterPause) {
        m_timers.KillTimer(M_TRANS_PAUSE_TIMER);
        m_afterPause = nullptr;
    }
}

void CTrans::PauseThen(void (CTrans::*next)())
{
    if (!m_timers.PausesWithTimer()) {
        m_timers.Delay(kPauseMs);
        (this->*next)();
        return;
    }
    m_afterPause = next;
    m_rxHeld = false;
    m_timers.SetTimer(M_TRANS_PAUSE_TIMER, kPauseMs);
}

void CTrans::OnPauseOver()
{
    m_timers.KillTimer(M_TRANS_PAUSE_TIMER);
    const auto next = std::exchange(m_afterPause, nullptr);
    if (next)
        (this->*next)();
    // The port announces bytes once until they are read.
    if (std::exchange(m_rxHeld, false))
        OnRxL1();
}

// ------------------------------------------------------------ state machine

int CTrans::StateSet(int n)
{
    m_state = n;
    m_entering = 1;
    OnRxL3();
    m_entering = 0;
    return 1;
}

int CTrans::StateNext()
{
    return StateSet(m_state + 1);
}

void CTrans::OnRxL3()
{
    using StateFunction = void (CTrans::*)();
    static constexpr StateFunction kStates[] = {
        // 0 to 5: idle, the ends, and the start of a configuration write
        &CTrans::State_Idle, &CTrans::State_WaitRdy, &CTrans::State_End, &CTrans::State_Err,
        &CTrans::State_WaitRdy, &CTrans::State_Tx_Cfg_Beg,
        // 6 to 29: the configuration senders
        &CTrans::State_Tx_Frames, &CTrans::State_Tx_Frames, &CTrans::State_Tx_Frames, &CTrans::State_Tx_Frames,
        &CTrans::State_Tx_Frames, &CTrans::State_Tx_Frames, &CTrans::State_Tx_Frames, &CTrans::State_Tx_Frames,
        &CTrans::State_Tx_Frames, &CTrans::State_Tx_Frames, &CTrans::State_Tx_Frames, &CTrans::State_Tx_Frames,
        &CTrans::State_Tx_Frames, &CTrans::State_Tx_Frames, &CTrans::State_Tx_Frames, &CTrans::State_Tx_Frames,
        &CTrans::State_Tx_Frames, &CTrans::State_Tx_Frames, &CTrans::State_Tx_Frames, &CTrans::State_Tx_Frames,
        &CTrans::State_Tx_Frames, &CTrans::State_Tx_Frames, &CTrans::State_Tx_Frames, &CTrans::State_Tx_Frames,
        // 30, 31: end of a configuration write
        &CTrans::State_End_Rec, &CTrans::State_End,
        // 32 to 37: phone-book write
        &CTrans::State_WaitRdy, &CTrans::State_Tx_DialName_Beg, &CTrans::State_Tx_DialName_Del,
        &CTrans::State_Tx_Frames, &CTrans::State_End_Rec, &CTrans::State_End,
        // 38 to 42: configuration read
        &CTrans::State_WaitRdy, &CTrans::State_Rx_Beg, &CTrans::State_Rx, &CTrans::State_End_Rec, &CTrans::State_End,
        // 43 to 47: phone-book read
        &CTrans::State_WaitRdy, &CTrans::State_Rx_Beg, &CTrans::State_Rx, &CTrans::State_End_Rec, &CTrans::State_End,
        // 48, 49: abort
        &CTrans::State_Abort, &CTrans::State_End,
    };
    static_assert(std::size(kStates) == 50);
    if (m_state >= 0 && m_state < static_cast<int>(std::size(kStates)))
        (this->*kStates[m_state])();
}

int CTrans::GetProgress() const
{
    return m_progressMax ? m_progressCount * 100 / m_progressMax : 0;
}

int CTrans::GetCfgRecordCount() const
{
    return CfgRecordCount(m_switches.props);
}

void CTrans::State_Idle()
{
    // Whatever arrives before a transfer starts is ignored.
    if (m_entering)
        Trace("State_Idle()");
}

// The telephone speaks first; nothing is sent until its ready frame arrives.
void CTrans::State_WaitRdy()
{
    if (m_entering) {
        Trace("State_WaitRdy()");
        m_waitAck = m_repeatCount = m_timeoutCount = 0;
        m_failure = Failure::None;
        m_progressMax = 100;
        m_progressCount = 0;
        m_timers.SetTimer(M_TRANS_WAITRDY_TIMER, kWaitRdyMs);
        return;
    }
    m_timers.KillTimer(M_TRANS_WAITRDY_TIMER);
    if (m_rxText.compare(0, kReadyMark.size(), kReadyMark) != 0) {
        Fail(Failure::WrongReadyFrame);
        return;
    }
    TakeReadyText();
    SendAck();
    PauseThen(&CTrans::NextAfterPause);
}

// From here on every switch describes the connected telephone, not the
// program's own identity.
void CTrans::TakeReadyText()
{
    CData_Basic& basic = m_data.cfg.basic;
    basic.SwVers = VersionWord(m_rxText);
    basic.PhoneType = m_rxText.find("QL410") != std::string::npos ? 1 : 0;
    m_switches = DerivatToProperties(m_switches, ParseVersion(basic.SwVers), basic.PhoneType);
    m_data.Validate(m_switches);
}

void CTrans::State_Tx_Cfg_Beg()
{
    Trace("State_Tx_Cfg_Beg()");
    // The cost counters are only ever sent by the telephone.
    m_progressMax = GetCfgRecordCount() - 6;
    StateNext();
}

// Entry sends the first frame, each ACK the next; a sender without frames
// passes straight on.
void CTrans::State_Tx_Frames()
{
    if (m_entering)
        LoadFrames();
    else
        ++m_frameCursor;
    if (m_frameCursor < m_frames.size()) {
        TxL2(m_frames[m_frameCursor]);
        ++m_progressCount;
        return;
    }
    if (m_state == kStateTxDialName)
        m_progressCount = m_progressMax; // fewer named entries than 200
    StateNext();
}

void CTrans::LoadFrames()
{
    m_frameCursor = 0;
    if (m_state == kStateTxDialName) {
        Trace("State_Tx_DialName()");
        m_frames = DialNameFrames(m_data, m_switches.props);
        return;
    }
    m_frames = CfgSenderFrames(m_state, m_data, m_switches.props);
    if (!m_frames.empty())
        Trace(std::string(CfgSenderName(m_state)) + "()");
}

void CTrans::State_Tx_DialName_Beg()
{
    m_progressMax = GetDialNameRecordCount();
    StateNext();
}

void CTrans::State_Tx_DialName_Del()
{
    if (!m_entering) {
        StateNext();
        return;
    }
    Trace("State_Tx_DialName_Del()");
    TxL2(kDialNameDeleteFrame);
}

// Both reads share the name in the trace; only the request differs.
void CTrans::State_Rx_Beg()
{
    if (!m_entering) {
        StateNext();
        return;
    }
    Trace("State_Rx_Cfg_Beg()");
    const bool phoneBook = m_state == kStateRxDialNameBeg;
    TxL2(phoneBook ? "TT Q410" : "TK Q410");
    m_progressMax = phoneBook ? GetDialNameRecordCount() : GetCfgRecordCount();
}

void CTrans::State_Rx()
{
    if (m_entering) {
        Trace("State_Rx()");
        return;
    }
    // A lone ACK or NAK byte is no frame of the telephone's: answering it
    // would acknowledge a frame that has not even arrived yet.
    if (m_rxText.size() == 1 && (m_rxText[0] == ACK || m_rxText[0] == NAK)) {
        Trace("State_Rx() Invalid frame type!");
        return;
    }
    switch (DecodeRecord(m_rxText, m_data, m_switches.Rules())) {
    case RxRecord::Stored:
        SendAck();
        ++m_progressCount;
        break;
    case RxRecord::Ignored:
        SendAck();
        break;
    case RxRecord::EndRecord:
        SendAck();
        StateNext(); // sends our own end record
        m_progressCount = m_progressMax;
        break;
    }
}

void CTrans::State_End_Rec()
{
    if (!m_entering) {
        StateNext();
        return;
    }
    Trace("State_End_Rec()");
    PauseThen(&CTrans::SendEndRecord);
}

void CTrans::SendEndRecord()
{
    TxL2(kEndRecord);
}

void CTrans::State_End()
{
    if (!m_entering)
        return;
    // Every chain's own end number stands for the same success.
    m_state = STATE_END;
    Trace("State_End()");
    KillLinkTimers();
    m_data.Sort(m_switches);
}

void CTrans::State_Err()
{
    if (!m_entering)
        return;
    Trace("State_Err()");
    KillLinkTimers();
}

// The user is leaving: tell the telephone once and do not wait for its ACK.
void CTrans::State_Abort()
{
    if (m_entering) {
        Trace("State_Abort()");
        KillLinkTimers();
        TxL2(kEndRecord);
    }
    StateNext();
}
