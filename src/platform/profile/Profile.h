#pragma once
// INI ("profile") files with the observable behaviour of the Windows profile
// functions.
//
// Reproduces: lines ending in LF, CR LF or a lone CR; section and key names
// compared without regard to case; blanks around names and values ignored;
// one pair of matching surrounding quotes (" or ') removed from a value; the
// first of duplicated sections and keys wins; a missing file reads as empty;
// integers as blanks, an optional sign and decimal digits up to the first
// other character (a quoted " 12" and "12abc" are 12; lower-case prefixes
// "0x", "0o" and "0b" read hexadecimal, octal and binary), wrapping on 32-bit
// overflow; a default string
// without its trailing spaces, but never without its first character ("  "
// gives " "); the buffer cut (at most size - 1 characters copied, the count
// returned). A line starting with '[' is a section header when it holds a
// ']', the name running to the last one ("[A]B]" is "A]B"); without one it is
// an ordinary line and the section before it goes on. Lines starting with ';'
// are comments; lines without '=' and lines before the first section are
// skipped. A present key reads as an integer even when it holds no digits
// (0); only a missing one gives the default.
// On write the file is edited in place: only the key's own line changes, or one
// "key=value" line is added after the section's last key, or "[section]" and
// the line are appended at the end of the file; every other byte stays as it
// was. The writer finds the lines and sections the reader finds. A rewritten
// key keeps its spelling and its line's line end (a lone CR too); new lines
// end in CR LF. A missing file is created. The edited text replaces the file
// as a whole (see fs::WriteAll), so a failed write leaves it untouched; a file
// larger than 64 MiB reads as empty and is never rewritten.
// Leaves out: enumeration (null section or key), deletion (null value),
// the registry mapping, Unicode files.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace win {

// A profile text held in memory, parsed once; used for files that must never
// be written to disk in plain form.
class ProfileText {
public:
    ProfileText() = default;
    explicit ProfileText(std::string_view bytes);
    static ProfileText FromFile(std::string_view path);

    // The value of the first matching key of the first matching section, with
    // blanks and one pair of quotes removed; false when absent.
    bool Lookup(std::string_view section, std::string_view key, std::string& value) const;

private:
    // Upper-cased names; hashed because a configuration is asked for thousands
    // of keys while it is read.
    using Section = std::unordered_map<std::string, std::string>;
    std::unordered_map<std::string, Section> sections_;
};

// Copies the value (or the default when absent) into buffer, cut to
// buffer.size() - 1 characters and NUL-terminated; returns the count copied.
std::uint32_t GetPrivateProfileStringA(std::string_view section, std::string_view key,
                                       std::string_view defaultValue, std::span<char> buffer,
                                       std::string_view file);
std::uint32_t GetPrivateProfileStringA(std::string_view section, std::string_view key,
                                       std::string_view defaultValue, std::span<char> buffer,
                                       const ProfileText& text);

std::int32_t GetPrivateProfileIntA(std::string_view section, std::string_view key,
                                   std::int32_t defaultValue, std::string_view file);
std::int32_t GetPrivateProfileIntA(std::string_view section, std::string_view key,
                                   std::int32_t defaultValue, const ProfileText& text);

// False when the file cannot be read or written; the file is then unchanged.
bool WritePrivateProfileStringA(std::string_view section, std::string_view key,
                                std::string_view value, std::string_view file);

}  // namespace win
