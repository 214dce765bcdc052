// SPDX-License-Identifier: GPL-3.0-or-later
// fwload's switches, its command line without a window, its profile and the device list.
#include "FwCliOptions.h"
#include "FwCommandLine.h"
#include "CSio.h"
#include "FwSettings.h"
#include "SerialDevices.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace {

FwCommandLine Parse(const char* line)
{
    return FwCommandLine::Parse(line);
}

bool ParseCli(std::vector<const char*> args, FwCliOptions& o, std::string& error)
{
    args.insert(args.begin(), "fwload");
    return ParseFwCliOptions(static_cast<int>(args.size()), args.data(), o, error);
}

} // namespace

TEST(FwCommandLine, PortIsOneDigitAndZeroMeansTen)
{
    EXPECT_EQ(Parse("/COM:0").commandPort, 10);
    EXPECT_EQ(Parse("/D /COM:3").commandPort, 3);
    EXPECT_EQ(Parse("/COM:12").error, "Der Schalter \"/COM:12\" nennt keinen Port: Nach /COM: steht genau eine "
                                      "Ziffer, 1 bis 9 oder 0 für COM 10.");
    EXPECT_NE(Parse("/D /COM:x").error, "");
    EXPECT_NE(Parse("/COM:").error, "");
}

TEST(FwCommandLine, AWordWithASlashMustBeASwitchAsWritten)
{
    for (const char* line : {"/D /d /4#8130562#2 /4#8130562#1 /6#5093817#3 /3#5093817#3", "/Production /production",
                             "/X:10 /Y:-5 /FILE:/data/Production/fw.hex", "x/dy Hallo -x 17"})
        EXPECT_EQ(Parse(line).error, "") << line;
    EXPECT_EQ(Parse("/D /Debug").error, "Unbekannter Schalter \"/Debug\".");
    EXPECT_EQ(Parse("/X:links").error, "Der Schalter \"/X:links\" braucht eine Zahl: die Position des Fensters in Pixeln.");
    EXPECT_EQ(Parse("/FILE:").error, "Nach /FILE: fehlt der Pfad der Intel-Hex-Datei.");
}

TEST(FwCommandLine, FileRunsToTheNextBlankAndItsSlashesAreNoSwitches)
{
    const FwCommandLine windows = Parse("/FILE:C:\\fw\\a.hex /D");
    EXPECT_EQ(windows.commandFile, "C:\\fw\\a.hex");
    EXPECT_TRUE(windows.debug);
    const FwCommandLine slashes = Parse("/FILE:/data/Production/fw.hex");
    EXPECT_EQ(slashes.commandFile, "/data/Production/fw.hex");
    EXPECT_FALSE(slashes.debug);
    EXPECT_FALSE(slashes.production);
}

TEST(FwCommandLine, PositionOnlyWithBothCoordinates)
{
    const FwCommandLine both = Parse("/Y:20 /X:10");
    EXPECT_TRUE(both.HasPosition());
    EXPECT_EQ(both.windowX, 10);
    EXPECT_EQ(both.windowY, 20);
    EXPECT_FALSE(Parse("/X:10").HasPosition());
}

TEST(FwCommandLine, SwitchesAreFoundAnywhereWithTheirCase)
{
    EXPECT_TRUE(Parse("x/dy").debug);
    EXPECT_TRUE(Parse("/4#8130562#2").skipHardwareChecks);
    EXPECT_TRUE(Parse("a/4#8130562#1").skipHardwareChecks);
    EXPECT_FALSE(Parse("/4#8130562#3").skipHardwareChecks);
    EXPECT_TRUE(Parse("/6#5093817#3").skipRevisionCheck);
    EXPECT_TRUE(Parse("/3#5093817#3").skipRevisionCheck);
    EXPECT_TRUE(Parse("/Production").production);
    EXPECT_TRUE(Parse("/production").production);
    EXPECT_FALSE(Parse("/PRODUCTION").production);

    const FwCommandLine none = Parse("Hallo Welt -x 17");
    EXPECT_FALSE(none.debug || none.skipHardwareChecks || none.skipRevisionCheck || none.production);
    EXPECT_EQ(none.commandPort, 0);
    EXPECT_FALSE(none.HasPosition());
    EXPECT_TRUE(none.commandFile.empty());

    const char* argv[] = {"fwload", "/COM:4", "/D"};
    EXPECT_EQ(FwCommandLine::Join(3, argv), "/COM:4 /D");
}

TEST(FwCliOptions, DevicePathsAreValuesAndSlashArgumentsAreSwitches)
{
    FwCliOptions o;
    std::string error;
    ASSERT_TRUE(ParseCli({"--cli", "--device", "/dev/ttyUSB0", "--file", "/data/a.hex", "/4#8130562#2", "--yes"}, o,
                         error))
        << error;
    EXPECT_EQ(o.device, "/dev/ttyUSB0");
    EXPECT_EQ(o.file, "/data/a.hex");
    EXPECT_TRUE(o.yes);
    EXPECT_TRUE(o.switches.skipHardwareChecks);
    EXPECT_FALSE(o.switches.debug);

    FwCliOptions fromSwitches;
    ASSERT_TRUE(ParseCli({"--cli", "/COM:0", "/FILE:b.hex"}, fromSwitches, error)) << error;
    EXPECT_EQ(fromSwitches.port, 10);
    EXPECT_EQ(fromSwitches.file, "b.hex");

    for (std::vector<const char*> bad : {std::vector<const char*>{"--cli"}, {"--cli", "--file"},
                                         {"--cli", "--file", "a.hex", "--port", "0"},
                                         {"--cli", "--file", "a.hex", "extra"}}) {
        FwCliOptions rejected;
        EXPECT_FALSE(ParseCli(bad, rejected, error)) << bad.size();
    }
    // Two names for the telephone's line are one too many.
    const struct { std::vector<const char*> args; const char* error; } twice[] = {
        {{"--device", "/dev/ttyUSB0", "--port", "3"}, "Bitte entweder --device oder --port angeben."},
        {{"--device", "a", "--device", "b", "--port", "3"},
         "Mehrere Telefone bitte entweder alle mit --device oder alle mit --port angeben."},
        {{"--device", "/dev/ttyUSB0", "/COM:3"}, "Bitte den Anschluss nur einmal angeben: mit --device oder mit /COM:."},
        {{"/COM:12"}, "Der Schalter \"/COM:12\" nennt keinen Port: Nach /COM: steht genau eine Ziffer, 1 bis 9 oder 0 "
                      "für COM 10."},
    };
    for (const auto& c : twice) {
        std::vector<const char*> args{"--cli", "--file", "a.hex"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        FwCliOptions rejected;
        EXPECT_FALSE(ParseCli(args, rejected, error));
        EXPECT_EQ(error, c.error);
    }
    const char* help[] = {"fwload", "/D", "--help"};
    EXPECT_TRUE(IsFwCliInvocation(3, help));
    EXPECT_FALSE(IsFwCliInvocation(2, help));
}

TEST(FwSettings, KeysWithTrailingBlanksAreWrittenOnceAndReadBack)
{
    TempDir dir;
    const FwSettings settings(dir.File("neu/fwload.ini")); // the folder does not exist yet
    EXPECT_EQ(settings.GetInt("Download", "Active ", -1), -1);
    ASSERT_TRUE(settings.WriteInt("Download", "Active ", 0));
    ASSERT_TRUE(settings.WriteInt("Download", "Active ", 1));
    ASSERT_TRUE(settings.WriteInt("Port", "COM ", 3));
    EXPECT_EQ(settings.GetInt("Download", "Active ", -1), 1);
    EXPECT_EQ(ReadFileBytes(settings.Path()), "[Download]\r\nActive =1\r\n[Port]\r\nCOM =3\r\n");

    EXPECT_EQ(settings.DeviceForPort(3), DefaultDeviceForPort(3));
    const std::string longName = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0";
    ASSERT_TRUE(settings.SetDeviceForPort(3, longName));
    EXPECT_EQ(settings.DeviceForPort(3), longName);
    EXPECT_EQ(settings.GetInt("Port", "COM ", 0), 3);
}

TEST(SerialDevices, ComPortsByNumberEachOnce)
{
    EXPECT_EQ(OrderComPorts({"COM10", "COM2", "COM1", "COM2", "COM3"}),
              (std::vector<std::string>{"COM1", "COM2", "COM3", "COM10"}));
}
