// SPDX-License-Identifier: GPL-3.0-or-later
// The serial devices as Linux names them below /dev.
#include "SerialDevices.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

TEST(SerialDevices, StableNamesFirstThenEachKindByNumber)
{
    TempDir dev;
    std::filesystem::create_directories(dev.File("serial/by-id"));
    for (const char* name : {"ttyS10", "ttyS2", "ttyACM0", "ttyUSB1", "tty0", "serial/by-id/usb-adapter"})
        WriteFileBytes(dev.File(name), "");
    const std::vector<std::string> expected = {dev.File("serial/by-id/usb-adapter"), dev.File("ttyUSB1"),
                                               dev.File("ttyACM0"), dev.File("ttyS2"), dev.File("ttyS10")};
    EXPECT_EQ(PresentSerialDevices(dev.Path()), expected);
}
