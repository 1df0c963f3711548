#include "win32/FormScene.h"

#include <algorithm>

#include "platform/forms/Forms.h"
#include "platform/gdi/Dib.h"
#include "platform/gdi/DibPixels.h"
#include "win32/ChildControl.h"

namespace decalia::win32 {
namespace {

constexpr Color kBorderGrey = 0x969696;
constexpr Color kDisabledGrey = 0xA0A0A0;

struct SceneContext {
    forms::Runtime& runtime;
    int dotsPerInch;
    std::vector<std::vector<std::uint8_t>>& converted;
    PaintList steps;
};

Rect Intersect(const Rect& a, const Rect& b) {
    return Rect{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom)};
}

// The bitmap's pixels as they are (24 or 32 bits), else expanded to 32 bits.
PixelView PixelsOf(SceneContext& context, win::HBITMAP bitmap) {
    win::DIBSECTION section;
    if (win::GetObject(bitmap, section) && section.dsBm.bmBits != nullptr &&
        (section.dsBm.bmBitsPixel == 24 || section.dsBm.bmBitsPixel == 32))
        return PixelView{section.dsBm.bmBits, section.dsBm.bmWidth, section.dsBm.bmHeight,
                         section.dsBm.bmBitsPixel, section.dsBmih.biHeight > 0};
    auto expanded = gdi::ReadPixels32(bitmap);
    if (!expanded) return {};
    const std::vector<std::uint8_t>& pixels = context.converted.emplace_back(std::move(expanded->bytes));
    return PixelView{pixels.data(), expanded->width, expanded->height, 32, false};
}

void Fill(SceneContext& context, const Rect& area, const Rect& clip, Color color) {
    PaintStep step;
    step.kind = PaintStep::Kind::Fill;
    step.area = area;
    step.clip = clip;
    step.color = color;
    context.steps.push_back(std::move(step));
}

void Pixels(SceneContext& context, win::HBITMAP bitmap, const Rect& area, const Rect& clip,
            bool stretch) {
    PaintStep step;
    step.kind = PaintStep::Kind::Pixels;
    step.area = area;
    step.clip = clip;
    step.pixels = PixelsOf(context, bitmap);
    step.stretch = stretch;
    if (step.pixels.bits != nullptr) context.steps.push_back(std::move(step));
}

void AddCanvas(SceneContext& context, forms::Canvas& canvas, const Rect& area, const Rect& clip) {
    if (canvas.AutoRedraw() && canvas.hDC()) {
        // The persistent drawing already holds the background and the picture.
        Pixels(context, win::GetCurrentObject(canvas.hDC(), win::OBJ_BITMAP), area, clip, false);
    } else {
        Fill(context, area, clip, canvas.BackColor());
        if (canvas.Picture()) Pixels(context, canvas.Picture().Handle(), area, clip, false);
    }
    const auto* box = dynamic_cast<const forms::PictureBox*>(&canvas);
    if (box == nullptr || box->BorderStyle() != 1) return;
    Fill(context, {area.left, area.top, area.right, area.top + 1}, clip, kBorderGrey);
    Fill(context, {area.left, area.bottom - 1, area.right, area.bottom}, clip, kBorderGrey);
    Fill(context, {area.left, area.top, area.left + 1, area.bottom}, clip, kBorderGrey);
    Fill(context, {area.right - 1, area.top, area.right, area.bottom}, clip, kBorderGrey);
}

TextAlign AlignOf(int alignment) {
    switch (alignment) {
    case 1: return TextAlign::Right;
    case 2: return TextAlign::Centre;
    default: return TextAlign::Left;
    }
}

void AddLabel(SceneContext& context, forms::Label& label, const Rect& area, const Rect& clip) {
    if (label.BackStyle() == 1) Fill(context, area, clip, label.BackColor());
    PaintStep step;
    step.kind = PaintStep::Kind::Text;
    step.area = area;
    step.clip = clip;
    step.color = label.Enabled() ? label.ForeColor() : kDisabledGrey;
    step.text = label.Caption();
    step.font = ScreenFont(label.Font(), context.dotsPerInch);
    step.align = AlignOf(label.Alignment());
    context.steps.push_back(std::move(step));
}

void AddFrame(SceneContext& context, forms::Frame& frame, const Rect& area, const Rect& clip) {
    PaintStep step;
    step.kind = PaintStep::Kind::Frame;
    step.area = area;
    step.clip = clip;
    step.color = frame.ForeColor();
    step.backColor = frame.BackColor();
    step.text = frame.Caption();
    step.font = ScreenFont(frame.Font(), context.dotsPerInch);
    context.steps.push_back(std::move(step));
}

void AddControl(SceneContext& context, forms::Control& control, const Rect& area,
                const Rect& clip) {
    if (auto* canvas = dynamic_cast<forms::Canvas*>(&control)) {
        AddCanvas(context, *canvas, area, clip);
    } else if (auto* label = dynamic_cast<forms::Label*>(&control)) {
        AddLabel(context, *label, area, clip);
    } else if (auto* image = dynamic_cast<forms::Image*>(&control)) {
        if (image->Picture())
            Pixels(context, image->Picture().Handle(), area, clip, image->Stretch());
    } else if (auto* frame = dynamic_cast<forms::Frame*>(&control)) {
        AddFrame(context, *frame, area, clip);
    }
}

void AddWindow(SceneContext& context, win::HWND window, int left, int top, const Rect& clip) {
    forms::Control* control = context.runtime.FromHandle(window);
    win::RECT client;
    if (control == nullptr || !control->Visible() ||
        !context.runtime.Windows().GetClientRect(window, client))
        return;
    const Rect area{left, top, left + client.right, top + client.bottom};
    const Rect shown = Intersect(area, clip);
    if (shown.Empty() || ChildKindOf(*control)) return;
    AddControl(context, *control, area, shown);
    for (const win::HWND child : context.runtime.Windows().Children(window)) {
        if (const auto rect = context.runtime.Windows().WindowRect(child))
            AddWindow(context, child, left + rect->left, top + rect->top, shown);
    }
}

}  // namespace

PaintList SceneOf(forms::Form& form, int dotsPerInch,
                  std::vector<std::vector<std::uint8_t>>& converted) {
    if (form.hWnd() == 0) return {};
    SceneContext context{form.GetRuntime(), dotsPerInch, converted, {}};
    AddWindow(context, form.hWnd(), 0, 0, Rect{0, 0, 1 << 15, 1 << 15});
    return std::move(context.steps);
}

}  // namespace decalia::win32
