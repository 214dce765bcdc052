// SPDX-License-Identifier: GPL-3.0-or-later
// The chains of states of CTrans: the handshake, the senders of a write,
// the receiving of a read, and the ends of a chain.
#include "CTrans.h"

#include "CData_All.h"
#include "CTransWire.h"
#include "ITimerHost.h"
#include "RecordCodec.h"

#include <string>

using namespace wire;

namespace {

constexpr std::string_view kReadyMark = "TRANS Q410";

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
