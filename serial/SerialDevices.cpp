// SPDX-License-Identifier: GPL-3.0-or-later
#include "SerialDevices.h"

#include <algorithm>
#include <cstdlib>

namespace {

long PortNumber(const std::string& name)
{
    return name.size() > 3 ? std::strtol(name.c_str() + 3, nullptr, 10) : 0;
}

} // namespace

std::vector<std::string> OrderComPorts(std::vector<std::string> ports)
{
    // COM2 before COM10.
    std::sort(ports.begin(), ports.end(), [](const std::string& a, const std::string& b) {
        const long na = PortNumber(a);
        const long nb = PortNumber(b);
        return na != nb ? na < nb : a < b;
    });
    ports.erase(std::unique(ports.begin(), ports.end()), ports.end());
    return ports;
}
