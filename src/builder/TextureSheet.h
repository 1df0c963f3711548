#pragma once
// One texture of the build: its colour and alpha sheets composed and saved in
// TempBitmaps, and the texture library's call for its format.

#include <cstddef>
#include <string>

namespace decalia {

class Application;
struct TextureReport;

// True when TempBitmaps\<name>.bmp was written by this call; a file left
// there by an earlier build never counts.
// The report, when given, gets the texture's time and how it came out.
bool ProduceTextureFile(Application& app, std::size_t textureIndex, const std::string& name,
                        TextureReport* report = nullptr);

}  // namespace decalia
