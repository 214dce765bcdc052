// SPDX-License-Identifier: GPL-3.0-or-later
#include "SerialDevices.h"

#include "PathText.h"

#include <windows.h>

namespace {

// Each serial driver enters its ports here: "\Device\Serial0" = "COM1".
constexpr wchar_t kSerialComm[] = L"HARDWARE\\DEVICEMAP\\SERIALCOMM";

std::vector<std::string> RegisteredPorts()
{
    std::vector<std::string> ports;
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kSerialComm, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return ports;
    for (DWORD index = 0;; ++index) {
        wchar_t name[256];
        wchar_t data[64];
        DWORD nameLength = static_cast<DWORD>(std::size(name));
        DWORD dataBytes = sizeof data - sizeof(wchar_t);
        DWORD type = 0;
        const LONG result = ::RegEnumValueW(key, index, name, &nameLength, nullptr, &type,
                                            reinterpret_cast<BYTE*>(data), &dataBytes);
        if (result == ERROR_NO_MORE_ITEMS)
            break;
        if (result != ERROR_SUCCESS || type != REG_SZ)
            continue;
        data[dataBytes / sizeof(wchar_t)] = L'\0';
        const std::string port = Utf8Text(data);
        if (port.size() > 3 && port.compare(0, 3, "COM") == 0)
            ports.push_back(port);
    }
    ::RegCloseKey(key);
    return ports;
}

} // namespace

std::vector<std::string> PresentSerialDevices(const std::string&)
{
    return OrderComPorts(RegisteredPorts());
}
