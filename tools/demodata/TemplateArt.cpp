#include "TemplateArt.h"

#include <algorithm>

#include "GreyBitmap.h"
#include "LabelFont.h"
#include "OrientationMark.h"
#include "SheetColours.h"
#include "platform/text/Text.h"

namespace decalia::demodata {
namespace {

using artwork::Raster;
using artwork::Rgb;

constexpr Rgb kBackground = {46, 48, 54};
constexpr Rgb kGridLine = {70, 74, 82};
constexpr int kGridStep = 256;
constexpr int kFrame = 6;
constexpr int kBandWidth = 64;
constexpr int kMaxLabelScale = 24;

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct SectionUse {
    std::size_t sheet = 0;
    std::size_t section = 0;
    bool mirroredX = false;
    bool mirroredY = false;
};

// One area of the template and every section that is cut from exactly it.
struct Area {
    Rect rect;
    std::vector<SectionUse> uses;
};

Rect TemplateRect(const config::SectionMapping& s, int width, int height) {
    Rect r{std::min<int>(s.TemplateLeft, s.TemplateRight), std::min<int>(s.TemplateTop, s.TemplateBottom),
           std::max<int>(s.TemplateLeft, s.TemplateRight), std::max<int>(s.TemplateTop, s.TemplateBottom)};
    r.left = std::clamp(r.left, 0, width);
    r.right = std::clamp(r.right, 0, width);
    r.top = std::clamp(r.top, 0, height);
    r.bottom = std::clamp(r.bottom, 0, height);
    return r;
}

bool SignsDiffer(int a, int b) { return (a < 0) != (b < 0); }

std::vector<Area> TemplateAreas(const config::AircraftConfiguration& record) {
    std::vector<Area> areas;
    for (std::size_t t = 0; t < record.Textures.size(); ++t) {
        const auto& sections = record.Textures[t].Sections;
        for (std::size_t s = 0; s < sections.size(); ++s) {
            const config::SectionMapping& m = sections[s];
            const Rect rect = TemplateRect(m, record.TemplateSizeX, record.TemplateSizeY);
            if (rect.Width() <= 0 || rect.Height() <= 0) continue;
            const SectionUse use{t, s, SignsDiffer(m.TemplateRight - m.TemplateLeft, m.DestRight - m.DestLeft),
                                 SignsDiffer(m.TemplateBottom - m.TemplateTop, m.DestBottom - m.DestTop)};
            auto same = std::find_if(areas.begin(), areas.end(), [&](const Area& a) { return a.rect == rect; });
            if (same == areas.end()) areas.push_back({rect, {use}});
            else same->uses.push_back(use);
        }
    }
    return areas;
}

void DrawGrid(Raster& colour) {
    for (int x = kGridStep; x < colour.Width(); x += kGridStep) colour.FillRect(x - 1, 0, x + 1, colour.Height(), kGridLine);
    for (int y = kGridStep; y < colour.Height(); y += kGridStep) colour.FillRect(0, y - 1, colour.Width(), y + 1, kGridLine);
}

void FrameArea(Raster& raster, const Rect& r, Rgb ink) {
    raster.FillRect(r.left, r.top, r.right, r.top + kFrame, ink);
    raster.FillRect(r.left, r.bottom - kFrame, r.right, r.bottom, ink);
    raster.FillRect(r.left, r.top, r.left + kFrame, r.bottom, ink);
    raster.FillRect(r.right - kFrame, r.top, r.right, r.bottom, ink);
}

// Shared areas are striped in the colours of all their sheets.
void FillColour(Raster& colour, const Area& area) {
    const Rect& r = area.rect;
    if (area.uses.size() == 1) {
        colour.FillRect(r.left, r.top, r.right, r.bottom, SheetFill(area.uses[0].sheet));
        return;
    }
    for (int x = r.left, band = 0; x < r.right; x += kBandWidth, ++band)
        colour.FillRect(x, r.top, std::min(x + kBandWidth, r.right), r.bottom,
                        SheetFill(area.uses[static_cast<std::size_t>(band) % area.uses.size()].sheet));
}

// Four bands from the sheet's full alpha level down to a quarter of it.
void FillAlpha(Raster& alpha, const Area& area) {
    const Rect& r = area.rect;
    const int level = SheetAlpha(area.uses[0].sheet);
    for (int band = 0; band < 4; ++band)
        alpha.FillRect(r.left, r.top + r.Height() * band / 4, r.right, r.top + r.Height() * (band + 1) / 4,
                       Grey(static_cast<std::uint8_t>(level * (4 - band) / 4)));
}

struct LabelLine {
    std::string text;
    std::size_t sheet;
    bool small;
};

std::vector<LabelLine> LabelLines(const config::AircraftConfiguration& record, const Area& area) {
    std::vector<LabelLine> lines;
    for (const SectionUse& use : area.uses) {
        lines.push_back({text::Trim(record.Textures[use.sheet].ViewName) + " " +
                             text::Format00(static_cast<std::int64_t>(use.section)),
                         use.sheet, false});
        if (use.mirroredX) lines.push_back({"mirrored left-right", use.sheet, true});
        if (use.mirroredY) lines.push_back({"mirrored top-bottom", use.sheet, true});
    }
    return lines;
}

int LineScale(const LabelLine& line, int scale) { return line.small ? std::max(1, scale * 2 / 3) : scale; }

int LinesHeight(const std::vector<LabelLine>& lines, int scale) {
    int height = 0;
    for (const LabelLine& line : lines) height += LabelHeight(LineScale(line, scale)) * 3 / 2;
    return height;
}

// Lines centred in the area, as large as its width and height allow.
void DrawLabels(Raster& colour, Raster& alpha, const Area& area, const std::vector<LabelLine>& lines) {
    const Rect& r = area.rect;
    int scale = kMaxLabelScale;
    for (const LabelLine& line : lines)
        if (!line.small) scale = std::min(scale, LabelScaleToFit(line.text, r.Width() * 17 / 20, kMaxLabelScale));
    while (scale > 1 && LinesHeight(lines, scale) > r.Height() * 3 / 5) --scale;
    int y = r.top + (r.Height() - LinesHeight(lines, scale)) / 2;
    for (const LabelLine& line : lines) {
        const int s = LineScale(line, scale);
        const int x = r.left + (r.Width() - LabelWidth(line.text, s)) / 2;
        DrawLabel(colour, x, y, line.text, s, SheetInk(line.sheet));
        DrawLabel(alpha, x, y, line.text, s, Grey(0));
        y += LabelHeight(s) * 3 / 2;
    }
}

void DrawArea(Raster& colour, Raster& alpha, const config::AircraftConfiguration& record, const Area& area) {
    const Rect& r = area.rect;
    const Rgb ink = SheetInk(area.uses[0].sheet);
    FillColour(colour, area);
    FillAlpha(alpha, area);
    FrameArea(colour, r, ink);
    FrameArea(alpha, r, Grey(0));
    const MarkBox box{r.left + kFrame, r.top + kFrame, r.right - kFrame, r.bottom - kFrame};
    DrawOrientationMark(colour, box, ink);
    DrawOrientationMark(alpha, box, Grey(0));
    DrawLabels(colour, alpha, area, LabelLines(record, area));
}

}  // namespace

void WriteTemplatePair(const DemoAircraft& aircraft, const std::string& templatePath,
                       const std::string& alphaPath, Output& out) {
    const config::AircraftConfiguration& record = aircraft.record;
    if (record.TemplateSizeX <= 0 || record.TemplateSizeY <= 0) {
        out.Fail("the template size is not positive");
        return;
    }
    Raster colour(record.TemplateSizeX, record.TemplateSizeY, kBackground);
    Raster alpha(record.TemplateSizeX, record.TemplateSizeY, Grey(255));
    DrawGrid(colour);
    for (const Area& area : TemplateAreas(record)) DrawArea(colour, alpha, record, area);
    out.Bitmap24(templatePath, colour);
    out.BitmapGrey8(alphaPath, alpha);
}

}  // namespace decalia::demodata
