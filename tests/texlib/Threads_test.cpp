#include <gtest/gtest.h>

#include <cstdlib>

#include "TexlibFixtures.h"
#include "support/Environment.h"
#include "texlib/EncoderSettings.h"
#include "texlib/Parallel.h"
#include "texlib/SquishBlock.h"
#include "texlib/TextureWriter.h"

namespace decalia::texlib {
namespace {

TEST(Threads, TheBytesDoNotDependOnTheNumberOfWorkers) {
    const RgbaImage image = testing::PaintedImage(70, 45, 9);
    for (const TextureFormat format : {TextureFormat::Dxt1, TextureFormat::Dxt1Alpha, TextureFormat::Dxt3}) {
        for (const Quality quality : {Quality::Fast, Quality::Default, Quality::Maximum}) {
            const auto single = EncodeTexture(image, format, MipChain::Full, {quality, 1, {}});
            for (const unsigned threads : {2u, 3u, 16u}) {
                EXPECT_EQ(EncodeTexture(image, format, MipChain::Full, {quality, threads, {}}), single)
                    << FormatName(format) << " with " << threads << " threads";
            }
        }
    }
}

TEST(Threads, MaximumQualityChangesTheBlocks) {
    const RgbaImage image = testing::PaintedImage(64, 64, 4);
    EXPECT_NE(EncodeTexture(image, TextureFormat::Dxt1, MipChain::None, {Quality::Default, 2, {}}),
              EncodeTexture(image, TextureFormat::Dxt1, MipChain::None, {Quality::Maximum, 2, {}}));
}

TEST(Threads, ProgressReachesTheEnd) {
    double last = 0.0;
    EncodeOptions options{Quality::Default, 3, [&](double done) { last = std::max(last, done); }};
    (void)EncodeTexture(testing::PaintedImage(40, 40), TextureFormat::Dxt3, MipChain::Full, options);
    EXPECT_DOUBLE_EQ(last, 1.0);
}

struct EnvironmentCase {
    const char* quality;
    const char* threads;
    Quality expectedQuality;
    unsigned expectedThreads;  // 0: every core
};

TEST(Threads, TheEnvironmentChoosesQualityAndWorkers) {
    const EnvironmentCase cases[] = {
        {"maximum", "3", Quality::Maximum, 3},
        {"Fast", "2", Quality::Fast, 2},
        {"squish", "1", SquishAvailable() ? Quality::Squish : Quality::Default, 1},
        {"STB", "1", Quality::Stb, 1},
        {"MAXIMUM", "1", Quality::Maximum, 1},
        {"default", "0", Quality::Default, 0},
        {"best", "many", Quality::Default, 0},
        {"", "999", Quality::Default, 0},
    };
    for (const EnvironmentCase& c : cases) {
        testsupport::SetVariable("KWDDS_QUALITY", c.quality);
        testsupport::SetVariable("KWDDS_THREADS", c.threads);
        const EncodeOptions options = OptionsFromEnvironment();
        EXPECT_EQ(options.quality, c.expectedQuality) << c.quality;
        EXPECT_EQ(options.threads, c.expectedThreads == 0 ? HardwareThreads() : c.expectedThreads)
            << c.threads;
    }
    testsupport::ClearVariable("KWDDS_QUALITY");
    testsupport::ClearVariable("KWDDS_THREADS");
}

}  // namespace
}  // namespace decalia::texlib
