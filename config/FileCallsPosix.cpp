// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileCalls.h"

#include <cerrno>
#include <clocale>
#include <cstring>
#include <fcntl.h>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileRead ReadOpenFile(int fd, std::size_t maxBytes, std::string& bytes, bool regularOnly)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return {ReadOutcome::Failed, errno};
    if (S_ISDIR(st.st_mode))
        return {ReadOutcome::Failed, EISDIR};
    if (regularOnly && !S_ISREG(st.st_mode))
        return {ReadOutcome::NotAFile, 0};
    if (static_cast<unsigned long long>(st.st_size) > maxBytes)
        return {ReadOutcome::TooLarge, 0};
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return {ReadOutcome::Failed, errno};
        if (n == 0)
            return {};
        // The file may grow while it is read.
        if (bytes.size() + static_cast<std::size_t>(n) > maxBytes)
            return {ReadOutcome::TooLarge, 0};
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
}

} // namespace

char FolderSeparator()
{
    return '/';
}

std::string FolderOfFile(const std::string& path)
{
    const std::size_t separator = path.find_last_of("/");
    return separator == std::string::npos ? std::string() : path.substr(0, separator);
}

FileRead ReadFileCapped(const std::string& path, std::size_t maxBytes, std::string& bytes, bool regularOnly)
{
    bytes.clear();
    // Without blocking on a pipe or a device that merely has the file's name.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | (regularOnly ? O_NONBLOCK : 0));
    if (fd < 0)
        return {errno == ENOENT ? ReadOutcome::Missing : ReadOutcome::Failed, errno};
    const FileRead read = ReadOpenFile(fd, maxBytes, bytes, regularOnly);
    ::close(fd);
    return read;
}

bool MakeFolder(const std::string& path)
{
    return ::mkdir(path.c_str(), 0700) == 0;
}

bool NameTaken(const std::string& path)
{
    return ::access(path.c_str(), F_OK) == 0;
}

int RemoveFile(const std::string& path)
{
    return ::unlink(path.c_str()) == 0 ? 0 : errno;
}

std::tm LocalCalendar(std::time_t secs)
{
    std::tm local{};
    localtime_r(&secs, &local);
    return local;
}

const char* PlatformErrorReason(int errorNumber)
{
    return errorNumber == EDQUOT ? "Speicherkontingent überschritten" : nullptr;
}

// In the "C" locale, which is plain ASCII whatever the user's locale is.
std::string SystemErrorText(int errorNumber)
{
    static const locale_t plain = ::newlocale(LC_ALL_MASK, "C", locale_t{});
    if (plain)
        return ::strerror_l(errorNumber, plain);
    return "Systemfehler " + std::to_string(errorNumber);
}
