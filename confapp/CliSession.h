// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What one command-line run works on: the application's data sets and its document.
#include "CData_All.h"
#include "CQ410CfDoc.h"

#include <ostream>
#include <string>

struct Session {
    explicit Session(const BuildIdentity& identity) : doc(data, saved, identity) {}

    CData_All data;
    CData_All saved;
    CData_All transfer;
    CQ410CfDoc doc;
};

inline constexpr int kExitOk = 0;
inline constexpr int kExitTransferFailed = 1;
inline constexpr int kExitDifferent = 1; // --compare: the documents differ
inline constexpr int kExitError = 2;

inline int Fail(std::ostream& err, const std::string& message, int status = kExitError)
{
    err << "mvconf: " << message << "\n";
    return status;
}
