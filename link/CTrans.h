// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One transfer with the telephone: the stop-and-wait link (framing,
// checksum, character conversion, repeats, link timers) and the chains of
// states that write or read the configuration or the phone book.
#include "Derivat.h"

#include <string>
#include <string_view>
#include <vector>

class CData_All;
class ISerialPort;
class ITimerHost;

class CTrans {
public:
    static constexpr int M_TRANS_WAITRDY_TIMER = 4711;
    static constexpr int M_TRANS_ANSWER_TIMER = 4712;
    // The pause as a timer, for hosts that must not be held (PausesWithTimer).
    static constexpr int M_TRANS_PAUSE_TIMER = 4713;
    static constexpr int kWaitRdyMs = 10000;
    static constexpr int kAnswerMs = 8000;
    static constexpr int kPauseMs = 300;

    // State numbers the owner uses.
    enum : int {
        STATE_IDLE = 0,
        STATE_END = 2,
        STATE_ERR = 3,
        STATE_WRITE_CFG = 4,
        STATE_WRITE_DIALNAME = 32,
        STATE_READ_CFG = 38,
        STATE_READ_DIALNAME = 43,
        STATE_ABORT = 48,
    };

    // Why the last chain failed, for the user.
    enum class Failure { None, NoReadyFrame, WrongReadyFrame, NoAnswer, Refused, OutOfTurn, Garbled };

    // data: the transfer copy; neither it, the port nor the timers are owned.
    // switches: what the link assumes until its telephone reports itself.
    CTrans(CData_All& data, const CDerivat& switches, ISerialPort& sio, ITimerHost& timers);

    void OnRxL1();        // on every receive notice of the port
    void OnTimer(int id); // for every link timer that expires

    int StateSet(int n);
    int StateNext();
    int StateGet() const { return m_state; }
    int GetProgress() const;
    int GetCfgRecordCount() const;
    static int GetDialNameRecordCount() { return 200; }

    // The checksum of a record frame text; -1 for a missing text.
    static int CalCheckSum(const char* text);
    // PC (Windows-1252) to telephone characters and back, with the table the
    // rules choose.
    static void ConvPcToPhone(std::string& text, const CodecRules& rules);
    static void ConvPhoneToPc(std::string& text, const CodecRules& rules);

    // The link's own switches: from the handshake on, those of the telephone
    // it reached.
    const CDerivat& Switches() const { return m_switches; }

    const std::string& LastTx() const { return m_lastTx; }
    Failure LastFailure() const { return m_failure; }

private:
    int TxL2(std::string_view text);
    int TxL1(std::string_view line);
    void OnRxL2();
    void OnRxL3();
    void TakeRxByte(unsigned char byte);
    void TakeAnswerByte(unsigned char byte);
    void TakeTextByte(unsigned char byte);
    void ClearRx();
    void OnRxWhileWaiting();
    bool RxFrameIntact();
    void GiveUp(std::string_view message, Failure failure);
    void Fail(Failure failure);
    void RepeatLastTx();
    bool TraceTx(std::string_view line);
    void Trace(std::string_view message) const;

    void State_Idle();
    void State_WaitRdy();
    void State_Tx_Cfg_Beg();
    void State_Tx_Frames();     // every sender of states 6 to 29 and 35
    void LoadFrames();
    void TakeReadyText();
    void State_Tx_DialName_Beg();
    void State_Tx_DialName_Del();
    void State_Rx_Beg();        // 39 and 44
    void State_Rx();
    void State_End_Rec();
    void State_End();
    void State_Err();
    void State_Abort();
    void SendAck();
    void SendNak();
    void KillLinkTimers();
    // Delay(kPauseMs), then the given step; with a timer when the host asks for it.
    void PauseThen(void (CTrans::*next)());
    void OnPauseOver();
    void NextAfterPause() { StateNext(); }
    void SendEndRecord();

    CData_All& m_data;
    CDerivat m_switches;
    ISerialPort& m_sio;
    ITimerHost& m_timers;

    std::string m_lastTx;
    std::string m_rxText; // the frame being received
    bool m_rxBegun = false;
    int m_waitAck = 0;
    int m_entering = 0;
    int m_repeatCount = 0;
    int m_timeoutCount = 0;
    int m_progressCount = 0;
    int m_progressMax = 0;
    int m_state = 0;
    Failure m_failure = Failure::None;

    // The step a running pause leads to, and whether bytes wait for its end.
    void (CTrans::*m_afterPause)() = nullptr;
    bool m_rxHeld = false;

    // The frames of the sender that runs, and the next one to send.
    std::vector<std::string> m_frames;
    std::size_t m_frameCursor = 0;
};
