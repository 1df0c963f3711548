#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace testsupport {

// Writes INI text as an encrypted configuration file, keyed like the program's
// own (or with the given key).
void WriteEncryptedConfiguration(const std::filesystem::path& file, std::string_view ini,
                                 std::string_view key = {});

// INI text of a configuration named displayName with the given textures, each
// with one 1:1 section and no model offsets.
std::string MinimalConfigurationIni(std::string_view displayName, int textureCount = 1);

}  // namespace testsupport
