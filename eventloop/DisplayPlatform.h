// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What each system tells about the display a window would open on.
#include <string>

// Why no display is named, or "" when one may be there.
std::string WhyNoDisplayNamed();
// Why the display Qt failed to reach could not be reached.
std::string WhyDisplayUnreachable();
