// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Why a serial port could not be opened or lost its device, and what the user can do about it (UTF-8).
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

class CSio;

// Why an open port stopped serving: its device went away. One wording for
// every program and every telephone, however the loss showed.
inline constexpr const char* kDeviceGoneReason = "Das Gerät ist nicht mehr da (Adapter abgezogen oder Kabel getrennt?).";

// howToName says, in the caller's words, how the user names the device of
// a port (an option, a menu command). When it is given and the port fell
// back to its default device, which could not be opened, the reason adds it
// and the serial devices present. Leave it empty when the user named the
// device himself.
std::string PortOpenFailureReason(const CSio& sio, std::string_view howToName = {});

// howToName of the command lines: the option, or the key of the profile.
std::string HowToNameDeviceOnCommandLine(std::string_view profilePath, int port);

// The hint for a default device that could not be opened: how to name
// another one and which ones there are (the first few; stable names first).
std::string UnnamedDeviceHint(std::string_view howToName, const std::vector<std::string>& present);

// The platform's words for a port that another program holds and for one
// the user may not open (PortErrorTextPosix.cpp, PortErrorTextWin32.cpp):
// their causes and cures differ between the systems.
std::string BusyReason(const std::string& device);
std::string NoAccessReason(const std::string& device);

// Linux: what to do about a device the user may not open: join its group
// when the group may read and write it, otherwise give the device to a group first.
std::string PermissionHint(mode_t mode, const std::string& owner, const std::string& group);
