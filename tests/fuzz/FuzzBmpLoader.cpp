// libFuzzer entry point for the bitmap file loader. Not part of the normal
// build; for example:
//   clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -I src \
//     tests/fuzz/FuzzBmpLoader.cpp src/platform/gdi/*.cpp src/platform/fs/*.cpp \
//     src/platform/text/*.cpp -o fuzz_bmp
// Every input must either fail cleanly or give a bitmap that saves and loads
// back to the same bytes.

#include "platform/gdi/BmpFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const win::HBITMAP bitmap = decalia::gdi::DecodeBmp({data, size});
    if (!bitmap) {
        return 0;
    }
    const std::string saved = decalia::gdi::EncodeBmp(bitmap);
    const win::HBITMAP again = decalia::gdi::DecodeBmp(
        {reinterpret_cast<const std::uint8_t*>(saved.data()), saved.size()});
    if (!again || decalia::gdi::EncodeBmp(again) != saved) {
        std::abort();
    }
    win::DeleteObject(again);
    win::DeleteObject(bitmap);
    return 0;
}
