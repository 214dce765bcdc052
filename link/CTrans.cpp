// SPDX-License-Identifier: GPL-3.0-or-later
#include "CTrans.h"

#include "CTransWire.h"

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

using namespace wire;

namespace {

constexpr char STX = '\x02';
constexpr char ETX = '\x03';
constexpr std::string_view kAckLine = "\x06\r\n";
constexpr std::string_view kNakLine = "\x15\r\n";

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
