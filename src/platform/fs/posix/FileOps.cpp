#include "platform/fs/Fs.h"
#include "platform/fs/posix/HostFile.h"

#include <cerrno>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace decalia::fs {
namespace {

namespace stdfs = std::filesystem;
using detail::StatusOf;

bool CopyBytes(int from, int to) {
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(from, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) return true;
        if (!detail::WriteFully(to, std::string_view(buffer, static_cast<std::size_t>(got)))) {
            return false;
        }
    }
}

// The copy takes the source's mode, as a Windows copy takes its attributes.
bool CopyHostFile(const std::string& source, const std::string& target) {
    const int from = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (from < 0) return false;
    const bool ok = detail::ReplaceAtomically(target, detail::ModeOf(StatusOf(source)),
                                              [from](int to) { return CopyBytes(from, to); });
    ::close(from);
    return ok;
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return stdfs::equivalent(a, b, error);
}

}  // namespace

bool FileExists(std::string_view path) {
    return stdfs::is_regular_file(StatusOf(Resolve(path)));
}

bool FolderExists(std::string_view path) {
    return stdfs::is_directory(StatusOf(Resolve(path)));
}

std::optional<std::uint64_t> FileLength(std::string_view path) {
    const std::string host = Resolve(path);
    if (!stdfs::is_regular_file(StatusOf(host))) return std::nullopt;
    std::error_code error;
    const auto size = stdfs::file_size(host, error);
    if (error) return std::nullopt;
    return size;
}

bool CopyFile(std::string_view from, std::string_view to, Overwrite overwrite) {
    const std::string source = Resolve(from);
    const std::string target = Resolve(to);
    if (!stdfs::is_regular_file(StatusOf(source))) return false;
    if (detail::Exists(target)) {
        // A folder or device in the target's place is never replaced.
        if (overwrite == Overwrite::No || !stdfs::is_regular_file(StatusOf(target))) return false;
        if (SameFile(source, target)) return false;
    }
    return CopyHostFile(source, target);
}

bool MoveFile(std::string_view from, std::string_view to, Overwrite overwrite) {
    const std::string source = Resolve(from);
    const std::string target = Resolve(to);
    if (!detail::Exists(source)) return false;
    if (detail::Exists(target)) {
        // Only a file replaces a file, and never itself.
        if (overwrite == Overwrite::No || !stdfs::is_regular_file(StatusOf(source)) ||
            !stdfs::is_regular_file(StatusOf(target)) || SameFile(source, target)) {
            return false;
        }
    }
    std::error_code error;
    stdfs::rename(source, target, error);
    if (!error) return true;
    if (error != std::errc::cross_device_link || !stdfs::is_regular_file(StatusOf(source))) {
        return false;
    }
    const bool replaced = detail::Exists(target);
    if (!CopyHostFile(source, target)) return false;
    if (stdfs::remove(source, error) || replaced) return true;
    stdfs::remove(target, error);
    return false;
}

bool DeleteFile(std::string_view path) {
    const std::string host = Resolve(path);
    std::error_code error;
    const auto own = stdfs::symlink_status(host, error);
    // As on Windows, a read-only file stays until its attribute is cleared.
    const bool deletable = stdfs::is_symlink(own) ||
                           (stdfs::is_regular_file(own) && !detail::IsReadOnly(own));
    return deletable && stdfs::remove(host, error);
}

bool CreateFolder(std::string_view path) {
    std::error_code error;
    return stdfs::create_directory(Resolve(path), error);
}

bool RemoveEmptyFolder(std::string_view path) {
    const std::string host = Resolve(path);
    std::error_code error;
    if (!stdfs::is_directory(stdfs::symlink_status(host, error))) return false;
    return stdfs::remove(host, error);
}

bool ClearAttributes(std::string_view path) {
    const std::string host = Resolve(path);
    if (!detail::Exists(host)) return false;
    std::error_code error;
    stdfs::permissions(host, stdfs::perms::owner_write, stdfs::perm_options::add, error);
    return !error;
}

bool IsReadOnly(std::string_view path) {
    const std::string host = Resolve(path);
    return detail::Exists(host) && detail::IsReadOnly(StatusOf(host));
}

std::string CurrentFolder() {
    std::error_code error;
    const auto current = stdfs::current_path(error);
    return error ? std::string() : ProgramPathOf(current.string());
}

std::string ExecutableFolder() {
    std::error_code error;
    const auto exe = stdfs::read_symlink("/proc/self/exe", error);
    return error ? std::string() : ProgramPathOf(exe.parent_path().string());
}

bool SetCurrentFolder(std::string_view path) {
    std::error_code error;
    stdfs::current_path(Resolve(path), error);
    return !error;
}

}  // namespace decalia::fs
