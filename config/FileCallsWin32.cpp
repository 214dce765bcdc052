// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileCalls.h"

#include "PathText.h"
#include "PlatformWin32.h"

#include <cerrno>
#include <cstring>
#include <windows.h>

namespace {

FileRead LastError()
{
    const DWORD code = ::GetLastError();
    const int errorNumber = ErrnoOfWin32Error(code);
    return {errorNumber == ENOENT ? ReadOutcome::Missing : ReadOutcome::Failed, errorNumber};
}

FileRead ReadOpenFile(HANDLE file, std::size_t maxBytes, std::string& bytes, bool regularOnly)
{
    const bool regular = ::GetFileType(file) == FILE_TYPE_DISK;
    if (regularOnly && !regular)
        return {ReadOutcome::NotAFile, 0};
    LARGE_INTEGER size{};
    if (regular && !::GetFileSizeEx(file, &size))
        return LastError();
    if (static_cast<unsigned long long>(size.QuadPart) > maxBytes)
        return {ReadOutcome::TooLarge, 0};
    bytes.reserve(static_cast<std::size_t>(size.QuadPart));
    char buffer[1 << 16];
    for (;;) {
        DWORD n = 0;
        if (!::ReadFile(file, buffer, sizeof buffer, &n, nullptr)) {
            // The writer of a pipe closing it is its end, not a failure.
            if (::GetLastError() == ERROR_BROKEN_PIPE)
                return {};
            return LastError();
        }
        if (n == 0)
            return {};
        // The file may grow while it is read.
        if (bytes.size() + n > maxBytes)
            return {ReadOutcome::TooLarge, 0};
        bytes.append(buffer, n);
    }
}

} // namespace

char FolderSeparator()
{
    return '\\';
}

std::string FolderOfFile(const std::string& path)
{
    const std::size_t separator = path.find_last_of("/\\");
    return separator == std::string::npos ? std::string() : path.substr(0, separator);
}

FileRead ReadFileCapped(const std::string& path, std::size_t maxBytes, std::string& bytes, bool regularOnly)
{
    bytes.clear();
    const std::wstring name = WideText(path);
    // Windows refuses to open a folder as a file with "access denied"; the
    // user is told what it is instead, as on Linux.
    const DWORD attributes = ::GetFileAttributesW(name.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return {ReadOutcome::Failed, EISDIR};
    const HANDLE file = ::CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return LastError();
    const FileRead read = ReadOpenFile(file, maxBytes, bytes, regularOnly);
    ::CloseHandle(file);
    return read;
}

bool MakeFolder(const std::string& path)
{
    if (::CreateDirectoryW(WideText(path).c_str(), nullptr))
        return true;
    errno = ErrnoOfWin32Error(::GetLastError());
    return false;
}

bool NameTaken(const std::string& path)
{
    return ::GetFileAttributesW(WideText(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

int RemoveFile(const std::string& path)
{
    return ::DeleteFileW(WideText(path).c_str()) ? 0 : ErrnoOfWin32Error(::GetLastError());
}

std::tm LocalCalendar(std::time_t secs)
{
    std::tm local{};
    ::localtime_s(&local, &secs);
    return local;
}

const char* PlatformErrorReason(int)
{
    return nullptr;
}

// The C library of Windows words its texts in English only.
std::string SystemErrorText(int errorNumber)
{
    const char* text = std::strerror(errorNumber);
    return text ? text : "Systemfehler " + std::to_string(errorNumber);
}
