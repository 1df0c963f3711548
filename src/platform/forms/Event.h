#pragma once
// An event of a form or control: one handler, set by the window that owns it.

#include <functional>
#include <utility>

namespace decalia::forms {

template <class... Args>
class Event {
public:
    Event& operator=(std::function<void(Args...)> handler) {
        handler_ = std::move(handler);
        return *this;
    }
    explicit operator bool() const { return static_cast<bool>(handler_); }
    // Copies the handler first: it may replace itself while it runs.
    void Raise(Args... args) const {
        if (handler_) {
            const std::function<void(Args...)> handler = handler_;
            handler(std::forward<Args>(args)...);
        }
    }

private:
    std::function<void(Args...)> handler_;
};

// Mouse event arguments as the forms runtime gives them: Button (1 left,
// 2 right, 4 middle; for moves the buttons held), Shift (1 shift, 2 control),
// X and Y in the scale unit of the control (containers) or of its container.
struct MouseArgs {
    int Button = 0;
    int Shift = 0;
    double X = 0;
    double Y = 0;
};

inline constexpr int vbLeftButton = 1;
inline constexpr int vbRightButton = 2;
inline constexpr int vbMiddleButton = 4;
inline constexpr int vbShiftMask = 1;
inline constexpr int vbCtrlMask = 2;

}  // namespace decalia::forms
