#include "imaging/DirectX_Mod.h"

#include "appstate/Application.h"
#include "appstate/CurrentConfiguration.h"
#include "imaging/BitmapSurfaces.h"
#include "imaging/Functions_24bit.h"
#include "imaging/Functions_8bit.h"
#include "imaging/SectionMapping.h"
#include "platform/text/Text.h"

namespace decalia {
namespace {

constexpr int kTemplateScrollPage = 128;

// The texture whose view name is the list text; the first when none is.
std::size_t TextureNamed(const Application& app, const std::string& listText) {
    const auto& textures = app.configuration.Textures;
    const std::string wanted = text::Trim(listText);
    for (std::size_t t = 0; t < textures.size(); ++t)
        if (text::Trim(textures[t].ViewName) == wanted) return t;
    return 0;
}

bool DrawTemplateView(Application& app, bool alpha, int side) {
    const int scroll = app.frm_Main.Preview_Scroll.Value();
    const StretchCopy copy = alpha ? Stretch8Bit : Stretch24Bit;
    return copy(app, 0, 0, side, side, scroll, 0, side, side);
}

}  // namespace

void RenderPreview(Application& app) {
    if (app.ConfigurationLoading) return;
    ReleaseWorkSurfaces(app);
    MainWindow& main = app.frm_Main;
    const std::string listText = main.lst_Texture.Text();
    const bool entire = text::LCase(text::Trim(listText)) == text::LCase(kEntireTemplateRow);
    const int templateWidth = app.configuration.TemplateSizeX;
    const int templateHeight = app.configuration.TemplateSizeY;
    main.Preview_Scroll.SetMax(templateWidth - templateHeight);
    main.Preview_Scroll.SetLargeChange(entire ? kTemplateScrollPage : templateHeight);

    const config::TextureEntry* texture = nullptr;
    if (!entire) {
        const std::size_t t = TextureNamed(app, listText);
        if (t < app.configuration.Textures.size()) texture = &app.configuration.Textures[t];
    }
    const int width = entire ? templateHeight : (texture ? texture->TextureSizeX : 0);
    const int height = entire ? templateHeight : (texture ? texture->TextureSizeY : 0);
    const bool alpha = main.opt_Alpha.Value();
    bool ok = alpha ? Create8BitSurface(app, 8, width, height)
                    : Create24BitSurface(app, 24, width, height);
    SizePreviewPicture(app, width, height);
    if (ok) {
        ok = entire ? DrawTemplateView(app, alpha, templateHeight)
                    : MapSections(app, *texture, alpha ? Stretch8Bit : Stretch24Bit, ok);
    }
    if (!ok) return;
    ShowOnPreview(app, alpha ? app.alphaSheetSurface : app.sheetSurface, width, height);
}

void InstallPreviewRenderer(Application& app) {
    app.renderPreview = [&app] { RenderPreview(app); };
}

}  // namespace decalia
