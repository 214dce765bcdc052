// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which fields of two documents differ, in the order the pages show them,
// each named as the windows name it and with both values in the words the
// windows use. Texts are Windows-1252 bytes.
#include <string>
#include <vector>

class CData_All;
struct CDerivat;

struct FieldDifference {
    std::string page;       // tab caption, e.g. "Allgemein"
    std::string entry;      // row of a list page ("Nr. 3", key "1a"); empty on the other pages
    std::string field;      // label of the field
    std::string thisValue;  // in the first document
    std::string otherValue; // in the second

    bool operator==(const FieldDifference&) const = default;
};

// Compares what the two documents would hold as files under the switches: the
// configuration when its part is switched on, the phone book when its part
// is. Both are taken as a save takes them, validated and with the phone
// book sorted, so documents equal after Validate compare equal. Neither
// argument changes.
std::vector<FieldDifference> CompareDocuments(const CData_All& first, const CData_All& second,
                                              const CDerivat& switches);

// One difference as a line: Page: Entry: Field: "this" -> "other", the entry
// left out where there is none.
std::string DifferenceLine(const FieldDifference& difference);
