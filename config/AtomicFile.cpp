// SPDX-License-Identifier: GPL-3.0-or-later
#include "AtomicFile.h"

#include "FileErrorText.h"
#include "SaveTarget.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view kSaving = "gespeichert werden";
constexpr std::string_view kReading = "gelesen werden";

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Same folder as the target, so that the final rename cannot cross file
// systems; hidden, so that file dialogs do not offer a half-written file.
std::string TempPattern(const std::string& target)
{
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    return folder + "." + target.substr(slash + 1) + ".XXXXXX";
}

// umask() can only be read by changing it, which would race with other
// threads creating files; the kernel reports it without that.
mode_t CurrentUmask()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("Umask:", 0) == 0)
            return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

// mkstemp creates the file with mode 0600; give it what the user would get
// from an ordinary save: the old file's owner and mode, or the umask's mode.
bool CopyPermissions(int fd, const std::string& target)
{
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0)
        return ::fchmod(fd, 0666 & ~CurrentUmask()) == 0;
    // Only root may hand the file to another owner, and others may keep only
    // their own groups; when that is refused the file is simply ours.
    if (::fchown(fd, st.st_uid, st.st_gid) != 0 && errno != EPERM && errno != EINVAL)
        return false;
    return ::fchmod(fd, st.st_mode & 07777) == 0;
}

// 0, or the errno value of the step that failed.
int FillTemp(int fd, const std::string& target, std::string_view bytes)
{
    if (!CopyPermissions(fd, target) || !WriteAll(fd, bytes) || ::fsync(fd) != 0)
        return errno;
    return 0;
}

// Makes the rename itself survive a crash. The new content is complete
// either way, so a failure here is not reported.
void SyncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

std::string SizeText(std::size_t bytes)
{
    constexpr std::size_t mebibyte = 1u << 20;
    if (bytes >= mebibyte && bytes % mebibyte == 0)
        return std::to_string(bytes / mebibyte) + " MiB";
    return std::to_string(bytes) + " Bytes";
}

std::string TooLarge(std::size_t maxBytes)
{
    return "sie ist zu groß (mehr als " + SizeText(maxBytes) + ")";
}

// Reads fd to its end; the empty text, or why it failed.
std::string ReadOpenFile(int fd, std::string& bytes, std::size_t maxBytes)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return FileErrorReason(errno);
    if (S_ISDIR(st.st_mode))
        return FileErrorReason(EISDIR);
    if (static_cast<unsigned long long>(st.st_size) > maxBytes)
        return TooLarge(maxBytes);
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return FileErrorReason(errno);
        if (n == 0)
            return {};
        // The file may grow while it is read.
        if (bytes.size() + static_cast<std::size_t>(n) > maxBytes)
            return TooLarge(maxBytes);
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
}

// Temporary file, then rename; 0 or the errno value of the step that failed.
int ReplaceFile(const std::string& target, std::string_view bytes)
{
    std::string temp = TempPattern(target);
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return errno;
    int failure = FillTemp(fd, target, bytes);
    if (::close(fd) != 0 && failure == 0)
        failure = errno;
    if (failure == 0 && ::rename(temp.c_str(), target.c_str()) != 0)
        failure = errno;
    if (failure != 0) {
        ::unlink(temp.c_str());
        return failure;
    }
    SyncFolder(FolderOf(target));
    return 0;
}

// 0 when a save could go ahead now, or the errno value that would stop it.
int SaveBlocker(const SaveTarget& target)
{
    if (target.error != 0)
        return target.error;
    if (target.inPlace)
        return ::access(target.path.c_str(), W_OK) == 0 ? 0 : errno;
    std::string temp = TempPattern(target.path);
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return errno;
    ::close(fd);
    ::unlink(temp.c_str());
    return 0;
}

} // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& error)
{
    const SaveTarget target = ResolveSaveTarget(path);
    int failure = target.error;
    if (failure == 0)
        failure = target.inPlace ? WriteInPlace(target.path, bytes) : ReplaceFile(target.path, bytes);
    if (failure != 0) {
        error = FileErrorMessage(path, kSaving, FileErrorReason(failure));
        return false;
    }
    error.clear();
    return true;
}

bool CheckSavable(const std::string& path, std::string& error)
{
    const int failure = SaveBlocker(ResolveSaveTarget(path));
    if (failure != 0) {
        error = FileErrorMessage(path, kSaving, FileErrorReason(failure));
        return false;
    }
    error.clear();
    return true;
}

ReadStatus ReadWholeFile(const std::string& path, std::string& bytes, std::string& error, std::size_t maxBytes)
{
    bytes.clear();
    error.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT)
        return ReadStatus::Missing;
    std::string reason;
    if (fd < 0) {
        reason = FileErrorReason(errno);
    } else {
        reason = ReadOpenFile(fd, bytes, maxBytes);
        ::close(fd);
    }
    if (reason.empty())
        return ReadStatus::Read;
    bytes.clear();
    error = FileErrorMessage(path, kReading, reason);
    return ReadStatus::Failed;
}
