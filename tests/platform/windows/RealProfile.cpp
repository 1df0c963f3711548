#include "RealWindows.h"

#include <windows.h>

#include <algorithm>

namespace realwin {

ProfileString ProfileReadString(const std::string& section, const std::string& key,
                                const std::string& defaultValue, std::uint32_t bufferSize,
                                const std::string& file) {
    std::string buffer(std::max<std::uint32_t>(bufferSize, 1) + 16, '\x7f');
    ProfileString result;
    result.count = ::GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(),
                                              buffer.data(), bufferSize, file.c_str());
    if (bufferSize > 0) result.value.assign(buffer.c_str());
    return result;
}

std::int32_t ProfileReadInt(const std::string& section, const std::string& key,
                            std::int32_t defaultValue, const std::string& file) {
    return static_cast<std::int32_t>(
        ::GetPrivateProfileIntA(section.c_str(), key.c_str(), defaultValue, file.c_str()));
}

bool ProfileWrite(const std::string& section, const std::string& key, const std::string& value,
                  const std::string& file) {
    return ::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(),
                                        file.c_str()) != FALSE;
}

}  // namespace realwin
