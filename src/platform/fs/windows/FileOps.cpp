#include "platform/fs/Fs.h"
#include "platform/fs/windows/Win32.h"

namespace decalia::fs {
namespace {

using detail::AttributesOf;

// The copy goes to a fresh file first, so a failed copy leaves the target as
// it was. CopyFileA gives it the source's attributes and modification time.
bool CopyHostFile(const std::string& source, const std::string& target, DWORD targetAttributes) {
    std::string temp;
    {
        detail::Handle made = detail::CreateSibling(target, FILE_ATTRIBUTE_NORMAL, temp);
        if (!made || !made.Close()) return false;
    }
    if (::CopyFileA(source.c_str(), temp.c_str(), FALSE)) {
        detail::ReadOnlyLift lift(target, targetAttributes);
        if (::MoveFileExA(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING)) {
            lift.Keep();
            return true;
        }
    }
    ::SetFileAttributesA(temp.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileA(temp.c_str());
    return false;
}

// The text a Windows call writes into a buffer, which grows until it fits (the
// call returns the buffer's size, or more, when it did not).
std::string FromBuffer(const std::function<DWORD(char*, DWORD)>& get) {
    std::string text(MAX_PATH, '\0');
    for (;;) {
        const DWORD got = get(text.data(), static_cast<DWORD>(text.size()));
        if (got == 0) return {};
        if (got < text.size()) {
            text.resize(got);
            return text;
        }
        text.resize(text.size() * 2);
    }
}

}  // namespace

bool FileExists(std::string_view path) { return detail::IsFile(AttributesOf(Resolve(path))); }

bool FolderExists(std::string_view path) { return detail::IsFolder(AttributesOf(Resolve(path))); }

std::optional<std::uint64_t> FileLength(std::string_view path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExA(Resolve(path).c_str(), GetFileExInfoStandard, &data) ||
        !detail::IsFile(data.dwFileAttributes)) {
        return std::nullopt;
    }
    return (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
}

bool CopyFile(std::string_view from, std::string_view to, Overwrite overwrite) {
    const std::string source = Resolve(from);
    const std::string target = Resolve(to);
    if (!detail::IsFile(AttributesOf(source))) return false;
    const DWORD targetAttributes = AttributesOf(target);
    if (targetAttributes != INVALID_FILE_ATTRIBUTES) {
        // A folder or device in the target's place is never replaced.
        if (overwrite == Overwrite::No || !detail::IsFile(targetAttributes)) return false;
        if (detail::SameFile(source, target)) return false;
    }
    return CopyHostFile(source, target, targetAttributes);
}

bool MoveFile(std::string_view from, std::string_view to, Overwrite overwrite) {
    const std::string source = Resolve(from);
    const std::string target = Resolve(to);
    const DWORD sourceAttributes = AttributesOf(source);
    const DWORD targetAttributes = AttributesOf(target);
    if (sourceAttributes == INVALID_FILE_ATTRIBUTES) return false;
    const bool replacing = targetAttributes != INVALID_FILE_ATTRIBUTES;
    // Only a file replaces a file, and never itself (nor a case-only rename).
    if (replacing && (overwrite == Overwrite::No || !detail::IsFile(sourceAttributes) ||
                      !detail::IsFile(targetAttributes) || detail::SameFile(source, target))) {
        return false;
    }
    detail::ReadOnlyLift lift(target, targetAttributes);
    const DWORD how = MOVEFILE_COPY_ALLOWED | (replacing ? MOVEFILE_REPLACE_EXISTING : 0u);
    if (!::MoveFileExA(source.c_str(), target.c_str(), how)) return false;
    lift.Keep();
    // Across volumes Windows leaves a source it cannot delete and still succeeds.
    if (!replacing && AttributesOf(source) != INVALID_FILE_ATTRIBUTES && !detail::SameFile(source, target)) {
        ::DeleteFileA(target.c_str());
        return false;
    }
    return true;
}

bool DeleteFile(std::string_view path) {
    // Windows itself refuses read-only files and folders.
    return ::DeleteFileA(Resolve(path).c_str()) != 0;
}

bool CreateFolder(std::string_view path) { return ::CreateDirectoryA(Resolve(path).c_str(), nullptr) != 0; }

bool RemoveEmptyFolder(std::string_view path) {
    const std::string host = Resolve(path);
    return detail::IsFolder(AttributesOf(host)) && ::RemoveDirectoryA(host.c_str()) != 0;
}

bool ClearAttributes(std::string_view path) {
    const std::string host = Resolve(path);
    const DWORD attributes = AttributesOf(host);
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    const DWORD kept = attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                                        FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE);
    return ::SetFileAttributesA(host.c_str(), kept == 0 ? FILE_ATTRIBUTE_NORMAL : kept) != 0;
}

bool IsReadOnly(std::string_view path) { return detail::IsReadOnly(AttributesOf(Resolve(path))); }

std::string CurrentFolder() {
    return FromBuffer([](char* buffer, DWORD size) { return ::GetCurrentDirectoryA(size, buffer); });
}

std::string ExecutableFolder() {
    const std::string exe =
        FromBuffer([](char* buffer, DWORD size) { return ::GetModuleFileNameA(nullptr, buffer, size); });
    const auto slash = exe.rfind('\\');
    return slash == std::string::npos ? std::string() : exe.substr(0, slash);
}

bool SetCurrentFolder(std::string_view path) { return ::SetCurrentDirectoryA(Resolve(path).c_str()) != 0; }

}  // namespace decalia::fs
