#pragma once
// The application's windows on a temporary installation, with the imaging
// layer's preview installed, an aircraft read from INI text and templates
// written as real bitmap files whose pixels say where they came from.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "appstate/Application.h"
#include "config/AircraftConfiguration.h"
#include "platform/desktop/HeadlessDesktop.h"
#include "support/Installation.h"

namespace decalia::imagingtest {

// Template pixel (x, y): red x, green y, blue the high bits of both.
win::COLORREF TemplateColour(int x, int y);
// Alpha template index at (x, y); its palette is a grey ramp, so the colour
// GetPixel reports has this value in each channel.
std::uint8_t AlphaIndex(int x, int y);

struct Sheet {
    int width = 0;
    int height = 0;
    std::vector<config::SectionMapping> sections;
};
// Sheets are listed as "Sheet 0", "Sheet 1", ...

class ImagingTest : public ::testing::Test {
protected:
    desktop::HeadlessDesktop desktop;
    testsupport::Installation install;
    Application app{desktop, install.AppFolder()};
    MainWindow& main = app.frm_Main;

    ImagingTest();

    // Reads an aircraft with the template size, UseAlpha and sheets.
    void UseAircraft(int templateWidth, int templateHeight, int useAlpha,
                     const std::vector<Sheet>& sheets);
    // Writes <Templates>/<name> (and, with alpha, the "_a" companion) of the
    // size; returns the template's path.
    std::string WriteTemplate(const std::string& name, int width, int height, bool withAlpha);
    std::string TemplatePath(const std::string& name) const;
};

// A pixel of a bitmap; CLR_INVALID outside it.
win::COLORREF PixelOf(win::HBITMAP bitmap, int x, int y);
// Width and height of a bitmap, {0, 0} for none.
std::pair<int, int> SizeOf(win::HBITMAP bitmap);

}  // namespace decalia::imagingtest
