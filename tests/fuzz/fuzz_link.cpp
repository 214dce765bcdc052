// SPDX-License-Identifier: GPL-3.0-or-later
// The link's receive path fed whatever the line may carry, in every state of
// a transfer, with the link timers firing in between.
//
// Input: one byte choosing the program identity, one choosing the state the
// transfer starts in (and the data it sends), then steps; each step's first
// byte says what happens: raw line bytes, a framed text (with its checksum,
// so that record frames get through to the decoders), an ACK or NAK, a timer
// that expires, or the owner acting (abort, restart, a port that takes
// nothing).
#include "CData_All.h"
#include "CTrans.h"
#include "Derivat.h"
#include "FuzzSupport.h"
#include "ISerialPort.h"
#include "ITimerHost.h"
#include "PhoneBookImport.h"
#include "RecordCodec.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <set>

namespace {

class Port : public ISerialPort {
public:
    int Read(unsigned char* buffer, int max) override
    {
        const std::size_t count = std::min(m_input.size(), static_cast<std::size_t>(std::max(max, 0)));
        std::copy_n(m_input.begin(), count, buffer);
        m_input.erase(0, count);
        return static_cast<int>(count);
    }
    int Write(const unsigned char*, int len) override { return refuse ? 0 : len; }

    std::string m_input;
    bool refuse = false;
};

class Timers : public ITimerHost {
public:
    void SetTimer(int id, int) override { running.insert(id); }
    void KillTimer(int id) override { running.erase(id); }
    void Delay(int) override {}

    std::set<int> running;
};

std::string Framed(std::string_view text, bool spoilSum)
{
    std::string line = "\x02" + std::string(text);
    if (text.size() >= 2 && text[0] == ':') {
        char sum[3];
        std::snprintf(sum, sizeof sum, "%02X", (CTrans::CalCheckSum(std::string(text).c_str()) + spoilSum) & 0xFF);
        line += sum;
    }
    return line + "\x03\r\n";
}

constexpr int kStartStates[] = {CTrans::STATE_READ_CFG,  CTrans::STATE_READ_DIALNAME, CTrans::STATE_WRITE_CFG,
                                CTrans::STATE_WRITE_DIALNAME, CTrans::STATE_IDLE,    CTrans::STATE_ABORT};

// What a later write would send from whatever the transfer left in the
// data, and the telephone's view of it.
void UseTheData(CData_All& data, const CDerivat& switches)
{
    data.Validate(switches);
    CData_All copy;
    for (int state = kFirstCfgSenderState; state <= kLastCfgSenderState; ++state)
        for (const std::string& frame : CfgSenderFrames(state, data, switches.props))
            DecodeRecord(frame, copy, switches.Rules());
    for (const std::string& frame : DialNameFrames(data, switches.props))
        DecodeRecord(frame, copy, switches.Rules());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t size)
{
    FuzzInput in(input, size);
    const CDerivat switches = FuzzIdentity(in.Byte());
    const std::uint8_t start = in.Byte();

    CData_All data;
    if (start & 0x40)
        FillTestData(data);
    else
        data.SetCountryDefaults(switches);
    Port port;
    Timers timers;
    CTrans trans(data, switches, port, timers);
    // The owner's starting points, or any state at all.
    const int startState = (start & 0x80) ? start % 50 : kStartStates[start % std::size(kStartStates)];
    trans.StateSet(startState);

    auto receive = [&](std::string_view bytes) {
        port.m_input.append(bytes);
        while (!port.m_input.empty())
            trans.OnRxL1();
    };
    auto fire = [&](int id) {
        if (timers.running.count(id))
            trans.OnTimer(id);
    };

    while (!in.Empty()) {
        const std::uint8_t step = in.Byte();
        switch (step % 8) {
        case 0:
        case 1:
        case 2:
            receive(in.Text(96));
            break;
        case 3:
        case 4:
            receive(Framed(in.Text(72), (step & 0x80) != 0));
            break;
        case 5:
            receive((step & 0x80) ? "\x15\r\n" : "\x06\r\n");
            break;
        case 6:
            switch ((step >> 3) % 4) {
            case 0: fire(CTrans::M_TRANS_ANSWER_TIMER); break;
            case 1: fire(CTrans::M_TRANS_WAITRDY_TIMER); break;
            case 2:
                if (!timers.running.empty())
                    trans.OnTimer(*timers.running.begin());
                break;
            default: trans.OnTimer(1); break; // not one of the link's
            }
            break;
        default:
            switch ((step >> 3) % 3) {
            case 0: port.refuse = !port.refuse; break;
            case 1: trans.StateSet(CTrans::STATE_ABORT); break;
            default: trans.StateSet(startState); break;
            }
            break;
        }
        if (trans.StateGet() < 0 || trans.StateGet() >= 50)
            std::abort();
    }
    UseTheData(data, trans.Switches());
    return 0;
}
