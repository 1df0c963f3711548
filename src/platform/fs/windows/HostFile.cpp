#include "platform/fs/windows/Win32.h"

#include <algorithm>
#include <atomic>
#include <limits>

namespace decalia::fs::detail {
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

std::optional<BY_HANDLE_FILE_INFORMATION> IdentityOf(const std::string& hostPath) {
    Handle file(::CreateFileA(hostPath.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING,
                              FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!file || !::GetFileInformationByHandle(file.Get(), &info)) return std::nullopt;
    return info;
}

}  // namespace

bool Handle::Close() {
    if (handle_ == INVALID_HANDLE_VALUE) return true;
    const bool closed = ::CloseHandle(handle_) != 0;
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
}

DWORD AttributesOf(const std::string& hostPath) { return ::GetFileAttributesA(hostPath.c_str()); }

bool IsFile(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
}

bool IsFolder(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsReadOnly(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

DWORD KeptAttributes(DWORD attributes) {
    if (attributes == INVALID_FILE_ATTRIBUTES) return FILE_ATTRIBUTE_NORMAL;
    const DWORD kept = attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                     FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
    return kept == 0 ? FILE_ATTRIBUTE_NORMAL : kept;
}

bool SameFile(const std::string& a, const std::string& b) {
    const auto first = IdentityOf(a);
    const auto second = IdentityOf(b);
    return first && second && first->dwVolumeSerialNumber == second->dwVolumeSerialNumber &&
           first->nFileIndexHigh == second->nFileIndexHigh && first->nFileIndexLow == second->nFileIndexLow;
}

bool WriteFully(HANDLE file, std::string_view bytes, std::optional<std::uint64_t> offset) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const auto chunk = static_cast<DWORD>(
            std::min<std::size_t>(bytes.size() - done, std::numeric_limits<DWORD>::max()));
        OVERLAPPED at{};
        if (offset) {
            const std::uint64_t position = *offset + done;
            at.Offset = static_cast<DWORD>(position);
            at.OffsetHigh = static_cast<DWORD>(position >> 32);
        }
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data() + done, chunk, &written, offset ? &at : nullptr) ||
            written == 0) {
            return false;
        }
        done += written;
    }
    return true;
}

Handle CreateSibling(const std::string& target, DWORD attributes, std::string& tempPath) {
    static std::atomic<unsigned> counter{0};
    const auto slash = target.rfind('\\');
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    const std::string stem =
        folder + "." + base.substr(0, 200) + ".tmp" + std::to_string(::GetCurrentProcessId()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = stem + std::to_string(counter++);
        const HANDLE file =
            ::CreateFileA(tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, attributes, nullptr);
        if (file != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS) return Handle(file);
    }
    return Handle(INVALID_HANDLE_VALUE);
}

bool ReplaceAtomically(const std::string& target, DWORD attributes,
                       const std::function<bool(HANDLE)>& fill, bool flush) {
    std::string temp;
    Handle file = CreateSibling(target, attributes, temp);
    if (!file) return false;
    bool ok = fill(file.Get());
    if (ok && flush) ok = ::FlushFileBuffers(file.Get()) != 0;
    ok = file.Close() && ok;
    const DWORD how = MOVEFILE_REPLACE_EXISTING | (flush ? MOVEFILE_WRITE_THROUGH : 0u);
    if (ok && ::MoveFileExA(temp.c_str(), target.c_str(), how)) return true;
    ::DeleteFileA(temp.c_str());
    return false;
}

ReadOnlyLift::ReadOnlyLift(const std::string& hostPath, DWORD attributes)
    : path_(hostPath), attributes_(attributes) {
    if (IsReadOnly(attributes)) {
        lifted_ = ::SetFileAttributesA(path_.c_str(), KeptAttributes(attributes)) != 0;
    }
}

ReadOnlyLift::~ReadOnlyLift() {
    if (lifted_) ::SetFileAttributesA(path_.c_str(), attributes_);
}

}  // namespace decalia::fs::detail
