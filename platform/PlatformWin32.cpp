// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformWin32.h"

#include "PathText.h"

#include <cerrno>
#include <windows.h>

namespace {

struct ErrorPair {
    Win32Error code;
    int errorNumber;
};

constexpr ErrorPair kErrors[] = {
    {ERROR_FILE_NOT_FOUND, ENOENT},       {ERROR_PATH_NOT_FOUND, ENOENT},     {ERROR_INVALID_DRIVE, ENOENT},
    {ERROR_BAD_NETPATH, ENOENT},          {ERROR_BAD_PATHNAME, ENOENT},       {ERROR_ACCESS_DENIED, EACCES},
    {ERROR_SHARING_VIOLATION, EACCES},    {ERROR_LOCK_VIOLATION, EACCES},     {ERROR_DISK_FULL, ENOSPC},
    {ERROR_HANDLE_DISK_FULL, ENOSPC},     {ERROR_WRITE_PROTECT, EROFS},       {ERROR_FILENAME_EXCED_RANGE, ENAMETOOLONG},
    {ERROR_DIRECTORY, ENOTDIR},           {ERROR_TOO_MANY_OPEN_FILES, EMFILE}, {ERROR_BROKEN_PIPE, EPIPE},
    {ERROR_NO_DATA, EPIPE},               {ERROR_FILE_EXISTS, EEXIST},        {ERROR_ALREADY_EXISTS, EEXIST},
    {ERROR_NOT_ENOUGH_MEMORY, ENOMEM},    {ERROR_OUTOFMEMORY, ENOMEM},        {ERROR_INVALID_NAME, EINVAL},
    {ERROR_FILE_TOO_LARGE, EFBIG},        {ERROR_CRC, EIO},                   {ERROR_NOT_READY, EIO},
};

} // namespace

int ErrnoOfWin32Error(Win32Error code)
{
    for (const ErrorPair& pair : kErrors)
        if (pair.code == code)
            return pair.errorNumber;
    return EIO;
}

std::string Win32ErrorText(Win32Error code)
{
    wchar_t* text = nullptr;
    const DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    const DWORD length = ::FormatMessageW(flags, nullptr, code, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
                                          reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring wide(text ? text : L"", length);
    ::LocalFree(text);
    while (!wide.empty() && (wide.back() == L'\n' || wide.back() == L'\r' || wide.back() == L'.'))
        wide.pop_back();
    if (wide.empty())
        return "Systemfehler " + std::to_string(code);
    return Utf8Text(wide);
}
