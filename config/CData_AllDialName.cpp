// SPDX-License-Identifier: GPL-3.0-or-later
#include "CData_AllDialName.h"

#include "Trace.h"

#include <algorithm>
#include <vector>

namespace {

struct Payload {
    std::string Name;
    std::string Msn;
    int Loud;
    int MelodyExt;
};

unsigned char Fold(unsigned char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

// Only A to Z are folded, every other byte compares by its value, so
// umlauts sort after "z" as the telephone's own list does.
bool NameBefore(const std::string& a, const std::string& b)
{
    if (a.empty() || b.empty())
        return !a.empty() && b.empty();
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return Fold(static_cast<unsigned char>(x)) < Fold(static_cast<unsigned char>(y));
    });
}

} // namespace

CData_AllDialName::CData_AllDialName() : CData("AllDialName")
{
    int n = 1;
    for (auto& e : entry)
        e.SetIndex(n++);
}

bool CData_AllDialName::MoveFile(CProfileFile& file, bool write, const CodecRules& rules)
{
    TraceLine("CData_AllDialName", "MoveFile()");
    for (auto& e : entry)
        e.MoveFile(file, write, rules);
    return true;
}

bool CData_AllDialName::operator==(const CData_AllDialName& o) const
{
    TraceLine("CData_AllDialName", "operator==()");
    return CData::operator==(o) && entry == o.entry;
}

bool CData_AllDialName::operator!=(const CData_AllDialName& o) const
{
    TraceLine("CData_AllDialName", "operator!=()");
    return !(*this == o);
}

bool CData_AllDialName::IsSorted() const
{
    return std::is_sorted(entry.begin(), entry.end(),
                          [](const CData_DialName& a, const CData_DialName& b) { return NameBefore(a.Name, b.Name); });
}

void CData_AllDialName::Sort()
{
    TraceLine("CData_AllDialName", "Sort()");
    std::vector<Payload> items;
    items.reserve(entry.size());
    for (auto& e : entry)
        items.push_back({std::move(e.Name), std::move(e.Msn), e.Loud, e.MelodyExt});
    std::stable_sort(items.begin(), items.end(),
                     [](const Payload& a, const Payload& b) { return NameBefore(a.Name, b.Name); });
    for (std::size_t i = 0; i < entry.size(); ++i) {
        entry[i].Name = std::move(items[i].Name);
        entry[i].Msn = std::move(items[i].Msn);
        entry[i].Loud = items[i].Loud;
        entry[i].MelodyExt = items[i].MelodyExt;
    }
}
