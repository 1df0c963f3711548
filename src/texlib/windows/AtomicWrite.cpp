#include "texlib/AtomicFile.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <limits>
#include <string>

namespace decalia::texlib {
namespace {

// Creates a new, uniquely named file beside `file`, named after it with a
// leading '.' so the folder's wildcard listings pass it over.
HANDLE CreateSibling(const std::filesystem::path& file, std::filesystem::path& temp) {
    static std::atomic<unsigned> counter{0};
    const std::filesystem::path folder = file.parent_path().empty() ? "." : file.parent_path();
    const std::wstring stem = L"." + file.filename().wstring() + L"." +
                              std::to_wstring(::GetCurrentProcessId()) + L"-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = folder / (stem + std::to_wstring(counter++) + L".tmp");
        const HANDLE handle = ::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                            FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS) return handle;
    }
    return INVALID_HANDLE_VALUE;
}

bool WriteAll(HANDLE handle, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(
            std::min<std::size_t>(bytes.size(), std::numeric_limits<DWORD>::max()));
        DWORD written = 0;
        if (!::WriteFile(handle, bytes.data(), chunk, &written, nullptr) || written == 0) {
            return false;
        }
        bytes = bytes.subspan(written);
    }
    return true;
}

}  // namespace

bool WriteFileAtomically(const std::filesystem::path& file, std::span<const std::uint8_t> bytes) {
    std::filesystem::path temp;
    const HANDLE handle = CreateSibling(file, temp);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    const bool ok = WriteAll(handle, bytes) && ::FlushFileBuffers(handle);
    const bool closed = ::CloseHandle(handle) != 0;
    if (ok && closed &&
        ::MoveFileExW(temp.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    ::DeleteFileW(temp.c_str());
    return false;
}

}  // namespace decalia::texlib
