// SPDX-License-Identifier: GPL-3.0-or-later
#include "UserPaths.h"

#include "CSio.h"
#include "ProfileFile.h"

std::string DeviceForPort(const std::string& profilePath, int n)
{
    CProfileFile profile;
    std::string error;
    profile.Load(profilePath, error);
    // Device paths may be longer than the 29 bytes a profile value gives;
    // GetString cuts, so the full line is looked up here.
    std::string device = profile.GetFullString("Ports", "COM" + std::to_string(n));
    return device.empty() ? DefaultDeviceForPort(n) : device;
}
