// SPDX-License-Identifier: GPL-3.0-or-later
// What a port makes of its settings and of a device that is not there, on
// every platform. The port on a device: test_serial_port_posix.cpp (pseudo-
// terminals) and test_serial_port_win32.cpp (a COM port under Wine).
#include "CSio.h"
#include "NoticeSink.h"
#include "PortErrorText.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(SerialSettings, TextsAcceptedAndRefused)
{
    CSio sio;
    for (const char* ok : {"9600,8N1", "9600,8N2", "9600,8n2", "115200,7e1", "9600;8O1 and more"})
        EXPECT_EQ(sio.SetParams(ok), 1) << ok;
    for (const char* bad : {"96,8N1", "100,8N1", "9600,9N1", "9600,8M1", "9600,8N3", "9600,8N", "",
                            "12345678,8N1", "120,8N1" /* valid text, a rate Linux has not */})
        EXPECT_EQ(sio.SetParams(bad), 0) << bad;
}

TEST(PortHints, OnlyAnUnnamedDefaultDeviceGetsTheListOfDevices)
{
    std::vector<std::string> present;
    for (int i = 0; i < 10; ++i)
        present.push_back("/dev/ttyS" + std::to_string(i));
    const std::string hint = UnnamedDeviceHint("bitte eines nennen.", present);
    EXPECT_NE(hint.find("bitte eines nennen. Vorhanden: /dev/ttyS0, "), std::string::npos) << hint;
    EXPECT_NE(hint.find("/dev/ttyS7 und 2 weitere."), std::string::npos) << hint;
    EXPECT_NE(UnnamedDeviceHint("x", {}).find("kein serielles Ger"), std::string::npos);

    CSio sio;
    NoticeSink sink;
    ASSERT_EQ(sio.SetParams("9600,8N1"), 1);
    sio.SetPortNumber(200); // /dev/ttyS199 or COM200: no such device
    ASSERT_EQ(sio.Open(&sink), 0);
    EXPECT_EQ(sio.LastOpenError(), CSio::OpenError::NotFound);
    EXPECT_EQ(sio.DevicePath(), DefaultDeviceForPort(200));
    const std::string reason = PortOpenFailureReason(sio, "bitte eines nennen.");
    EXPECT_EQ(reason.rfind("Das Gerät \"" + DefaultDeviceForPort(200) + "\" ist nicht vorhanden. ", 0), 0u) << reason;
    EXPECT_NE(reason.find("bitte eines nennen."), std::string::npos);
    EXPECT_EQ(PortOpenFailureReason(sio).find("Vorhanden"), std::string::npos);
    const TempDir dir;
    sio.SetDevicePath(dir.File("ttyUSB9")); // named by the user
    ASSERT_EQ(sio.Open(&sink), 0);
    EXPECT_EQ(PortOpenFailureReason(sio, "bitte eines nennen.").find("nennen"), std::string::npos);
}

} // namespace
