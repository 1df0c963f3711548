#include "Skin.h"

#include <QGuiApplication>

#include "MoveCursor.h"
#include "Raster.h"
#include "SkinArtwork.h"
#include "Sounds.h"
#include "platform/desktop/HeadlessDesktop.h"
#include "platform/forms/Forms.h"
#include "platform/fs/Fs.h"
#include "ui/Toolkit.h"
#include "ui/VbError.h"
#include "ui/clsTransForm.h"

// Fontconfig, under the fonts the skin is drawn with, keeps its caches until
// the process ends: the leak checker of sanitizer builds is told so. Ignored
// in other builds.
extern "C" const char* __lsan_default_suppressions();
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace decalia::artwork {
namespace {

struct ShapedBackground {
    const char* picture;
    const char* region;
    Raster (*draw)();
};

constexpr ShapedBackground kBackgrounds[] = {
    {"Main_Background.bmp", "MainRegion.dat", &MainBackground},
    {"Wizard_Background.bmp", "WizardRegion.dat", &WizardBackground},
};

// The region file is made the way the program reads it back: a window shows
// the background, and the shaped-window class computes and saves its outline.
void WriteRegionFile(const std::string& picturePath, const std::string& regionPath) {
    desktop::HeadlessDesktop desktop;
    forms::Runtime runtime(desktop);
    ui::Toolkit toolkit{runtime, ""};
    forms::Form window(runtime, "frm_Skin");
    const forms::Picture picture = forms::Picture::FromBitmapFile(picturePath);
    window.Load();
    window.SetSizeTwips(picture.Width() * 15.0, picture.Height() * 15.0);
    window.SetPicture(picture);
    ui::clsTransForm shape(toolkit);
    shape.ShapeMe(window, win::RGB(0, 0, 0), false, regionPath);
}

// Drawing text needs a GUI application. A program without one (the artwork
// tool, tests) gets one on the offscreen platform, kept for its whole run.
void EnsureGuiApplication() {
    if (QCoreApplication::instance() != nullptr) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "decalia-artwork";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* const application = new QGuiApplication(argc, argv);
    (void)application;
}

bool Fail(std::string& error, const std::string& what) {
    error = "cannot write " + what;
    return false;
}

}  // namespace

std::vector<std::string> SkinFileNames() {
    EnsureGuiApplication();
    std::vector<std::string> names;
    for (const auto& background : kBackgrounds) {
        names.emplace_back(background.picture);
        names.emplace_back(background.region);
    }
    for (const auto& strip : ButtonStrips()) names.push_back(strip.name + ".bmp");
    names.emplace_back("HMOVE.cur");
    names.emplace_back("Next.wav");
    return names;
}

bool WriteSkinFiles(const std::string& mediaFolder, std::string& error) {
    EnsureGuiApplication();
    const std::string folder = mediaFolder + "\\";
    for (const auto& background : kBackgrounds) {
        const std::string picture = folder + background.picture;
        if (!SaveBitmap24(background.draw(), picture)) return Fail(error, picture);
        try {
            WriteRegionFile(picture, folder + background.region);
        } catch (const ui::VbError& failure) {
            return Fail(error, folder + background.region + ": " + failure.Description);
        }
    }
    for (const auto& strip : ButtonStrips()) {
        const std::string path = folder + strip.name + ".bmp";
        if (!SaveBitmap24(strip.strip, path)) return Fail(error, path);
    }
    if (!gdi::WriteCursorFile(folder + "HMOVE.cur", MoveCursor(), gdi::CursorBits::ThirtyTwo))
        return Fail(error, folder + "HMOVE.cur");
    if (!fs::WriteAll(folder + "Next.wav", ConfirmationChimeWav())) return Fail(error, folder + "Next.wav");
    return true;
}

}  // namespace decalia::artwork
