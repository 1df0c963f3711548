#include "Output.h"

#include "DemoAircraft.h"
#include "GreyBitmap.h"
#include "platform/fs/Fs.h"
#include "platform/profile/Profile.h"

namespace decalia::demodata {
namespace {

std::string ParentOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

}  // namespace

void Output::Fail(std::string error) {
    if (Ok()) error_ = std::move(error);
}

void Output::Folder(const std::string& path) {
    if (Ok() && !CreateFolderTree(path)) Fail("cannot create the folder " + path);
}

void Output::File(const std::string& path, std::string_view bytes) {
    Folder(ParentOf(path));
    if (Ok() && !fs::WriteAll(path, bytes)) Fail("cannot write " + path);
}

void Output::Bitmap24(const std::string& path, const artwork::Raster& raster) {
    Folder(ParentOf(path));
    if (Ok() && !artwork::SaveBitmap24(raster, path)) Fail("cannot write " + path);
}

void Output::BitmapGrey8(const std::string& path, const artwork::Raster& raster) {
    Folder(ParentOf(path));
    if (Ok() && !SaveGreyBitmap8(raster, path)) Fail("cannot write " + path);
}

void Output::Profile(std::string_view section, std::string_view key, std::string_view value,
                     const std::string& file) {
    if (Ok() && !win::WritePrivateProfileStringA(section, key, value, file))
        Fail("cannot write [" + std::string(section) + "] " + std::string(key) + " in " + file);
}

}  // namespace decalia::demodata
