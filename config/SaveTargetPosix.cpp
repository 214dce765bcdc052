// SPDX-License-Identifier: GPL-3.0-or-later
#include "SaveTarget.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kMaxLinks = 40; // as the kernel allows

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The folder to sync after a rename in it.
std::string FolderToSync(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Writes all bytes to fd; false with errno set.
bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
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


bool IsLink(const std::string& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

// The file a link leads to, when it is a regular one; in place otherwise
// (e.g. /proc/self/fd/1 of a deleted file, which has no name to replace).
SaveTarget ExistingRegular(const std::string& path)
{
    if (!IsLink(path))
        return {path};
    char* real = ::realpath(path.c_str(), nullptr);
    if (!real)
        return {path, true};
    std::string resolved(real);
    std::free(real);
    struct stat st {};
    if (::lstat(resolved.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return {path, true};
    return {resolved};
}

// Follows links that lead nowhere to the free name at their end.
SaveTarget FreeName(std::string path)
{
    for (int hops = 0; hops < kMaxLinks && IsLink(path); ++hops) {
        char link[PATH_MAX];
        const ssize_t n = ::readlink(path.c_str(), link, sizeof link - 1);
        if (n < 0)
            return {path, false, errno};
        const std::string target(link, static_cast<std::size_t>(n));
        path = !target.empty() && target.front() == '/' ? target : FolderOf(path) + target;
    }
    if (IsLink(path))
        return {path, false, ELOOP};
    return {path};
}

// A reader that goes away must end the write with EPIPE, not the program.
class PipeSignalBlock {
public:
    PipeSignalBlock()
    {
        sigemptyset(&m_pipe);
        sigaddset(&m_pipe, SIGPIPE);
        sigset_t pending;
        m_wasPending = sigpending(&pending) == 0 && sigismember(&pending, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &m_pipe, &m_old);
    }
    ~PipeSignalBlock()
    {
        const timespec none{};
        if (!m_wasPending)
            while (sigtimedwait(&m_pipe, nullptr, &none) == SIGPIPE) {
            }
        pthread_sigmask(SIG_SETMASK, &m_old, nullptr);
    }
    PipeSignalBlock(const PipeSignalBlock&) = delete;
    PipeSignalBlock& operator=(const PipeSignalBlock&) = delete;

private:
    sigset_t m_pipe;
    sigset_t m_old;
    bool m_wasPending = false;
};

} // namespace

SaveTarget ResolveSaveTarget(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return errno == ENOENT ? FreeName(path) : SaveTarget{path, false, errno};
    if (S_ISDIR(st.st_mode))
        return {path, false, EISDIR};
    if (!S_ISREG(st.st_mode))
        return {path, true};
    return ExistingRegular(path);
}

bool IsFileWithContent(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0;
}

bool SameRegularFile(const std::string& a, const std::string& b)
{
    struct stat sa {};
    struct stat sb {};
    if (::stat(a.c_str(), &sa) != 0)
        return errno == ENOENT && a == b;
    return ::stat(b.c_str(), &sb) == 0 && S_ISREG(sa.st_mode) && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

int WriteInPlace(const std::string& path, std::string_view bytes)
{
    // Without O_NONBLOCK a pipe nobody reads would hold the program until
    // someone does; the writes themselves wait as usual.
    const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    int failure = 0;
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        failure = errno;
    } else {
        PipeSignalBlock block;
        if (!WriteAll(fd, bytes))
            failure = errno;
    }
    if (::close(fd) != 0 && failure == 0 && errno != EINTR)
        failure = errno;
    return failure;
}

int ReplaceWholeFile(const std::string& target, std::string_view bytes)
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
    SyncFolder(FolderToSync(target));
    return 0;
}

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
