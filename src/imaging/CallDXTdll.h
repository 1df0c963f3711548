#pragma once
// The texture library (kTextureLibrary in the program's folder, named as the
// host names libraries: libkwdds.so, kwdds.dll) that turns the
// sheet bitmaps in TempBitmaps into the simulator's texture files. Names are
// base names inside TempBitmaps, without ".bmp". Nothing is checked here: a
// missing library or entry point does nothing, and a texture that was not
// written shows when the build moves it.

#include <cstdint>
#include <string_view>

namespace decalia {

class Application;

// The one flag is passed as both the library's flags.
void CompressTexture(Application& app, std::string_view colourName, std::string_view alphaName,
                     std::string_view outputName, bool flag, std::int32_t formatCode);
// Then releases the sheet surfaces and deletes both input bitmaps.
void CompressTextureDXT1(Application& app, std::string_view colourName, std::string_view alphaName,
                         std::string_view outputName);
void ConvertTexture(Application& app, std::string_view sourceName, std::string_view outputName,
                    std::string_view code);

inline constexpr const char* kTextureLibrary = "kwdds";

inline constexpr std::int32_t kFormatCodeDxt1 = 10;
inline constexpr std::int32_t kFormatCodeDxt3 = 12;
inline constexpr std::int32_t kFormatCode32Alpha = 17;

}  // namespace decalia
