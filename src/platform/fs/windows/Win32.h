#pragma once
// <windows.h> for the Windows side of the file system, without the macros
// that would rename fs::CopyFile, fs::MoveFile and fs::DeleteFile, plus the
// helpers its files share. Host paths here are what Resolve gives: absolute,
// '\'-separated, in the ANSI code page.

#include <windows.h>
#undef CopyFile
#undef MoveFile
#undef DeleteFile

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace decalia::fs::detail {

// Owns a file handle; closes it once.
class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() { Close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    // True when the handle closed cleanly (or was never open).
    bool Close();

private:
    HANDLE handle_;
};

// The file's attributes, or INVALID_FILE_ATTRIBUTES when it cannot be reached.
DWORD AttributesOf(const std::string& hostPath);
bool IsFile(DWORD attributes);
bool IsFolder(DWORD attributes);
bool IsReadOnly(DWORD attributes);
// The attributes a new file takes over from the one it replaces.
DWORD KeptAttributes(DWORD attributes);

// Whether two paths reach one file (same volume and file index).
bool SameFile(const std::string& a, const std::string& b);

// Writes every byte; at `offset` when given, else at the file pointer.
bool WriteFully(HANDLE file, std::string_view bytes, std::optional<std::uint64_t> offset = std::nullopt);

// A new, uniquely named file beside `target` (named after it with a leading
// '.', so wildcard listings of the folder pass it over), open for writing.
Handle CreateSibling(const std::string& target, DWORD attributes, std::string& tempPath);

// Fills a fresh file beside `target` and moves it over the target, so a
// failure at any point leaves the target as it was. With flush, the new file
// reaches the disk before the move.
bool ReplaceAtomically(const std::string& target, DWORD attributes,
                       const std::function<bool(HANDLE)>& fill, bool flush = true);

// Lifts a read-only attribute for as long as the object lives unless Keep()
// is called: Windows refuses to replace a read-only file even when told to.
class ReadOnlyLift {
public:
    ReadOnlyLift(const std::string& hostPath, DWORD attributes);
    ~ReadOnlyLift();
    ReadOnlyLift(const ReadOnlyLift&) = delete;
    ReadOnlyLift& operator=(const ReadOnlyLift&) = delete;
    void Keep() { lifted_ = false; }

private:
    std::string path_;
    DWORD attributes_;
    bool lifted_ = false;
};

}  // namespace decalia::fs::detail
