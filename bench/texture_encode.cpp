// Block encoding speed and quality over the image set (1024 x 1024 sheets):
// single-thread megapixels per second with mean and worst RGB PSNR per
// encoder and format, and the default encoder on every core.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <limits>

#include "texture_images.h"
#include "texlib/BlockCodec.h"
#include "texlib/Parallel.h"
#include "texlib/Psnr.h"

namespace decalia::bench {
namespace {

using texlib::Quality;
using texlib::TextureFormat;

const std::vector<BenchImage>& Images() {
    static const std::vector<BenchImage> images = LoadImageSet(1024);
    return images;
}

void Encode(benchmark::State& state, TextureFormat format, Quality quality, unsigned threads) {
    const auto& images = Images();
    std::vector<std::vector<std::uint8_t>> encoded(images.size());
    std::size_t pixels = 0;
    for (auto _ : state) {
        for (std::size_t i = 0; i < images.size(); ++i) {
            encoded[i] = texlib::EncodeBlocks(images[i].image, format, {quality, threads, {}});
            pixels += images[i].image.pixels.size() / 4;
        }
    }
    double sum = 0.0;
    double worst = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < images.size(); ++i) {
        const auto& source = images[i].image;
        texlib::RgbaImage decoded = texlib::DecodeBlocks(encoded[i], source.width, source.height, format);
        const double rgb = texlib::ComputePsnr(source, decoded)->rgb;
        sum += rgb;
        worst = std::min(worst, rgb);
    }
    state.counters["MPix/s"] = benchmark::Counter(static_cast<double>(pixels) / 1e6, benchmark::Counter::kIsRate);
    state.counters["meanPSNR"] = sum / static_cast<double>(images.size());
    state.counters["worstPSNR"] = worst;
    state.counters["images"] = static_cast<double>(images.size());
    state.counters["threads"] = threads;
}

void Register() {
    struct Encoder {
        const char* name;
        Quality quality;
    };
    const Encoder encoders[] = {{"stb_normal", Quality::Fast},
                                {"stb_highqual", Quality::Default},
                                {"squish_clusterfit", Quality::Maximum}};
    const std::pair<const char*, TextureFormat> formats[] = {{"DXT1", TextureFormat::Dxt1},
                                                             {"DXT3", TextureFormat::Dxt3}};
    for (const auto& [formatName, format] : formats) {
        for (const Encoder& encoder : encoders) {
            benchmark::RegisterBenchmark(
                (std::string(formatName) + "/" + encoder.name + "/1thread").c_str(),
                [format, encoder](benchmark::State& s) { Encode(s, format, encoder.quality, 1); })
                ->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
        }
        benchmark::RegisterBenchmark(
            (std::string(formatName) + "/stb_highqual/allcores").c_str(),
            [format](benchmark::State& s) { Encode(s, format, Quality::Default, texlib::HardwareThreads()); })
            ->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
    }
}

const bool kRegistered = (Register(), true);

}  // namespace
}  // namespace decalia::bench
