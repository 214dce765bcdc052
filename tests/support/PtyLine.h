// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The far end of a pseudo-terminal, played by a test as the telephone: the
// code under test opens Device() as its serial port.
#include <string>
#include <string_view>

class PtyLine {
public:
    PtyLine();
    ~PtyLine();
    PtyLine(const PtyLine&) = delete;
    PtyLine& operator=(const PtyLine&) = delete;

    const std::string& Device() const { return m_device; }
    void Write(std::string_view bytes);
    // What the other end wrote, waiting up to firstByteMs for the first byte
    // and 50 ms for each further piece.
    std::string Received(int firstByteMs = 1000);
    // One byte if one is there, without waiting.
    bool ReadByte(char& c);

private:
    int m_master = -1;
    std::string m_device;
};

// Holds a serial device open the way the programs do, so that they find it busy.
class PortHolder {
public:
    explicit PortHolder(const std::string& device);
    ~PortHolder();
    PortHolder(const PortHolder&) = delete;
    PortHolder& operator=(const PortHolder&) = delete;
    bool IsOpen() const;

private:
    struct Impl;
    Impl* m_impl;
};
