// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The serial devices present on this computer, for choosing the device behind a port.
#include <string>
#include <vector>

// Linux: /dev/serial/by-id/* (names that stay the same when an adapter is
// plugged in elsewhere) first, then /dev/ttyUSB*, /dev/ttyACM* and
// /dev/ttyS* below devRoot, each in the order of their numbers.
// Windows: the COM ports the serial drivers have registered, in the order of
// their numbers ("COM2" before "COM10"); devRoot has no meaning there.
std::vector<std::string> PresentSerialDevices(const std::string& devRoot = "/dev");

// COM port names ("COM10") in the order of their numbers, each once.
std::vector<std::string> OrderComPorts(std::vector<std::string> ports);
