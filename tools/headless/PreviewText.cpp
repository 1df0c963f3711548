#include "PreviewText.h"

#include <cstdint>

#include "appstate/Application.h"
#include "app/ConfirmActions.h"
#include "imaging/TemplateLoading.h"
#include "platform/gdi/BmpFile.h"
#include "platform/text/Text.h"

namespace decalia::tools {
namespace {

std::string Shown(const std::string& cp1252) { return text::ToHost(cp1252); }

// The picture's mean red, green and blue, from its pixels.
std::string MeanColour(win::HBITMAP bitmap) {
    win::DIBSECTION section;
    if (!win::GetObject(bitmap, section) || section.dsBm.bmBits == nullptr) return "none";
    const win::BITMAP& bm = section.dsBm;
    std::uint64_t sums[3] = {0, 0, 0};
    for (int y = 0; y < bm.bmHeight; ++y) {
        const std::uint8_t* row = bm.bmBits + static_cast<std::size_t>(y) * static_cast<std::size_t>(bm.bmWidthBytes);
        for (int x = 0; x < bm.bmWidth; ++x)
            for (int c = 0; c < 3; ++c) sums[c] += row[x * 3 + c];
    }
    const std::uint64_t count = std::uint64_t(bm.bmWidth) * std::uint64_t(bm.bmHeight);
    if (count == 0) return "none";
    return "mean colour " + std::to_string(sums[2] / count) + ", " + std::to_string(sums[1] / count) +
           ", " + std::to_string(sums[0] / count);
}

// As a user chooses it: its line of step 1, then the step's confirmation.
bool ChooseAircraft(Application& app, const std::string& aircraft) {
    forms::ListBox& list = app.frm_SelectAircraft.lst_SelectAircraft;
    const std::string wanted = text::UCase(text::Trim(aircraft));
    for (int line = 0; line < list.ListCount(); ++line) {
        if (text::UCase(text::Trim(list.List(line))) != wanted) continue;
        list.SetListIndex(line);
        ConfirmAircraftStep(app);
        return true;
    }
    return false;
}

void PrintRow(Application& app, int row, const char* view, const std::string& saveFolder,
              std::ostream& out) {
    MainWindow& main = app.frm_Main;
    const forms::Picture& picture = main.PreviewImage.Picture();
    out << "  " << Shown(main.lst_Texture.List(row)) << " [" << view << "]: ";
    if (!picture) {
        out << "nothing shown\n";
        return;
    }
    out << picture.Width() << " x " << picture.Height() << ", " << MeanColour(picture.Handle());
    if (!saveFolder.empty()) {
        const std::string file = saveFolder + "/preview-" + std::to_string(row) + "-" + view + ".bmp";
        out << (gdi::SaveBitmapFile(picture.Handle(), file) ? " -> " + file : " (not saved)");
    }
    out << '\n';
}

}  // namespace

bool PrintPreviews(Application& app, const std::string& aircraft, const std::string& templatePath,
                   const std::string& saveFolder, std::ostream& out) {
    if (!ChooseAircraft(app, aircraft)) return false;
    MainWindow& main = app.frm_Main;
    LoadTemplate(app, templatePath);
    out << "Template " << (app.TemplateLoaded ? "loaded" : "not loaded") << ", alpha template "
        << (app.AlphaLoaded ? "loaded" : "not loaded") << '\n';
    out << "Status: " << Shown(main.lbl_Status.Caption()) << '\n';
    out << "Preview:\n";
    for (int row = 0; row < main.lst_Texture.ListCount(); ++row) {
        main.lst_Texture.SetListIndex(row);
        main.opt_Standard.SetValue(true);
        PrintRow(app, row, "standard", saveFolder, out);
        if (!main.opt_Alpha.Enabled()) continue;
        main.opt_Alpha.SetValue(true);
        PrintRow(app, row, "alpha", saveFolder, out);
    }
    return true;
}

}  // namespace decalia::tools
