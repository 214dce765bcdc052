// SPDX-License-Identifier: GPL-3.0-or-later
#include "TermiosLine.h"

namespace {

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

bool FillTermios(const LineSettings& settings, bool rtsCts, termios& t)
{
    speed_t speed = B0;
    if (!SpeedForBaud(settings.baud, speed))
        return false;
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
    return cfsetispeed(&t, speed) == 0 && cfsetospeed(&t, speed) == 0;
}
