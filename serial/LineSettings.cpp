// SPDX-License-Identifier: GPL-3.0-or-later
#include "LineSettings.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <iterator>
#include <string>

namespace {

// The rates termios has a speed for; a Windows driver takes any number, but
// a document that sets another one would not work on Linux.
constexpr long kRates[] = {134,   150,   200,    300,    600,    1200,   1800,   2400,   4800,   9600,
                           19200, 38400, 57600,  115200, 230400, 460800, 500000, 576000, 921600};

bool KnownRate(long baud)
{
    return std::find(std::begin(kRates), std::end(kRates), baud) != std::end(kRates);
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
    if (!KnownRate(baud))
        return false;
    out = {baud, dataBits - '0', parity, stopBits - '0'};
    return true;
}

int CharMicros(const LineSettings& settings)
{
    const long bitsPerChar = 1 + settings.dataBits + (settings.parity == 'N' ? 0 : 1) + settings.stopBits;
    return static_cast<int>(bitsPerChar * 1'000'000 / settings.baud);
}
