#include "support/SkinFiles.h"

#include <filesystem>

namespace testsupport {

// The build's demo tree holds the skin a Linux build drew.
void LaySkinFiles(const std::string& mediaFolder) {
    std::filesystem::copy(DECALIA_BUILT_MEDIA_DIR, mediaFolder,
                          std::filesystem::copy_options::overwrite_existing |
                              std::filesystem::copy_options::recursive);
}

}  // namespace testsupport
