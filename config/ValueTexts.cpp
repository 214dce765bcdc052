// SPDX-License-Identifier: GPL-3.0-or-later
#include "ValueTexts.h"

namespace ValueTexts {

std::string Choice(std::span<const char* const> texts, int value)
{
    if (value >= 0 && static_cast<std::size_t>(value) < texts.size())
        return texts[static_cast<std::size_t>(value)];
    return std::to_string(value);
}

std::string Melody(int melody)
{
    return "Melodie " + std::to_string(melody + 1);
}

std::string MelodyExt(int melodyExt)
{
    if (melodyExt == 0)
        return "Standard";
    if (melodyExt == 1)
        return "Sonderton";
    return Melody(melodyExt - 2);
}

std::string Volume(int level, int max)
{
    return "Stufe " + std::to_string(level) + " von " + std::to_string(max);
}

const char* OnOff(int flag)
{
    return flag == 1 ? "Ein" : "Aus";
}

int PabxTypeButton(const std::string& code)
{
    return code == "0" || code == "00" ? 0 : 1;
}

std::string PabxType(const std::string& code)
{
    return std::string(kPabxType[static_cast<std::size_t>(PabxTypeButton(code))]) + " (" + code + ")";
}

std::string Team(const std::string& team)
{
    return team.empty() ? kAllTeams : team;
}

} // namespace ValueTexts
