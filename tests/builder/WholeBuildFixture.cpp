#include "WholeBuildFixture.h"

#include "appstate/CurrentConfiguration.h"
#include "config/AircraftCatalogue.h"
#include "imaging/BitmapSurfaces.h"
#include "imaging/Composition.h"
#include "imaging/TemplateLoading.h"
#include "platform/text/Text.h"
#include "support/TempDir.h"

namespace decalia::buildertest {

namespace stdfs = std::filesystem;

WholeBuildTest::WholeBuildTest() {
    // As the main window's shaping leaves it: geometry in pixels.
    app.frm_Main.SetScaleMode(forms::ScaleMode::Pixels);
}

void WholeBuildTest::Prepare(const std::string& stem, const std::string& variation,
                             const std::string& extension, const std::string& tail,
                             const std::string& callsign) {
    install.AddDemoAircraft(stem);
    app.catalogue = config::LoadAircraftCatalogue(config::ConfigurationsFolder(app.AppFolder()));
    const auto names = app.catalogue.DisplayNames();
    std::size_t index = 0;
    while (index < names.size() &&
           app.catalogue.Entries[index].FilePath.find(stem) == std::string::npos)
        ++index;
    ASSERT_LT(index, names.size());
    ReadAircraftConfiguration(app, app.catalogue.Entries[index].FilePath);
    app.job.AircraftIndex = static_cast<std::int32_t>(index);
    app.job.AircraftName = names[index];
    const std::string templateName = text::Trim(app.configuration.DataPath) + "_Template.bmp";
    LoadTemplate(app, (install.AppDir() / "Templates" / templateName).string());
    ASSERT_TRUE(app.TemplateLoaded);
    app.job.Variation = variation;
    app.job.FolderExtension = extension;
    app.job.TailNumber = tail;
    app.job.Callsign = callsign;
}

stdfs::path WholeBuildTest::AircraftDir() const {
    return install.Root() / "SimObjects" / "Airplanes" / text::Trim(app.configuration.AircraftDirectory);
}

texlib::RgbaImage WholeBuildTest::ComposedSheet(std::size_t textureIndex) {
    ReleaseWorkSurfaces(app);
    const auto index = static_cast<std::int16_t>(textureIndex);
    EXPECT_TRUE(ComposeTextureSheet(app, index) && ComposeAlphaSheet(app, index));
    texlib::RgbaImage image;
    const auto& texture = app.configuration.Textures[textureIndex];
    image.width = static_cast<std::uint32_t>(texture.TextureSizeX);
    image.height = static_cast<std::uint32_t>(texture.TextureSizeY);
    image.pixels.resize(std::size_t{image.width} * image.height * 4);
    EXPECT_TRUE(ReadSurfacePixels(app.sheetSurface));
    EXPECT_TRUE(!app.AlphaLoaded || ReadSurfacePixels(app.alphaSheetSurface));
    const auto colourStride = (std::size_t{image.width} * 3 + 3) / 4 * 4;
    const auto alphaStride = (std::size_t{image.width} + 3) / 4 * 4;
    for (std::uint32_t y = 0; y < image.height; ++y) {
        const std::size_t row = image.height - 1 - y;  // sheets are stored bottom-up
        for (std::uint32_t x = 0; x < image.width; ++x) {
            const std::uint8_t* bgr = &app.sheetSurface.pixels[row * colourStride + x * 3];
            std::uint8_t* out = image.Pixel(x, y);
            out[0] = bgr[2];
            out[1] = bgr[1];
            out[2] = bgr[0];
            // Without an alpha template the library is handed an opaque sheet.
            const std::uint8_t level = app.AlphaLoaded ? app.alphaSheetSurface.pixels[row * alphaStride + x] : 0;
            out[3] = app.AlphaLoaded ? app.alphaSheetSurface.info.bmiColors[level].rgbRed : std::uint8_t{255};
        }
    }
    return image;
}

}  // namespace decalia::buildertest
