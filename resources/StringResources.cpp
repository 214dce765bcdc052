// SPDX-License-Identifier: GPL-3.0-or-later
#include "StringResources.h"

#include <array>

namespace {

struct Entry {
    int id;
    const char* shipped;
    std::string current;
};

// The shipped values, kept together so that a rebrand touches one table.
std::array<Entry, 7> MakeTable()
{
    return {{
        {IDS_FIRMWARE_VERSION, "V3.20", {}},
        {IDS_DERIVAT_NAME, "VARONIK", {}},
        {IDS_COUNTRY, "GERMANY", {}},
        {IDS_PROP_CFG, "1", {}},
        {IDS_PROP_DIALNAME, "0", {}},
        {IDS_MIN_WIDTH, "560", {}},
        {IDS_MIN_HEIGHT, "390", {}},
    }};
}

std::array<Entry, 7>& Table()
{
    static std::array<Entry, 7> table = [] {
        auto t = MakeTable();
        for (auto& e : t)
            e.current = e.shipped;
        return t;
    }();
    return table;
}

Entry* Find(int id)
{
    for (auto& e : Table())
        if (e.id == id)
            return &e;
    return nullptr;
}

} // namespace

const std::string& LoadStringResource(int id)
{
    static const std::string empty;
    const Entry* e = Find(id);
    return e ? e->current : empty;
}

bool OverrideStringResource(int id, std::string_view value)
{
    Entry* e = Find(id);
    if (!e)
        return false;
    e->current.assign(value);
    return true;
}

void ResetStringResources()
{
    for (auto& e : Table())
        e.current = e.shipped;
}
