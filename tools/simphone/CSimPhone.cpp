// SPDX-License-Identifier: GPL-3.0-or-later
#include "CSimPhone.h"

#include "CTrans.h"
#include "Derivat.h"
#include "ProfileFile.h"
#include "RecordCodec.h"
#include "StringResources.h"

#include <cstdint>
#include <cstdio>
#include <utility>

namespace {

constexpr char kStx = '\x02';
constexpr char kEtx = '\x03';
constexpr char kAck = '\x06';
constexpr char kNak = '\x15';
constexpr const char* kAckLine = "\x06\r\n";
constexpr const char* kNakLine = "\x15\r\n";
constexpr const char* kEndRecord = ":00000001";
// The PC's lines are at most 64 bytes; a longer run without ETX is noise.
constexpr std::size_t kMaxFrameText = 63;
// Header of an own-number frame: ":A0" and the number.
constexpr std::size_t kMsnHeader = 5;

std::string Hex2(unsigned value, bool upper)
{
    char text[3];
    std::snprintf(text, sizeof text, upper ? "%02X" : "%02x", value & 0xFFu);
    return text;
}

bool IsRecord(std::string_view text)
{
    return text.size() >= 2 && text[0] == ':';
}

// Cuts the checksum off a record frame; false for a short or damaged one.
bool CutChecksum(std::string& text)
{
    if (text.size() < 11)
        return false;
    const int received = HexToInt(std::string_view(text).substr(text.size() - 2));
    text.resize(text.size() - 2);
    return received == CTrans::CalCheckSum(text.c_str());
}

bool IsOwnNumberFrame(std::string_view text)
{
    return text.size() >= kMsnHeader && text.substr(0, 3) == ":A0";
}

// The PC announces one character for an own number's volume and melody but
// sends two digits; the telephone reads both. Giving such frames their true
// length lets the shared decoder read them as the telephone does, and lets
// the PC read the telephone's own frames of that kind completely.
std::string WithTrueLength(std::string text)
{
    const bool volumeOrMelody = IsOwnNumberFrame(text) && (text.compare(5, 2, "01") == 0 || text.compare(5, 2, "02") == 0);
    if (volumeOrMelody && text.size() == 11 && text.compare(7, 2, "01") == 0)
        text.replace(7, 2, "02");
    return text;
}

// Kind 5 carries the counter in decimal, unlike every other number on the line.
std::string PayCounterFrame(const std::string& head, std::uint32_t counter)
{
    const std::string digits = std::to_string(counter);
    return head + "05" + Hex2(static_cast<unsigned>(digits.size()), false) + digits;
}

} // namespace

namespace {

// The phone-book half must take part, or files and reads would skip it.
CDerivat TelephoneSwitches(const std::string& firmware, int phoneType)
{
    const BuildIdentity identity = DerivatLoad({{IDS_PROP_CFG, "1"}, {IDS_PROP_DIALNAME, "1"}});
    return DerivatToProperties(identity, ParseVersion(firmware), phoneType);
}

} // namespace

CSimPhone::CSimPhone(std::string firmware, int phoneType, Faults faults)
    : m_firmware(std::move(firmware)), m_phoneType(phoneType), m_faults(faults),
      m_switches(TelephoneSwitches(m_firmware, phoneType))
{
    StampIdentity();
}

void CSimPhone::StampIdentity()
{
    // A saved file then tells which telephone it came from.
    m_data.cfg.basic.SwVers = m_firmware;
    m_data.cfg.basic.Vers = m_switches.version;
    m_data.cfg.basic.PhoneType = m_phoneType;
}

bool CSimPhone::Load(const std::string& path, std::string& error)
{
    CProfileFile file;
    if (file.Load(path, error) != CProfileFile::LoadStatus::Loaded) {
        if (error.empty())
            error = "file not found: " + path;
        return false;
    }
    m_data.MoveFile(file, false, m_switches);
    m_data.Validate(m_switches);
    StampIdentity();
    return true;
}

bool CSimPhone::Save(const std::string& path, std::string& error)
{
    CProfileFile file;
    if (file.Load(path, error) == CProfileFile::LoadStatus::Failed)
        return false;
    m_data.MoveFile(file, true, m_switches);
    return file.Save(path, error);
}

std::string CSimPhone::StartSession()
{
    EndSession();
    m_phase = Phase::Listening;
    std::string text = "TRANS Q410";
    if (m_phoneType == 1)
        text += " QL410";
    SendFrame(text + " " + m_firmware, false);
    return std::exchange(m_tx, {});
}

void CSimPhone::EndSession()
{
    m_phase = Phase::Idle;
    m_rx.clear();
    m_inFrame = false;
    m_frames.clear();
    m_cursor = 0;
}

std::string CSimPhone::Receive(std::string_view bytes)
{
    if (m_faults.silent)
        return {};
    for (char byte : bytes) {
        if (m_vanish)
            break;
        TakeByte(byte);
    }
    return std::exchange(m_tx, {});
}

CSimPhone::Completed CSimPhone::TakeCompleted()
{
    return std::exchange(m_completed, Completed::None);
}

void CSimPhone::TakeByte(char byte)
{
    switch (byte) {
    case kStx:
        m_rx.clear();
        m_inFrame = true;
        return;
    case kEtx:
        if (m_inFrame && !m_rx.empty())
            OnFrame(std::exchange(m_rx, {}));
        m_inFrame = false;
        return;
    case kAck:
    case kNak:
        m_rx.clear();
        m_inFrame = false;
        OnAnswer(byte == kAck);
        return;
    default:
        if (!m_inFrame)
            return; // CR LF and anything else between lines
        m_rx.push_back(byte);
        if (m_rx.size() > kMaxFrameText) {
            m_rx.clear();
            m_inFrame = false;
        }
    }
}

void CSimPhone::OnFrame(std::string text)
{
    Log("Rx", text);
    if (m_phase == Phase::Listening)
        OnRequestOrRecord(std::move(text));
    else if (m_phase == Phase::AwaitPcEnd)
        OnPcEndRecord(std::move(text));
    // While sending, the PC owes an ACK: a frame now is dropped, as the PC
    // itself drops one; its answer timer sorts that out.
}

void CSimPhone::OnAnswer(bool ack)
{
    Log("Rx", ack ? "ACK" : "NAK");
    if (m_phase != Phase::Sending)
        return; // the PC's ACK of the ready frame, or a stray byte
    if (!ack)
        return SendCurrentFrame();
    CountRecord();
    if (m_vanish)
        return;
    if (++m_cursor < m_frames.size())
        SendCurrentFrame();
    else
        m_phase = Phase::AwaitPcEnd;
}

void CSimPhone::OnRequestOrRecord(std::string text)
{
    if (text == "TK Q410")
        return StartRead(ConfigFrames());
    if (text == "TT Q410")
        return StartRead(DialNameFrames(m_data, m_switches.props));
    if (!IsRecord(text))
        return SendNak();
    OnWriteRecord(std::move(text));
}

void CSimPhone::OnWriteRecord(std::string text)
{
    if (!CutChecksum(text))
        return SendNak();
    if (m_faults.nakOnce && !m_nakDone) {
        m_nakDone = true;
        return SendNak();
    }
    CTrans::ConvPhoneToPc(text, m_switches.Rules());
    const bool end = StoreRecord(text);
    SendAck();
    if (end)
        Complete(Completed::Write);
    CountRecord();
}

bool CSimPhone::StoreRecord(const std::string& text)
{
    if (text == kDialNameDeleteFrame) {
        m_data.ResetDialName();
        return false;
    }
    return DecodeRecord(WithTrueLength(text), m_data, m_switches.Rules()) == RxRecord::EndRecord;
}

void CSimPhone::OnPcEndRecord(std::string text)
{
    if (!IsRecord(text) || !CutChecksum(text) || text != kEndRecord)
        return SendNak();
    SendAck();
    Complete(Completed::Read);
}

void CSimPhone::StartRead(std::vector<std::string> frames)
{
    SendAck();
    m_frames = std::move(frames);
    m_frames.emplace_back(kEndRecord);
    m_cursor = 0;
    m_phase = Phase::Sending;
    SendCurrentFrame();
}

std::vector<std::string> CSimPhone::ConfigFrames() const
{
    std::vector<std::string> frames;
    for (int state = kFirstCfgSenderState; state <= kLastCfgSenderState; ++state) {
        for (std::string& frame : CfgSenderFrames(state, m_data, m_switches.props))
            frames.push_back(WithTrueLength(std::move(frame)));
    }
    if (m_switches.props.PropPayCounter)
        AddPayCounters(frames);
    return frames;
}

// The cost counter of an own number follows that number's other kinds.
void CSimPhone::AddPayCounters(std::vector<std::string>& frames) const
{
    std::vector<std::string> out;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        out.push_back(frames[i]);
        if (!IsOwnNumberFrame(frames[i]))
            continue;
        const std::string head = frames[i].substr(0, kMsnHeader);
        const bool lastOfNumber = i + 1 == frames.size() || frames[i + 1].compare(0, kMsnHeader, head) != 0;
        const int number = HexToInt(std::string_view(head).substr(3));
        if (lastOfNumber && number >= 1 && number <= CData_AllCfg::kMsns)
            out.push_back(PayCounterFrame(head, m_data.cfg.msnPara[number - 1].PayCounter));
    }
    frames = std::move(out);
}

void CSimPhone::SendCurrentFrame()
{
    const bool spoil = m_faults.badChecksumOnce && !m_badChecksumDone;
    m_badChecksumDone = m_badChecksumDone || spoil;
    SendFrame(m_frames[m_cursor], spoil);
}

void CSimPhone::SendFrame(std::string text, bool spoilChecksum)
{
    if (m_faults.silent)
        return;
    CTrans::ConvPcToPhone(text, m_switches.Rules());
    if (IsRecord(text)) {
        const int sum = CTrans::CalCheckSum(text.c_str()) + (spoilChecksum ? 1 : 0);
        text += Hex2(static_cast<unsigned>(sum), true);
    }
    Log("Tx", text);
    m_tx += kStx + text + kEtx + "\r\n";
}

void CSimPhone::SendAck()
{
    Log("Tx", "ACK");
    m_tx += kAckLine;
}

void CSimPhone::SendNak()
{
    Log("Tx", "NAK");
    m_tx += kNakLine;
}

void CSimPhone::CountRecord()
{
    ++m_records;
    if (m_faults.vanishAfter > 0 && m_records >= m_faults.vanishAfter)
        m_vanish = true;
}

void CSimPhone::Complete(Completed kind)
{
    m_phase = Phase::Over;
    m_completed = kind;
}

void CSimPhone::Log(std::string_view direction, std::string_view text) const
{
    if (onLog)
        onLog(std::string(direction) + " " + std::string(text));
}
