// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the link protocol needs of a serial port: non-blocking reads of what
// is queued and writes that take what they can.
class ISerialPort {
public:
    virtual ~ISerialPort() = default;
    // Up to max bytes that are waiting; 0 when none (never blocks).
    virtual int Read(unsigned char* buffer, int max) = 0;
    // The number of bytes taken, 0 when the port cannot take any now.
    virtual int Write(const unsigned char* bytes, int len) = 0;
};
