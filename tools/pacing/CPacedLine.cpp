// SPDX-License-Identifier: GPL-3.0-or-later
#include "CPacedLine.h"

#include <algorithm>

std::optional<CPacedLine::Time> CPacedLine::NextEvent() const
{
    const std::optional<Time> in = m_fromPc.NextArrival();
    const std::optional<Time> out = m_toPc.NextArrival();
    if (in && out)
        return std::min(*in, *out);
    return in ? in : out;
}

void CPacedLine::Clear()
{
    m_fromPc.Clear();
    m_toPc.Clear();
}
