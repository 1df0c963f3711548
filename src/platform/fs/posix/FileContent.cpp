#include "platform/fs/BoundedRead.h"
#include "platform/fs/Fs.h"
#include "platform/fs/posix/HostFile.h"

#include <cerrno>
#include <limits>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace decalia::fs {
namespace {

namespace stdfs = std::filesystem;

// One read, retried when a signal cut it short.
std::optional<std::size_t> ReadSome(int fd, char* into, std::size_t room) {
    for (;;) {
        const ssize_t got = ::read(fd, into, room);
        if (got >= 0) return static_cast<std::size_t>(got);
        if (errno != EINTR) return std::nullopt;
    }
}

std::optional<std::string> ReadOpenFile(int fd, std::uint64_t maxBytes) {
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    const auto size = static_cast<std::uint64_t>(info.st_size);
    if (size > maxBytes) return std::nullopt;
    std::string out(static_cast<std::size_t>(size), '\0');
    const auto readSome = [fd](char* into, std::size_t room) { return ReadSome(fd, into, room); };
    if (!detail::ReadBounded(readSome, out, maxBytes)) return std::nullopt;
    return out;
}

// A file we may change in place: present, a regular file, not read-only.
bool IsWritableFile(const stdfs::file_status& status) {
    return stdfs::is_regular_file(status) && !detail::IsReadOnly(status);
}

}  // namespace

std::optional<std::string> ReadAll(std::string_view path, std::uint64_t maxBytes) {
    // Non-blocking, so that a FIFO in a file's place cannot stall the open.
    const int fd = ::open(Resolve(path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    auto content = ReadOpenFile(fd, maxBytes);
    ::close(fd);
    return content;
}

bool WriteAll(std::string_view path, std::string_view bytes, Durability durability) {
    const std::string host = Resolve(path);
    std::optional<mode_t> mode;
    if (detail::Exists(host)) {
        const auto status = detail::StatusOf(host);
        if (!IsWritableFile(status)) return false;
        mode = detail::ModeOf(status);
    }
    return detail::ReplaceAtomically(
        host, mode, [bytes](int fd) { return detail::WriteFully(fd, bytes); },
        durability == Durability::Flushed);
}

bool WriteAt(std::string_view path, std::uint64_t offset, std::string_view bytes) {
    constexpr auto kMaxOffset = static_cast<std::uint64_t>(std::numeric_limits<off_t>::max());
    if (offset > kMaxOffset - bytes.size()) return false;
    const std::string host = Resolve(path);
    if (!IsWritableFile(detail::StatusOf(host))) return false;
    const int fd = ::open(host.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return false;
    // Writing past the end leaves a hole, which reads as zero bytes.
    const bool ok = detail::WriteFully(fd, bytes, static_cast<off_t>(offset));
    return (::close(fd) == 0) && ok;
}

}  // namespace decalia::fs
