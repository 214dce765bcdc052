// SPDX-License-Identifier: GPL-3.0-or-later
// A firmware file name that Linux lets a pipe have.
#include "CChangeToIntel.h"
#include "FirmwareFile.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <utility>

TEST(LoadFirmware, APipeIsNoFirmwareAndIsNotWaitedFor)
{
    TempDir dir;
    const std::string pipe = dir.File("pipe.hex");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0); // nobody writes: opening must not wait
    CChangeToIntel image;
    FirmwareIdentity identity;
    const FirmwareLoadResult result = LoadFirmware(pipe, image, identity);
    EXPECT_EQ(std::pair(result.textId, result.captionId), std::pair(61204, 61204));
    EXPECT_EQ(result.detail, "Die Datei \"" + pipe + "\" kann nicht gelesen werden: das ist keine gewöhnliche Datei."
                             "\nBitte geben Sie eine lesbare Intel-Hex-Datei an.");
}
