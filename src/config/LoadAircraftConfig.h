#pragma once
// Reading an aircraft configuration from its encrypted file. The plain text is
// decrypted into memory only: no plain copy ever touches the disk.

#include <string_view>

#include "config/AircraftConfiguration.h"

namespace win {
class ProfileText;
}

namespace decalia::config {

// The decrypted INI text of a configuration file, read with the program's key;
// empty (every key missing) when the file is missing, damaged or keyed
// differently.
win::ProfileText DecryptConfiguration(std::string_view filePath);

// Fills a fresh record from the file. Failures leave fields empty or zero.
AircraftConfiguration ReadAircraftConfiguration(std::string_view filePath,
                                                SheetFormatChoice format,
                                                ExtraTextures& extraTextures,
                                                ExtraFields& extraFields);

// The same from a text already in memory.
AircraftConfiguration ReadAircraftConfiguration(const win::ProfileText& profile,
                                                SheetFormatChoice format,
                                                ExtraTextures& extraTextures,
                                                ExtraFields& extraFields);

// A configuration may not ask for more sections and model offsets than this in
// total: a damaged or hostile count would otherwise have us allocate and read
// billions of empty entries. Lists past it are cut and their counts lowered to
// match, so a count always equals its list's length.
inline constexpr std::size_t kMaxConfigurationItems = 1u << 18;

}  // namespace decalia::config
