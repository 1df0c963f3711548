#include "SkinArtwork.h"

#include <functional>

namespace decalia::artwork {
namespace {

constexpr Rgb kPanel{236, 238, 240};
constexpr Rgb kPanelEdge{172, 182, 196};
constexpr Rgb kHeaderTop{44, 84, 132};
constexpr Rgb kHeaderBottom{22, 52, 94};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kCheckGreen{36, 150, 60};

enum class Look { Enabled, Highlight, Down, Disabled };
constexpr Look kLooks[] = {Look::Enabled, Look::Highlight, Look::Down, Look::Disabled};

using Icon = std::function<void(Raster&, double cx, double cy, Rgb ink)>;

Rgb FaceColour(Look look) {
    switch (look) {
        case Look::Enabled: return {127, 155, 187};
        case Look::Highlight: return {158, 186, 218};
        case Look::Down: return {86, 112, 146};
        case Look::Disabled: return {190, 192, 196};
    }
    return {};
}

Rgb InkColour(Look look) { return look == Look::Disabled ? Rgb{150, 152, 156} : kWhite; }

// One frame: a rounded face on the skin's panel colour, pressed frames sunk by
// a pixel so the button seems to move.
Raster ButtonFrame(int width, int height, Look look, const Icon& icon) {
    Raster frame(width, height, kPanel);
    const Rgb face = FaceColour(look);
    const int inset = 1;
    Raster body(width - 2 * inset, height - 2 * inset);
    body.FillGradient(0, 0, body.Width(), body.Height(), Mix(face, kWhite, 0.25), Mix(face, Rgb{}, 0.1));
    body.ClearOutsideRoundedRect(0, 0, body.Width(), body.Height(), std::min(8, body.Height() / 3), kPanel);
    frame.Blit(body, inset, inset);
    const double shift = look == Look::Down ? 1.0 : 0.0;
    icon(frame, width / 2.0 + shift, height / 2.0 + shift, InkColour(look));
    return frame;
}

Raster Strip(int width, int height, const Icon& icon) {
    Raster strip(width, height * 4);
    int top = 0;
    for (Look look : kLooks) {
        strip.Blit(ButtonFrame(width, height, look, icon), 0, top);
        top += height;
    }
    return strip;
}

Icon Cross() {
    return [](Raster& r, double cx, double cy, Rgb ink) {
        r.Line(cx - 7, cy - 7, cx + 7, cy + 7, 3, ink);
        r.Line(cx - 7, cy + 7, cx + 7, cy - 7, 3, ink);
    };
}

Icon Question() {
    return [](Raster& r, double cx, double cy, Rgb ink) {
        r.Text(int(cx) - 5, int(cy) - 7, "?", 2, ink);
    };
}

Icon Circle(bool checked) {
    return [checked](Raster& r, double cx, double cy, Rgb ink) {
        r.Ring(cx, cy, 10, 2.5, ink);
        if (!checked) return;
        const Rgb mark = ink == kWhite ? kCheckGreen : ink;
        r.FillCircle(cx, cy, 8.5, kWhite);
        r.Line(cx - 5, cy, cx - 1.5, cy + 4, 3, mark);
        r.Line(cx - 1.5, cy + 4, cx + 5.5, cy - 5, 3, mark);
    };
}

Icon Arrow(int direction) {
    return [direction](Raster& r, double cx, double cy, Rgb ink) {
        const double d = direction;
        r.Line(cx - 8 * d, cy, cx + 7 * d, cy, 3, ink);
        r.Line(cx + 7 * d, cy, cx + 1 * d, cy - 6, 3, ink);
        r.Line(cx + 7 * d, cy, cx + 1 * d, cy + 6, 3, ink);
    };
}

// Captions too wide for one line are broken at their spaces.
Icon Caption(std::string text) {
    return [text](Raster& r, double cx, double cy, Rgb ink) {
        std::vector<std::string> lines{text};
        if (Raster::TextWidth(text, 2) > r.Width() - 12) {
            lines.clear();
            std::size_t start = 0;
            for (std::size_t space; (space = text.find(' ', start)) != std::string::npos; start = space + 1)
                lines.push_back(text.substr(start, space - start));
            lines.push_back(text.substr(start));
        }
        const int lineHeight = 18;
        int top = int(cy) - (int(lines.size()) * lineHeight - 4) / 2;
        for (const auto& line : lines) {
            r.Text(int(cx) - Raster::TextWidth(line, 2) / 2, top, line, 2, ink);
            top += lineHeight;
        }
    };
}

// A skinned window: a header band, a light body and a thin edge, cut to a
// rounded outline.
Raster Background(int width, int height, int radius, int headerHeight) {
    Raster r(width, height, kPanel);
    r.FillGradient(0, 0, width, headerHeight, kHeaderTop, kHeaderBottom);
    r.FillRect(0, headerHeight, width, headerHeight + 2, kPanelEdge);
    r.FrameRect(0, 0, width, height, kPanelEdge);
    r.Text(radius, headerHeight / 2 - 7, "DECALIA", 2, kWhite);
    r.ClearOutsideRoundedRect(0, 0, width, height, radius, kCutAway);
    return r;
}

}  // namespace

Raster MainBackground() {
    Raster r = Background(800, 600, 28, 64);
    // Panels behind the step column, the preview and the status line.
    r.FrameRect(12, 140, 420, 450, kPanelEdge);
    r.FrameRect(440, 80, 788, 540, kPanelEdge);
    r.FillRect(12, 530, 420, 580, Rgb{226, 230, 236});
    r.FrameRect(12, 530, 420, 580, kPanelEdge);
    return r;
}

Raster WizardBackground() { return Background(400, 300, 20, 44); }

std::vector<StripPicture> ButtonStrips() {
    return {
        {"Close", Strip(33, 35, Cross())},
        {"Help", Strip(33, 35, Question())},
        {"Empty", Strip(33, 35, Circle(false))},
        {"Check", Strip(33, 35, Circle(true))},
        {"Next", Strip(33, 35, Arrow(+1))},
        {"Previous", Strip(33, 35, Arrow(-1))},
        {"Wizard", Strip(166, 50, Caption("WIZARD"))},
        {"CreateAircraft", Strip(166, 50, Caption("CREATE AIRCRAFT"))},
    };
}

}  // namespace decalia::artwork
