// SPDX-License-Identifier: GPL-3.0-or-later
#include "LineSettings.h"

#include <cerrno>
#include <cstdlib>
#include <string>

namespace {

bool SpeedForBaud(long baud, speed_t& speed)
{
    static constexpr struct {
        long baud;
        speed_t speed;
    } kRates[] = {
        {134, B134},       {150, B150},       {200, B200},       {300, B300},
        {600, B600},       {1200, B1200},     {1800, B1800},     {2400, B2400},
        {4800, B4800},     {9600, B9600},     {19200, B19200},   {38400, B38400},
        {57600, B57600},   {115200, B115200}, {230400, B230400}, {460800, B460800},
        {500000, B500000}, {576000, B576000}, {921600, B921600},
    };
    for (const auto& rate : kRates) {
        if (rate.baud == baud) {
            speed = rate.speed;
            return true;
        }
    }
    return false;
}

tcflag_t CharacterSize(int dataBits)
{
    switch (dataBits) {
    case 5: return CS5;
    case 6: return CS6;
    case 7: return CS7;
    default: return CS8;
    }
}

} // namespace

bool ParseLineSettings(std::string_view settings, LineSettings& out)
{
    const std::string text(settings); // strtol needs the terminating zero
    const char* start = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long baud = std::strtol(start, &end, 10);
    const std::size_t used = static_cast<std::size_t>(end - start);
    if (used < 3 || used > 7 || baud < 120)
        return false;
    // text[used] is the separator and is not examined.
    if (text.size() < used + 4)
        return false;
    const char dataBits = text[used + 1];
    const char parity = static_cast<char>(text[used + 2] & ~0x20); // ASCII upper case
    const char stopBits = text[used + 3];
    if (dataBits < '5' || dataBits > '8')
        return false;
    if (parity != 'N' && parity != 'O' && parity != 'E')
        return false;
    if (stopBits != '1' && stopBits != '2')
        return false;
    speed_t speed = B0;
    if (!SpeedForBaud(baud, speed))
        return false;
    out = {baud, speed, dataBits - '0', parity, stopBits - '0'};
    return true;
}

bool FillTermios(const LineSettings& settings, bool rtsCts, termios& t)
{
    cfmakeraw(&t);
    t.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY | INPCK);
    t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    t.c_cflag |= CLOCAL | CREAD | CharacterSize(settings.dataBits);
    if (settings.parity == 'O')
        t.c_cflag |= PARENB | PARODD;
    else if (settings.parity == 'E')
        t.c_cflag |= PARENB;
    if (settings.stopBits == 2)
        t.c_cflag |= CSTOPB;
    if (rtsCts)
        t.c_cflag |= CRTSCTS;
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    return cfsetispeed(&t, settings.speed) == 0 && cfsetospeed(&t, settings.speed) == 0;
}

int CharMicros(const LineSettings& settings)
{
    const long bitsPerChar = 1 + settings.dataBits + (settings.parity == 'N' ? 0 : 1) + settings.stopBits;
    return static_cast<int>(bitsPerChar * 1'000'000 / settings.baud);
}
