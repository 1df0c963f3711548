#pragma once
// One real top-level window (WS_POPUP) for a form: placed, shaped by a window
// region, painted from a paint list, with a mouse cursor of its own. What the
// user does on it goes to its WindowInput; notifications of its real child
// controls go to those controls (NativeChild).

#include <memory>
#include <optional>
#include <vector>

#include "win32/NativeTypes.h"

namespace decalia::win32 {

class WindowInput {
public:
    virtual ~WindowInput() = default;
    // Points are the window's client pixels.
    virtual void PointerMoved(int x, int y, KeyState keys) = 0;
    virtual void ButtonPressed(int x, int y, Button button, KeyState keys) = 0;
    virtual void ButtonReleased(int x, int y, Button button, KeyState keys) = 0;
    virtual void DoubleClicked(int x, int y, Button button, KeyState keys) = 0;
    virtual void PointerLeft() = 0;
    // A character typed while the window itself has the keyboard.
    virtual void CharacterTyped(char character) = 0;
    virtual PaintList Paint() = 0;
};

class NativeWindow {
public:
    explicit NativeWindow(WindowInput& input);
    ~NativeWindow();
    NativeWindow(const NativeWindow&) = delete;
    NativeWindow& operator=(const NativeWindow&) = delete;

    NativeHandle Handle() const;
    WindowInput& Input() const { return input_; }

    // On the screen.
    void Place(const Rect& rect);
    Rect Placement() const;
    // The region the window shows; empty for the whole rectangle.
    void Shape(const std::vector<Rect>& rects);
    // The window's real region as the system holds it; nothing without one.
    std::optional<std::vector<Rect>> RealShape() const;
    void Show();
    void Hide();
    bool Shown() const;
    void Enable(bool enable);
    void TakeFocus();
    bool HasFocus() const;
    // Null for the arrow.
    void SetCursor(const CursorPixels* cursor);
    // Paints the area now, without waiting for the message loop.
    void PaintNow(const Rect& area);
    void Invalidate();
    // The system's own move loop, as a press on a caption starts it; how far
    // the window went.
    std::pair<int, int> RunMoveLoop();

    struct Impl;

private:
    WindowInput& input_;
    std::unique_ptr<Impl> impl_;
};

}  // namespace decalia::win32
