// libFuzzer entry point for the texture reader. Not part of the normal build;
// for example:
//   clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -I src \
//     -isystem /usr/include/stb tests/fuzz/FuzzTextureReader.cpp src/texlib/*.cpp \
//     -lstb -lsquish -o fuzz_texture
// Every input must either be refused with a reason or give levels whose pixel
// buffers match the sizes they claim.

#include "texlib/TextureReader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const decalia::texlib::TextureRead read = decalia::texlib::ParseTexture({data, size});
    if (!read.texture) {
        if (read.error.empty()) {
            std::abort();
        }
        return 0;
    }
    for (const decalia::texlib::RgbaImage& level : read.texture->levels) {
        if (level.pixels.size() != std::size_t{level.width} * level.height * 4) {
            std::abort();
        }
    }
    return 0;
}
