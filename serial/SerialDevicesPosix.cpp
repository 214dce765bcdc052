// SPDX-License-Identifier: GPL-3.0-or-later
#include "SerialDevices.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

std::vector<std::string> Entries(const fs::path& folder, const std::string& prefix)
{
    std::vector<std::string> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.starts_with(prefix))
            found.push_back(it->path().string());
    }
    return found;
}

// ttyS2 before ttyS10.
void SortByNumber(std::vector<std::string>& paths, std::size_t prefixLength)
{
    const auto number = [prefixLength](const std::string& path) {
        return std::strtol(path.c_str() + path.rfind('/') + 1 + prefixLength, nullptr, 10);
    };
    std::sort(paths.begin(), paths.end(), [&number](const std::string& a, const std::string& b) {
        const long na = number(a);
        const long nb = number(b);
        return na != nb ? na < nb : a < b;
    });
}

} // namespace

std::vector<std::string> PresentSerialDevices(const std::string& devRoot)
{
    std::vector<std::string> all = Entries(fs::path(devRoot) / "serial" / "by-id", "");
    std::sort(all.begin(), all.end());
    for (const char* prefix : {"ttyUSB", "ttyACM", "ttyS"}) {
        std::vector<std::string> group = Entries(devRoot, prefix);
        SortByNumber(group, std::char_traits<char>::length(prefix));
        all.insert(all.end(), group.begin(), group.end());
    }
    return all;
}
