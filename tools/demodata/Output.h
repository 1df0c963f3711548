#pragma once
// Writes the demo files one after another and remembers the first failure:
// after it nothing more is written, and Error() says what failed.

#include <string>
#include <string_view>

#include "Raster.h"

namespace decalia::demodata {

class Output {
public:
    bool Ok() const { return error_.empty(); }
    const std::string& Error() const { return error_; }
    void Fail(std::string error);

    // Program paths; folders above a file are created as needed.
    void Folder(const std::string& path);
    void File(const std::string& path, std::string_view bytes);
    void Bitmap24(const std::string& path, const artwork::Raster& raster);
    // The raster's red channel as alpha levels (see SaveGreyBitmap8).
    void BitmapGrey8(const std::string& path, const artwork::Raster& raster);
    void Profile(std::string_view section, std::string_view key, std::string_view value,
                 const std::string& file);

private:
    std::string error_;
};

}  // namespace decalia::demodata
