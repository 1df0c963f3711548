#include "platform/fs/FileStamp.h"
#include "platform/fs/Fs.h"

namespace decalia::fs {

std::optional<FileStamp> StampOf(std::string_view path) { return StampOfHostFile(Resolve(path)); }

}  // namespace decalia::fs
