// Block encoding speed and quality over the image set (2048 x 2048 sheets, or
// the side in KWDDS_BENCH_SIDE): megapixels per second on one thread (CPU
// time) and on two (wall time), mean and worst image RGB PSNR and the worst
// 4 x 4 block's RGB RMSE, for our encoder and the ones we compare it with.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "texture_images.h"
#include "texlib/BlockCodec.h"
#include "texlib/Psnr.h"

namespace decalia::bench {
namespace {

using texlib::Quality;
using texlib::TextureFormat;

std::uint32_t Side() {
    const char* side = std::getenv("KWDDS_BENCH_SIDE");
    return side != nullptr ? static_cast<std::uint32_t>(std::atoi(side)) : 2048u;
}

const std::vector<BenchImage>& Images() {
    static const std::vector<BenchImage> images = LoadImageSet(Side());
    return images;
}

// The largest RMS error of the RGB samples of one 4 x 4 block.
double WorstBlockRmse(const texlib::RgbaImage& a, const texlib::RgbaImage& b) {
    double worst = 0.0;
    for (std::uint32_t by = 0; by < a.height; by += 4) {
        for (std::uint32_t bx = 0; bx < a.width; bx += 4) {
            double sum = 0.0;
            int samples = 0;
            for (std::uint32_t y = by; y < std::min(by + 4, a.height); ++y) {
                for (std::uint32_t x = bx; x < std::min(bx + 4, a.width); ++x) {
                    for (std::size_t c = 0; c < 3; ++c) {
                        const double d = a.Pixel(x, y)[c] - b.Pixel(x, y)[c];
                        sum += d * d;
                        ++samples;
                    }
                }
            }
            worst = std::max(worst, std::sqrt(sum / samples));
        }
    }
    return worst;
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
    double worstBlock = 0.0;
    for (std::size_t i = 0; i < images.size(); ++i) {
        const auto& source = images[i].image;
        texlib::RgbaImage decoded = texlib::DecodeBlocks(encoded[i], source.width, source.height, format);
        const double rgb = texlib::ComputePsnr(source, decoded)->rgb;
        sum += rgb;
        worst = std::min(worst, rgb);
        worstBlock = std::max(worstBlock, WorstBlockRmse(source, decoded));
    }
    state.counters["MPix/s"] = benchmark::Counter(static_cast<double>(pixels) / 1e6, benchmark::Counter::kIsRate);
    state.counters["meanPSNR"] = sum / static_cast<double>(images.size());
    state.counters["worstPSNR"] = worst;
    state.counters["worstBlockRMSE"] = worstBlock;
    state.counters["images"] = static_cast<double>(images.size());
    state.counters["threads"] = threads;
}

void Register() {
    struct Encoder {
        const char* name;
        Quality quality;
    };
    const Encoder encoders[] = {{"stb_normal", Quality::StbNormal}, {"stb_highqual", Quality::Stb},
                                {"squish_clusterfit", Quality::Squish}, {"ours_fast", Quality::Fast},
                                {"ours_default", Quality::Default}, {"ours_maximum", Quality::Maximum}};
    const std::pair<const char*, TextureFormat> formats[] = {{"DXT1", TextureFormat::Dxt1},
                                                             {"DXT3", TextureFormat::Dxt3}};
    for (const auto& [formatName, format] : formats) {
        for (const Encoder& encoder : encoders) {
            const std::string name = std::string(formatName) + "/" + encoder.name;
            // One thread is timed by CPU time, two by the wall clock.
            benchmark::RegisterBenchmark(
                (name + "/1thread").c_str(),
                [format, encoder](benchmark::State& s) { Encode(s, format, encoder.quality, 1); })
                ->Iterations(1)->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark(
                (name + "/2threads").c_str(),
                [format, encoder](benchmark::State& s) { Encode(s, format, encoder.quality, 2); })
                ->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
        }
    }
}

const bool kRegistered = (Register(), true);

}  // namespace
}  // namespace decalia::bench
