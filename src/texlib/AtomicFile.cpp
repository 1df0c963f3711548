#include "texlib/AtomicFile.h"

namespace decalia::texlib {

bool RemoveOldOutput(const std::filesystem::path& file) {
    std::error_code ec;
    const auto status = std::filesystem::symlink_status(file, ec);
    if (!std::filesystem::exists(status)) {
        return true;
    }
    // A folder in the way is not an older texture and is not ours to remove.
    return !std::filesystem::is_directory(status) && std::filesystem::remove(file, ec);
}

}  // namespace decalia::texlib
