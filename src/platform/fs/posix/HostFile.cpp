#include "platform/fs/posix/HostFile.h"

#include <atomic>
#include <cerrno>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace decalia::fs::detail {
namespace {

namespace stdfs = std::filesystem;

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Opens a new, uniquely named file in the target's folder; hidden so that
// listings of the folder's patterns never pick it up.
int CreateSibling(const std::string& target, std::string& tempPath) {
    static std::atomic<unsigned> counter{0};
    const std::string stem = FolderOf(target) + "/." + BaseNameOf(target).substr(0, 200) + ".tmp" +
                             std::to_string(getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = stem + std::to_string(counter++);
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Links are followed so that the file they point at is replaced, not the link.
std::optional<std::string> RealTarget(const std::string& target) {
    std::error_code error;
    if (!stdfs::is_symlink(stdfs::symlink_status(target, error))) return target;
    auto real = stdfs::canonical(target, error);
    if (error) return std::nullopt;
    return real.string();
}

bool FillAndClose(int fd, std::optional<mode_t> mode, const std::optional<struct stat>& old,
                  const std::function<bool(int)>& fill, bool flush) {
    bool ok = fill(fd);
    if (old) {
        // Only root may hand the file to another owner; others keep their own.
        [[maybe_unused]] const int ignored = ::fchown(fd, old->st_uid, old->st_gid);
    }
    if (ok && mode) ok = ::fchmod(fd, *mode) == 0;
    if (ok && flush) ok = ::fsync(fd) == 0;
    return (::close(fd) == 0) && ok;
}

}  // namespace

std::filesystem::file_status StatusOf(const std::string& hostPath) {
    std::error_code error;
    return stdfs::status(hostPath, error);
}

bool Exists(const std::string& hostPath) {
    std::error_code error;
    return stdfs::exists(stdfs::symlink_status(hostPath, error));
}

bool IsReadOnly(const std::filesystem::file_status& status) {
    return (status.permissions() & stdfs::perms::owner_write) == stdfs::perms::none;
}

mode_t ModeOf(const std::filesystem::file_status& status) {
    return static_cast<mode_t>(status.permissions() & stdfs::perms::mask);
}

bool WriteFully(int fd, std::string_view bytes, std::optional<off_t> offset) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const char* from = bytes.data() + done;
        const std::size_t left = bytes.size() - done;
        const ssize_t written =
            offset ? ::pwrite(fd, from, left, *offset + static_cast<off_t>(done))
                   : ::write(fd, from, left);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

bool ReplaceAtomically(const std::string& target, std::optional<mode_t> mode,
                       const std::function<bool(int fd)>& fill, bool flush) {
    const auto real = RealTarget(target);
    if (!real) return false;
    struct stat oldStat {};
    std::optional<struct stat> old;
    if (::stat(real->c_str(), &oldStat) == 0) old = oldStat;

    std::string tempPath;
    const int fd = CreateSibling(*real, tempPath);
    if (fd < 0) return false;
    if (FillAndClose(fd, mode, old, fill, flush) && ::rename(tempPath.c_str(), real->c_str()) == 0) {
        return true;
    }
    ::unlink(tempPath.c_str());
    return false;
}

}  // namespace decalia::fs::detail
