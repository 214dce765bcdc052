// SPDX-License-Identifier: GPL-3.0-or-later
#include "SaveTarget.h"

#include "PathText.h"
#include "PlatformWin32.h"

#include <algorithm>
#include <cerrno>
#include <random>
#include <windows.h>

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

int LastErrno()
{
    return ErrnoOfWin32Error(::GetLastError());
}

bool IsMissing(DWORD code)
{
    return code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND;
}

// A handle that only asks about the file, never for its content.
class QueryHandle {
public:
    explicit QueryHandle(const std::string& path)
        : m_handle(::CreateFileW(WideText(path).c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING,
                                 FILE_FLAG_BACKUP_SEMANTICS, nullptr))
    {
    }
    ~QueryHandle()
    {
        if (Valid())
            ::CloseHandle(m_handle);
    }
    QueryHandle(const QueryHandle&) = delete;
    QueryHandle& operator=(const QueryHandle&) = delete;
    bool Valid() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return m_handle; }

private:
    HANDLE m_handle;
};

// The file a link leads to: the link stays, as on Linux.
std::string FinalPath(const QueryHandle& file, const std::string& path)
{
    wchar_t buffer[MAX_PATH * 4];
    const DWORD length = ::GetFinalPathNameByHandleW(file.Get(), buffer, MAX_PATH * 4, FILE_NAME_NORMALIZED);
    if (length == 0 || length >= MAX_PATH * 4)
        return path;
    std::wstring wide(buffer, length);
    if (wide.starts_with(L"\\\\?\\UNC\\"))
        wide = L"\\\\" + wide.substr(8);
    else if (wide.starts_with(L"\\\\?\\"))
        wide = wide.substr(4);
    return Utf8Text(wide);
}

// "<folder>.<name>.<random>": beside the target, so that the move never
// crosses volumes; the leading dot as on Linux.
std::string TempName(const std::string& target)
{
    static thread_local std::mt19937 random{std::random_device{}()};
    const std::size_t slash = target.find_last_of("/\\");
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    return target.substr(0, nameStart) + "." + target.substr(nameStart) + "." + std::to_string(random() % 1000000);
}

// A new temporary file, or INVALID_HANDLE_VALUE with the last error set.
HANDLE CreateTemp(const std::string& target, std::string& temp, DWORD flags)
{
    for (int tries = 0; tries < 100; ++tries) {
        temp = TempName(target);
        const HANDLE file =
            ::CreateFileW(WideText(temp).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, flags, nullptr);
        if (file != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS)
            return file;
    }
    return INVALID_HANDLE_VALUE;
}

bool WriteAll(HANDLE file, std::string_view bytes)
{
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr))
            return false;
        if (written == 0) {
            ::SetLastError(ERROR_DISK_FULL);
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

// A read-only file cannot be replaced on Windows, unlike on Linux, where
// the folder's permission decides. Wine would replace it all the same, so
// the attribute is looked at here rather than left to the move.
int ReadOnlyBlocker(const std::string& path)
{
    const DWORD attributes = ::GetFileAttributesW(WideText(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) ? EACCES : 0;
}

} // namespace

SaveTarget ResolveSaveTarget(const std::string& path)
{
    const DWORD attributes = ::GetFileAttributesW(WideText(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD code = ::GetLastError();
        return IsMissing(code) ? SaveTarget{path} : SaveTarget{path, false, ErrnoOfWin32Error(code)};
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return {path, false, EISDIR};
    const QueryHandle file(path);
    if (!file.Valid())
        return {path};
    // Devices ("NUL", "COM1") and pipes are written in place.
    if (::GetFileType(file.Get()) != FILE_TYPE_DISK)
        return {path, true};
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return {FinalPath(file, path)};
    return {path};
}

bool IsFileWithContent(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(WideText(path).c_str(), GetFileExInfoStandard, &data))
        return false;
    return !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && (data.nFileSizeHigh != 0 || data.nFileSizeLow != 0);
}

bool SameRegularFile(const std::string& a, const std::string& b)
{
    const QueryHandle first(a);
    if (!first.Valid())
        return IsMissing(::GetLastError()) && a == b;
    const QueryHandle second(b);
    BY_HANDLE_FILE_INFORMATION ia{};
    BY_HANDLE_FILE_INFORMATION ib{};
    if (!second.Valid() || !::GetFileInformationByHandle(first.Get(), &ia) ||
        !::GetFileInformationByHandle(second.Get(), &ib))
        return false;
    return ::GetFileType(first.Get()) == FILE_TYPE_DISK && !(ia.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
           ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber && ia.nFileIndexHigh == ib.nFileIndexHigh &&
           ia.nFileIndexLow == ib.nFileIndexLow;
}

int WriteInPlace(const std::string& path, std::string_view bytes)
{
    const HANDLE file = ::CreateFileW(WideText(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return LastErrno();
    const int failure = WriteAll(file, bytes) ? 0 : LastErrno();
    ::CloseHandle(file);
    return failure;
}

// Write-through, so that the new name never stands for a file whose content
// is still in the cache when the power goes.
int ReplaceWholeFile(const std::string& target, std::string_view bytes)
{
    if (const int readOnly = ReadOnlyBlocker(target))
        return readOnly;
    std::string temp;
    const HANDLE file = CreateTemp(target, temp, FILE_ATTRIBUTE_NORMAL);
    if (file == INVALID_HANDLE_VALUE)
        return LastErrno();
    int failure = WriteAll(file, bytes) && ::FlushFileBuffers(file) ? 0 : LastErrno();
    ::CloseHandle(file);
    if (failure == 0 && !::MoveFileExW(WideText(temp).c_str(), WideText(target).c_str(),
                                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        failure = LastErrno();
    if (failure != 0)
        ::DeleteFileW(WideText(temp).c_str());
    return failure;
}

int SaveBlocker(const SaveTarget& target)
{
    if (target.error != 0)
        return target.error;
    if (target.inPlace) {
        const HANDLE file = ::CreateFileW(WideText(target.path).c_str(), GENERIC_WRITE,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return LastErrno();
        ::CloseHandle(file);
        return 0;
    }
    if (const int readOnly = ReadOnlyBlocker(target.path))
        return readOnly;
    std::string temp;
    const HANDLE file = CreateTemp(target.path, temp, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE);
    if (file == INVALID_HANDLE_VALUE)
        return LastErrno();
    ::CloseHandle(file);
    return 0;
}
