// SPDX-License-Identifier: GPL-3.0-or-later
#include "CData.h"

std::string CData::GetColumnText(int column) const
{
    return "Inf " + std::to_string(column);
}
