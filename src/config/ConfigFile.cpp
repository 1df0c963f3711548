#include "config/ConfigFile.h"

#include <algorithm>
#include <vector>

#include "platform/profile/Profile.h"
#include "platform/text/Text.h"

namespace decalia::config {
namespace {

// The buffer starts as spaces and the default is one space, so a missing key
// comes back as a blank that trimming turns into "", while a present empty key
// reports a count of 0.
template <typename Profile>
std::string ReadIntoBuffer(std::string_view section, std::string_view key,
                           const Profile& profile, std::size_t bufferSize) {
    std::vector<char> buffer(bufferSize, ' ');
    const auto count = win::GetPrivateProfileStringA(section, key, " ", buffer, profile);
    if (count == 0) return {};
    std::replace(buffer.begin(), buffer.end(), '\0', ' ');
    return text::Trim(std::string_view(buffer.data(), buffer.size()));
}

}  // namespace

void WriteProfileString(std::string_view section, std::string_view key, std::string_view value,
                        std::string_view file) {
    // Callers never learn of a failed write; the file is left as it was.
    (void)win::WritePrivateProfileStringA(section, key, value, file);
}

std::int32_t ReadProfileInt(std::string_view section, std::string_view key,
                            std::string_view file) {
    return win::GetPrivateProfileIntA(section, key, 0, file);
}

std::int32_t ReadProfileInt(std::string_view section, std::string_view key,
                            const win::ProfileText& profile) {
    return win::GetPrivateProfileIntA(section, key, 0, profile);
}

std::string ReadProfileString(std::string_view section, std::string_view key,
                              std::string_view file) {
    return ReadIntoBuffer(section, key, file, kProfileStringBuffer);
}

std::string ReadProfileString(std::string_view section, std::string_view key,
                              const win::ProfileText& profile) {
    return ReadIntoBuffer(section, key, profile, kProfileStringBuffer);
}

std::string ReadProfileLongString(std::string_view section, std::string_view key,
                                  std::string_view file) {
    return ReadIntoBuffer(section, key, file, kProfileLongStringBuffer);
}

std::string ReadProfileLongString(std::string_view section, std::string_view key,
                                  const win::ProfileText& profile) {
    return ReadIntoBuffer(section, key, profile, kProfileLongStringBuffer);
}

}  // namespace decalia::config
