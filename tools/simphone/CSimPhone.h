// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The telephone's side of the configuration link: bytes from the PC in,
// bytes for the PC out. It knows no port and no clock; its owner decides
// when the PC has opened the line (StartSession) and acts when the
// telephone wants to vanish.
#include "CData_All.h"
#include "Derivat.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class CSimPhone {
public:
    // Misbehaviour, each for one recovery path of the PC.
    struct Faults {
        bool nakOnce = false;         // refuse the first record frame of a write once
        bool silent = false;          // never send anything, not even the ready frame
        bool badChecksumOnce = false; // spoil the checksum of the first frame of a read once
        int vanishAfter = 0;          // disappear after this many record frames; 0: never
    };

    enum class Completed { None, Write, Read };

    // firmware is the version text of the ready frame ("V3.20"); phoneType
    // 0 is a Q410, 1 a QL410. The process's derivative identity becomes
    // this telephone's: the character tables and the record set follow it.
    CSimPhone(std::string firmware, int phoneType, Faults faults);
    CSimPhone(std::string firmware, int phoneType) : CSimPhone(std::move(firmware), phoneType, Faults()) {}

    // Reads the configuration and the phone book of a document file.
    bool Load(const std::string& path, std::string& error);
    // Writes both into a document file, keeping its foreign keys.
    bool Save(const std::string& path, std::string& error);
    CData_All& Data() { return m_data; }
    // The switches of the telephone it plays (its firmware and model).
    const CDerivat& Switches() const { return m_switches; }

    // The PC has opened the line: any unfinished session is forgotten.
    // Returns the ready frame.
    std::string StartSession();
    // The PC has closed the line.
    void EndSession();
    // Takes bytes from the PC and returns the answer for it.
    std::string Receive(std::string_view bytes);
    // The kind of a session that completed since the last call, reported once.
    Completed TakeCompleted();
    bool WantsToVanish() const { return m_vanish; }

    // Sees every frame, ACK and NAK in both directions ("Rx ..." / "Tx ...").
    std::function<void(std::string_view)> onLog;

private:
    enum class Phase { Idle, Listening, Sending, AwaitPcEnd, Over };

    void StampIdentity();
    void TakeByte(char byte);
    void OnFrame(std::string text);
    void OnAnswer(bool ack);
    void OnRequestOrRecord(std::string text);
    void OnWriteRecord(std::string text);
    void OnPcEndRecord(std::string text);
    bool StoreRecord(const std::string& text);
    void StartRead(std::vector<std::string> frames);
    std::vector<std::string> ConfigFrames() const;
    void AddPayCounters(std::vector<std::string>& frames) const;
    void SendCurrentFrame();
    void SendFrame(std::string text, bool spoilChecksum);
    void SendAck();
    void SendNak();
    void CountRecord();
    void Complete(Completed kind);
    void Log(std::string_view direction, std::string_view text) const;

    std::string m_firmware;
    int m_phoneType;
    Faults m_faults;
    CDerivat m_switches; // of the telephone it plays
    CData_All m_data;

    Phase m_phase = Phase::Idle;
    std::string m_rx; // text of the frame being received
    bool m_inFrame = false;
    std::string m_tx; // the answer being built
    std::vector<std::string> m_frames; // what a read sends, end record last
    std::size_t m_cursor = 0;          // the frame awaiting the PC's ACK
    Completed m_completed = Completed::None;

    int m_records = 0; // record frames exchanged, for vanishing
    bool m_vanish = false;
    bool m_nakDone = false;
    bool m_badChecksumDone = false;
};
