#include "platform/fs/Fs.h"
#include "platform/fs/windows/Win32.h"

#include <algorithm>

namespace decalia::fs {
namespace {

constexpr DWORD kReadStep = 1 << 16;

// Reads to the end; false once more than maxBytes arrive, so a file that grows
// while we read is bounded too.
bool ReadBounded(HANDLE file, std::string& out, std::uint64_t maxBytes) {
    std::size_t filled = 0;
    for (;;) {
        if (filled == out.size()) {
            if (out.size() > maxBytes) return false;
            // One byte beyond the limit is enough to tell that it was crossed.
            const std::uint64_t room = maxBytes - out.size();
            out.resize(out.size() + static_cast<std::size_t>(std::min<std::uint64_t>(room + 1, kReadStep)));
        }
        const auto want = static_cast<DWORD>(std::min<std::size_t>(out.size() - filled, kReadStep));
        DWORD got = 0;
        if (!::ReadFile(file, out.data() + filled, want, &got, nullptr)) return false;
        if (got == 0) break;
        filled += got;
    }
    out.resize(filled);
    return filled <= maxBytes;
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
    if (!ReadBounded(file.Get(), out, maxBytes)) return std::nullopt;
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
