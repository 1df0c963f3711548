// End-to-end time of one 2048 x 2048 DXT3 texture with its mip chain through
// BMPScompressBMP: reading both sheets, mips, encoding on every core (the
// library's default) and the atomic write.

#include <benchmark/benchmark.h>

#include <fstream>

#include "texture_images.h"
#include "texlib/kwdds.h"

namespace decalia::bench {
namespace {

struct Inputs {
    std::filesystem::path folder;
    std::string colour;
    std::string alpha;
    std::string output;
};

void WriteBytes(const std::string& file, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// The livery of the image set when present, else a synthetic sheet.
Inputs PrepareInputs() {
    Inputs in;
    in.folder = std::filesystem::temp_directory_path() / "decalia-bench-texture-write";
    std::filesystem::create_directories(in.folder);
    in.output = (in.folder / "livery.bmp").string();
    const auto set = ImageSetFolder();
    if (std::filesystem::exists(set / "synthetic-livery_2048.bmp")) {
        in.colour = (set / "synthetic-livery_2048.bmp").string();
        in.alpha = (set / "synthetic-livery_2048_a.bmp").string();
        return in;
    }
    const texlib::RgbaImage sheet = SyntheticSheet(2048);
    in.colour = (in.folder / "livery_c.bmp").string();
    in.alpha = (in.folder / "livery_a.bmp").string();
    WriteBytes(in.colour, texlib::EncodeColourBitmap(sheet));
    WriteBytes(in.alpha, texlib::EncodeAlphaBitmap(sheet));
    return in;
}

void BM_Dxt3WithMips2048(benchmark::State& state) {
    const Inputs in = PrepareInputs();
    for (auto _ : state) {
        const std::int32_t result =
            BMPScompressBMP(in.colour.c_str(), in.alpha.c_str(), 12, -1, -1, in.output.c_str());
        if (result != 0) {
            state.SkipWithError("BMPScompressBMP failed");
            break;
        }
    }
    std::filesystem::remove_all(in.folder);
}
BENCHMARK(BM_Dxt3WithMips2048)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
}  // namespace decalia::bench
