// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The telephone's boot loader during a firmware download: bytes from the PC
// in, bytes for the PC out. It knows no port and no clock; its owner says
// when the user started the procedure on the telephone (StartSession), when
// the PC let go of the line (EndSession) and what time it is. The wire
// between them is a CPacedLine, so with a non-zero character time every byte
// takes as long in each direction as on the real line.
#include "CPacedLine.h"
#include "IPacedDevice.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CBootLoader : public IPacedDevice {
public:
    using Time = CWireQueue::Time;

    // 9600 baud, one start bit, eight data bits, two stop bits.
    static constexpr Time kRealCharTime = CWireQueue::CharTime(9600, 11);

    enum class Greeting {
        Report,      // older telephones: hardware and revision, then "GO"
        LoadRequest, // newer telephones: "LD" request, the PC decides
        Go,          // "GO" straight away
    };

    // Misbehaviour, each for one recovery path of the PC. Lines are counted
    // as positions in the image, so a line sent again keeps its number.
    struct Faults {
        int nakEvery = 0;     // refuse lines N, 2N, 3N ... once each; 0: never
        int nakLine = 0;      // refuse this line nakTimes times; 0: none
        int nakTimes = 1;
        int dropAckLine = 0;  // line whose ACK is lost once; 0: none
        int silentAfter = -1; // answer nothing from the line after this one on; -1: never
        int vanishAfter = -1; // disappear at the line after this one; -1: never
    };

    struct Options {
        std::string hardware = "QL410"; // up to 6 characters, no blanks
        std::string revision = "03";    // 2 characters or none
        std::string version = "1.25";   // up to 4 characters, no blanks
        Greeting greeting = Greeting::LoadRequest;
        bool endAsMessage = false;      // "END" CR instead of ACK "END" CR
        Time charTime{0};               // kRealCharTime to behave like the real line
        Time lineDelay{0};              // the time the telephone spends on each line
        // After a report the PC takes a new reading only for the next
        // message; the pause keeps "GO" out of the report's reading.
        Time goDelay = std::chrono::milliseconds(100);
        Faults faults{};
    };

    // Empty when the options can be put on the wire the PC reads them from.
    static std::string Check(const Options& options);

    explicit CBootLoader(Options options);

    // The load request (without CR). Its columns follow the PC's cuts:
    //   0-2   "LD "
    //   3-8   hardware, blank-filled: the PC blanks 3 and keeps six
    //   9     blank
    //   10-13 version, blank-filled: the PC blanks 7 more and keeps four
    //   14-17 "LD C", the tag by which the PC tells a request from a
    //         report; the cuts leave only these columns free
    //   18-19 revision: the PC blanks 8 more and keeps the rest, but only
    //         from a request of exactly 20 characters
    // Without a revision the request has 18 characters and the PC takes
    // the revision of its image.
    std::string LoadRequest() const;
    // Hardware and revision: the PC reads the type from the first five
    // characters and the revision from the last two.
    std::string Report() const;

    // The user started the procedure: the greeting goes out. Anything left
    // of an earlier session is forgotten.
    void StartSession(Time now) override;
    // The PC closed the line.
    void EndSession() override;
    // Bytes the PC wrote at now; returns what has reached the PC by now.
    std::string Receive(std::string_view bytes, Time now) override;
    // What has reached the PC by now.
    std::string Poll(Time now) override;
    // When Poll has something to do next; nothing while idle.
    std::optional<Time> NextEvent() const override;
    // Answers are still on their way to the PC.
    bool SendingToPc() const override { return m_line.SendingToPc(); }

    // The image lines received this session without their LF, each once.
    const std::vector<std::string>& Lines() const { return m_lines; }
    // "END" was sent or the PC declined the load.
    bool Over() const { return m_phase == Phase::Over; }
    bool WantsToVanish() const { return m_phase == Phase::Vanished; }

    // Sees every line, answer and complaint ("Rx ...", "Tx ...", "Bad ...").
    std::function<void(std::string_view)> onLog;

private:
    enum class Phase { Idle, AwaitBlank, AwaitDecision, Loading, Silent, Vanished, Over };

    void TakeByte(char byte, Time at);
    void OnBlank(const std::string& line);
    void OnDecision(const std::string& line, Time at);
    void OnImageLine(const std::string& line, Time at);
    bool Misbehaves(int number, Time at);
    bool Refuses(int number);
    void Acknowledge(bool endOfFile, Time at);
    void SendGo(Time at);
    void Send(std::string_view bytes, std::string_view what, Time at);
    void Log(std::string_view kind, std::string_view text) const;

    Options m_options;
    CPacedLine m_line;
    Phase m_phase = Phase::Idle;
    std::string m_rx; // the line being received
    std::vector<std::string> m_lines;
    Time m_goArrives{0}; // lines before this are the PC's fault
    int m_refusedLine = 0;
    int m_refusals = 0; // of m_refusedLine
    bool m_ackDropped = false;
};
