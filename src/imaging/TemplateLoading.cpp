#include "imaging/TemplateLoading.h"

#include <algorithm>

#include "appstate/Application.h"
#include "appstate/Readiness.h"
#include "imaging/BitmapSurfaces.h"
#include "imaging/DirectX_Mod.h"
#include "imaging/Functions_24bit.h"
#include "imaging/Functions_8bit.h"
#include "platform/fs/Fs.h"
#include "platform/text/Text.h"

namespace decalia {
namespace {

void ShowStatus(Application& app, const std::string& text) {
    app.frm_Main.lbl_Status.SetCaption(text);
    app.frm_Main.lbl_Status.Refresh();
}

std::string TemplateFolder(const Application& app) {
    const std::string templates = app.AppPath("\\Templates");
    return fs::FolderExists(templates) || fs::FileExists(templates) ? templates : app.AppFolder();
}

// Without the companion the alpha view has nothing to show.
std::string LookForCompanion(Application& app, std::string_view templatePath) {
    MainWindow& main = app.frm_Main;
    std::string alphaPath = AlphaCompanionPath(templatePath);
    if (fs::FileExists(alphaPath)) {
        main.opt_Alpha.SetEnabled(true);
        main.opt_Standard.SetEnabled(true);
        return alphaPath;
    }
    ShowStatus(app, "No Alpha Channel Bitmap Found");
    main.SetMousePointer(forms::vbDefault);
    main.opt_Standard.SetValue(true);
    main.opt_Alpha.SetEnabled(false);
    app.runtime.Windows().MessageBoxA(0, kNoAlphaMessage, kProgramTitle, win::MB_OK);
    return std::string(kNoAlphaTemplate);
}

// A template of another size than the aircraft's only shows in the
// simulator, so say it while the painter can still fix it.
void ReportTemplateSize(Application& app) {
    win::BITMAP loaded;
    if (!app.TemplateLoaded || !win::GetObject(app.templateSurface.bitmap, loaded)) return;
    const int expectedWidth = app.configuration.TemplateSizeX;
    const int expectedHeight = app.configuration.TemplateSizeY;
    if (loaded.bmWidth == expectedWidth && loaded.bmHeight == expectedHeight) return;
    ShowStatus(app, "Template is " + std::to_string(loaded.bmWidth) + " x " +
                        std::to_string(loaded.bmHeight) + "; this aircraft expects " +
                        std::to_string(expectedWidth) + " x " + std::to_string(expectedHeight));
}

}  // namespace

std::string AlphaCompanionPath(std::string_view templatePath) {
    const std::string trimmed = text::Trim(templatePath);
    return trimmed.substr(0, trimmed.size() - std::min<std::size_t>(4, trimmed.size())) + "_a.bmp";
}

void ChooseTemplateFile(Application& app) {
    SelectTemplateScreen& screen = app.frm_SelectTemplate;
    EnsureLoaded(screen);
    screen.cdl.Filter = kTemplateFilter;
    screen.cdl.InitDir = TemplateFolder(app);
    if (!screen.cdl.ShowOpen() || screen.cdl.FileName().empty()) return;
    app.job.StepTemplateName = screen.cdl.FileTitle();
    app.job.StepTemplatePath = screen.cdl.FileName();
    screen.lbl_CurrentTemplate.SetCaption(app.job.StepTemplateName);
    screen.lbl_SelectedTemplate.SetCaption(app.job.StepTemplateName);
    screen.btn_Next.SetState("enabled");
}

void LoadTemplate(Application& app, std::string_view templatePath) {
    MainWindow& main = app.frm_Main;
    ShowStatus(app, "Loading Texture Template File");
    main.SetMousePointer(forms::vbHourglass);
    app.TemplateLoaded = false;
    app.AlphaLoaded = false;
    std::string alphaPath;
    if (app.configuration.UseAlpha == 1) alphaPath = LookForCompanion(app, templatePath);
    LoadTemplateBitmaps(app, templatePath, alphaPath);
    main.PreviewImage.SetVisible(true);
    main.Preview_Scroll.SetVisible(true);
    main.lst_Texture.SetEnabled(true);
    RenderPreview(app);
    main.SetMousePointer(forms::vbDefault);
    UpdateStatusLine(app);
    ReportTemplateSize(app);
}

void LoadTemplateBitmaps(Application& app, std::string_view templatePath, std::string_view alphaPath) {
    DeleteSurfaceObjects(app.templateSurface);
    DeleteSurfaceObjects(app.alphaTemplateSurface);
    if (!Load24BitBitmap(app, templatePath)) return;
    app.TemplateLoaded = true;
    if (app.configuration.UseAlpha == 1 && Load8BitBitmap(app, alphaPath)) app.AlphaLoaded = true;
}

}  // namespace decalia
