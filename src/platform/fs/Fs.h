#pragma once
// The host file system seen through Windows-style paths.
//
// Paths are Windows-1252 strings as the program builds them; '\' and '/' both
// separate, "." and ".." are normalised, and names match without regard to case.
// A relative path is taken from the process's current folder.
// As on Windows, a read-only file is neither deleted nor written until
// ClearAttributes; only CopyFile and MoveFile with Overwrite::Yes replace it.
// Whole-file writes go to a new file that then replaces the old one, so a
// failure never leaves a half-written file; the old file's mode or attributes
// are kept.
//
// On Linux host paths are UTF-8 and a path is absolute when it starts with a
// separator. Each component that exists is matched without regard to case (an
// exact match first, else the first case-insensitive one in name order); a
// missing component keeps the case given, so new files and folders get the
// name the program wrote. Read-only means no owner write bit. Names of host
// files that have no Windows-1252 form show '?'. Drive letters, UNC names,
// short (8.3) names and alternate streams are not understood.
//
// On Windows host paths are the program's own bytes in the ANSI code page
// (Windows-1252 on the systems we support), handed to the ANSI file functions
// and to std::filesystem alike. Drive letters ("C:\"), drive-relative and UNC
// names ("\\server\share\") work; the file system does the case-insensitive
// matching, so Resolve keeps the case given. The system's own rules apply:
// trailing dots and spaces of a name are dropped, device names (NUL, CON) name
// devices, which are never read or written as files, and paths are limited to
// 259 characters.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace decalia::fs {

enum class Overwrite { No, Yes };
// Flushed files reach the disk before they replace the old one; scratch files
// (intermediate work the program makes again anyway) skip the wait.
enum class Durability { Flushed, Scratch };

// The host path that a program path names, resolved as above: absolute,
// without "." or ".." and without a trailing separator (but for a root).
std::string Resolve(std::string_view path);
// The program path of a host path, such as one Resolve gave.
std::string ProgramPathOf(std::string_view hostPath);

bool FileExists(std::string_view path);
bool FolderExists(std::string_view path);
// Length in bytes; nullopt when the file does not exist or cannot be read.
std::optional<std::uint64_t> FileLength(std::string_view path);

// Copies a file; with Overwrite::Yes an existing target (even a read-only one)
// is replaced. False when the source is missing or the copy fails.
bool CopyFile(std::string_view from, std::string_view to, Overwrite overwrite);
// Renames or moves a file (copying it across volumes); the target must
// not exist, or with Overwrite::Yes a file there (even a read-only one) is
// replaced. A copy whose source cannot be removed afterwards counts as moved
// when it replaced a file, and is undone otherwise.
bool MoveFile(std::string_view from, std::string_view to, Overwrite overwrite = Overwrite::No);
// Deletes a file (or a link), not a folder; false for a read-only file.
bool DeleteFile(std::string_view path);
// Creates one folder; its parent must exist. True when it was created.
bool CreateFolder(std::string_view path);
// Removes a folder only when it is empty.
bool RemoveEmptyFolder(std::string_view path);
// Clears the read-only attribute (and on Windows hidden, system and archive).
bool ClearAttributes(std::string_view path);
// True for an existing file or folder that carries the read-only attribute.
bool IsReadOnly(std::string_view path);

// Names (not paths) of the regular files in a folder matching a pattern of
// '*' and '?' compared without regard to case (a trailing ".*" also matches
// names without an extension, so "*.*" matches all), sorted by name without regard
// to case. A missing folder lists nothing.
std::vector<std::string> ListFiles(std::string_view folder, std::string_view pattern);

// The whole file, or nullopt when it is missing, unreadable or longer than
// maxBytes (so a hostile file never makes us allocate without bound).
std::optional<std::string> ReadAll(std::string_view path,
                                   std::uint64_t maxBytes = 1ull << 30);
// Replaces the file's content, creating the file. False on any failure, and
// for a target that is read-only or not a regular file; the target is then
// unchanged.
bool WriteAll(std::string_view path, std::string_view bytes,
              Durability durability = Durability::Flushed);
// Writes bytes at a position of an existing file, extending it (with zero
// bytes) when the position lies past its end. False for a missing or
// read-only file.
bool WriteAt(std::string_view path, std::uint64_t offset, std::string_view bytes);

// The process's current folder, as a program path.
std::string CurrentFolder();
// The folder of the running executable, as a program path; empty when the
// system cannot say.
std::string ExecutableFolder();
bool SetCurrentFolder(std::string_view path);

}  // namespace decalia::fs
