#include "platform/fs/BoundedRead.h"
#include "platform/fs/Fs.h"
#include "platform/fs/windows/Win32.h"

#include <algorithm>
#include <limits>

namespace decalia::fs {
namespace {

std::optional<std::size_t> ReadSome(HANDLE file, char* into, std::size_t room) {
    DWORD got = 0;
    const auto want = static_cast<DWORD>(std::min<std::size_t>(room, std::numeric_limits<DWORD>::max()));
    if (!::ReadFile(file, into, want, &got, nullptr)) return std::nullopt;
    return got;
}

// A file we may change in place: present, a file, not read-only.
bool IsWritableFile(DWORD attributes) { return detail::IsFile(attributes) && !detail::IsReadOnly(attributes); }

}  // namespace

std::optional<std::string> ReadAll(std::string_view path, std::uint64_t maxBytes) {
    detail::Handle file(::CreateFileA(Resolve(path).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    // Devices (NUL, CON, pipes) are not files, however they were named.
    LARGE_INTEGER size{};
    if (!file || ::GetFileType(file.Get()) != FILE_TYPE_DISK || !::GetFileSizeEx(file.Get(), &size) ||
        static_cast<std::uint64_t>(size.QuadPart) > maxBytes) {
        return std::nullopt;
    }
    std::string out(static_cast<std::size_t>(size.QuadPart), '\0');
    const auto readSome = [&file](char* into, std::size_t room) { return ReadSome(file.Get(), into, room); };
    if (!detail::ReadBounded(readSome, out, maxBytes)) return std::nullopt;
    return out;
}

bool WriteAll(std::string_view path, std::string_view bytes, Durability durability) {
    const std::string host = Resolve(path);
    const DWORD attributes = detail::AttributesOf(host);
    if (attributes != INVALID_FILE_ATTRIBUTES && !IsWritableFile(attributes)) return false;
    return detail::ReplaceAtomically(
        host, detail::KeptAttributes(attributes),
        [bytes](HANDLE file) { return detail::WriteFully(file, bytes); }, durability == Durability::Flushed);
}

bool WriteAt(std::string_view path, std::uint64_t offset, std::string_view bytes) {
    constexpr auto kMaxOffset = static_cast<std::uint64_t>(INT64_MAX);
    if (offset > kMaxOffset - bytes.size()) return false;
    const std::string host = Resolve(path);
    if (!IsWritableFile(detail::AttributesOf(host))) return false;
    detail::Handle file(::CreateFileA(host.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file || ::GetFileType(file.Get()) != FILE_TYPE_DISK) return false;
    // Writing past the end extends the file; the gap reads as zero bytes.
    const bool ok = detail::WriteFully(file.Get(), bytes, offset);
    return file.Close() && ok;
}

}  // namespace decalia::fs
