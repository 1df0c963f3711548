#include "platform/forms/TextBox.h"

#include <algorithm>

namespace decalia::forms {

namespace {

constexpr int kBackspace = 8;
constexpr int kFirstPrintable = 32;

}  // namespace

TextBox::TextBox(const ControlSite& site) : Control(site, ControlKind::TextBox) {
    SetBackColor(win::RGB(255, 255, 255));
}

void TextBox::SetText(std::string text) {
    if (text == text_) {
        return;
    }
    text_ = std::move(text);
    selStart_ = 0;
    selLength_ = 0;
    SetWindowText(text_);
    Change.Raise();
}

void TextBox::SetSelStart(int start) {
    selStart_ = std::clamp(start, 0, static_cast<int>(text_.size()));
    selLength_ = 0;
}

void TextBox::SetSelLength(int length) {
    selLength_ = std::clamp(length, 0, static_cast<int>(text_.size()) - selStart_);
}

std::string TextBox::SelText() const {
    return text_.substr(static_cast<std::size_t>(selStart_), static_cast<std::size_t>(selLength_));
}

void TextBox::ReplaceSelection(const std::string& with) {
    std::string text = text_;
    text.replace(static_cast<std::size_t>(selStart_), static_cast<std::size_t>(selLength_), with);
    const int caret = selStart_ + static_cast<int>(with.size());
    if (text == text_) {
        selStart_ = caret;
        selLength_ = 0;
        return;
    }
    text_ = std::move(text);
    selStart_ = caret;
    selLength_ = 0;
    SetWindowText(text_);
    Change.Raise();
}

void TextBox::OnCharacter(int code) {
    if (locked_) {
        return;
    }
    if (code == kBackspace) {
        if (selLength_ == 0 && selStart_ > 0) {
            --selStart_;
            selLength_ = 1;
        }
        ReplaceSelection("");
        return;
    }
    if (code < kFirstPrintable) {
        return;
    }
    const bool full = maxLength_ > 0 &&
                      static_cast<int>(text_.size()) - selLength_ >= maxLength_;
    if (!full) {
        ReplaceSelection(std::string(1, static_cast<char>(code)));
    }
}

}  // namespace decalia::forms
