// SPDX-License-Identifier: GPL-3.0-or-later
#include "StringResources.h"

namespace {

struct Entry {
    int id;
    std::string text;
};

} // namespace

const std::string& LoadStringResource(int id)
{
    // The shipped values, kept together so that a rebrand touches one table.
    static const Entry table[] = {
        {IDS_FIRMWARE_VERSION, "V3.20"}, {IDS_DERIVAT_NAME, "VARONIK"}, {IDS_COUNTRY, "GERMANY"},
        {IDS_PROP_CFG, "1"},             {IDS_PROP_DIALNAME, "0"},      {IDS_MIN_WIDTH, "560"},
        {IDS_MIN_HEIGHT, "390"},
    };
    static const std::string empty;
    for (const Entry& e : table)
        if (e.id == id)
            return e.text;
    return empty;
}
