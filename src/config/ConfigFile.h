#pragma once
// The four profile operations every caller relies on: section first, key
// second, the profile last; missing entries read as "" or 0 and nothing is
// reported. A profile is a file path or a text already held in memory (a
// decrypted configuration, which must never reach the disk in plain form).

#include <cstdint>
#include <string>
#include <string_view>

namespace win {
class ProfileText;
}

namespace decalia::config {

inline constexpr std::size_t kProfileStringBuffer = 255;
inline constexpr std::size_t kProfileLongStringBuffer = 512;

void WriteProfileString(std::string_view section, std::string_view key, std::string_view value,
                        std::string_view file);

std::int32_t ReadProfileInt(std::string_view section, std::string_view key, std::string_view file);
std::int32_t ReadProfileInt(std::string_view section, std::string_view key,
                            const win::ProfileText& profile);

// At most 254 characters, trimmed of spaces.
std::string ReadProfileString(std::string_view section, std::string_view key,
                              std::string_view file);
std::string ReadProfileString(std::string_view section, std::string_view key,
                              const win::ProfileText& profile);

// At most 511 characters, trimmed of spaces.
std::string ReadProfileLongString(std::string_view section, std::string_view key,
                                  std::string_view file);
std::string ReadProfileLongString(std::string_view section, std::string_view key,
                                  const win::ProfileText& profile);

}  // namespace decalia::config
