#include "support/SkinFiles.h"

#include <stdexcept>

#include "Skin.h"

namespace testsupport {

void LaySkinFiles(const std::string& mediaFolder) {
    std::string error;
    if (!decalia::artwork::WriteSkinFiles(mediaFolder, error))
        throw std::runtime_error("cannot draw the skin: " + error);
}

}  // namespace testsupport
