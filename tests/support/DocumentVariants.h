// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Two full documents (configuration and 200 named phone-book entries) in
// which every field differs, all values valid for firmware 3.20 on the MV850.
class CData_All;

// variant 0 or 1; the phone book comes out sorted.
void FillDocumentVariant(CData_All& data, int variant);
