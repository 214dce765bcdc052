// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's identity texts. Their shipped values live in StringResources.cpp;
// the command line replaces some of them in the build's identity (DerivatLoad).
#include <string>
#include <string_view>

enum StringResourceId : int {
    IDS_FIRMWARE_VERSION = 130,
    IDS_DERIVAT_NAME = 131,
    IDS_COUNTRY = 132,
    IDS_PROP_CFG = 150,
    IDS_PROP_DIALNAME = 151,
    IDS_MIN_WIDTH = 160,
    IDS_MIN_HEIGHT = 161,
};

// The text of a resource; the empty text for an unknown id.
const std::string& LoadStringResource(int id);
