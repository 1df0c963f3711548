#include "imaging/SectionMapping.h"

#include <cmath>

#include "appstate/Application.h"
#include "platform/gdi/StretchBlt.h"

namespace decalia {

bool MapSections(Application& app, const config::TextureEntry& texture, StretchCopy copy, bool ok) {
    for (const config::SectionMapping& s : texture.Sections) {
        ok = copy(app, s.DestLeft, s.DestTop, s.DestRight - s.DestLeft, s.DestBottom - s.DestTop,
                  s.TemplateLeft, s.TemplateTop, s.TemplateRight - s.TemplateLeft,
                  s.TemplateBottom - s.TemplateTop);
    }
    return ok;
}

void SizePreviewPicture(Application& app, int width, int height) {
    app.frm_Main.previewPicture.SetWidth(width);
    app.frm_Main.previewPicture.SetHeight(height);
}

void ShowOnPreview(Application& app, const BitmapSurface& surface, int width, int height) {
    MainWindow& main = app.frm_Main;
    forms::PictureBox& picture = main.previewPicture;
    win::StretchBlt(picture.hDC(), 0, 0, static_cast<int>(std::lround(picture.Width())),
                    static_cast<int>(std::lround(picture.Height())), surface.dc, 0, 0, width,
                    height, win::SRCCOPY);
    picture.SetPicture(picture.Image());
    main.PreviewImage.SetPicture(picture.Picture());
    main.PreviewImage.Refresh();
}

}  // namespace decalia
