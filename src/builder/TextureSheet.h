#pragma once
// One texture of the build: its colour and alpha sheets composed and saved in
// TempBitmaps, and the texture library's call for its format.

#include <cstddef>
#include <string>

namespace decalia {

class Application;

// True when TempBitmaps\<name>.bmp was written by this call; a file left
// there by an earlier build never counts.
bool ProduceTextureFile(Application& app, std::size_t textureIndex, const std::string& name);

}  // namespace decalia
