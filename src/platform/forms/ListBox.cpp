#include "platform/forms/ListBox.h"

#include "platform/fs/Fs.h"
#include "platform/text/Text.h"

#include <algorithm>

namespace decalia::forms {

namespace {

bool Inside(int index, std::size_t count) {
    return index >= 0 && static_cast<std::size_t>(index) < count;
}

}  // namespace

ListControl::ListControl(const ControlSite& site, ControlKind kind) : Control(site, kind) {
    SetBackColor(win::RGB(255, 255, 255));
}

void ListControl::AddItem(std::string item) { items_.push_back(std::move(item)); }

void ListControl::AddItem(std::string item, int index) {
    if (index < 0 || static_cast<std::size_t>(index) > items_.size()) {
        return;
    }
    items_.insert(items_.begin() + index, std::move(item));
    if (listIndex_ >= index) {
        ++listIndex_;
    }
}

void ListControl::RemoveItem(int index) {
    if (!Inside(index, items_.size())) {
        return;
    }
    items_.erase(items_.begin() + index);
    if (listIndex_ == index) {
        listIndex_ = -1;
    } else if (listIndex_ > index) {
        --listIndex_;
    }
}

void ListControl::Clear() {
    items_.clear();
    listIndex_ = -1;
}

std::string ListControl::List(int index) const {
    return Inside(index, items_.size()) ? items_[static_cast<std::size_t>(index)] : std::string();
}

void ListControl::SetList(int index, std::string item) {
    if (Inside(index, items_.size())) {
        items_[static_cast<std::size_t>(index)] = std::move(item);
    }
}

bool ListControl::SetListIndex(int index) {
    if (index != -1 && !Inside(index, items_.size())) {
        return false;
    }
    if (index != listIndex_) {
        Select(index);
        if (index >= 0) {
            Click.Raise();
        }
    }
    return true;
}

void ListControl::Select(int index) {
    listIndex_ = index;
    OnSelected();
}

win::LRESULT ListControl::WindowProc(win::UINT message, win::WPARAM wParam, win::LPARAM lParam) {
    switch (message) {
    case win::LB_SETCURSEL:
    case win::CB_SETCURSEL: {
        const auto index = static_cast<int>(static_cast<win::LPARAM>(wParam));
        if (index != -1 && !Inside(index, items_.size())) {
            return -1;
        }
        Select(index);
        return index;
    }
    case win::OCM_COMMAND:
        if (win::HIWORD(wParam) == win::LBN_SELCHANGE) {
            Click.Raise();
        } else if (win::HIWORD(wParam) == win::LBN_DBLCLK) {
            DblClick.Raise();
        }
        return 0;
    default:
        return Control::WindowProc(message, wParam, lParam);
    }
}

ComboBox::ComboBox(const ControlSite& site, int style)
    : ListControl(site, ControlKind::ComboBox), style_(style) {}

bool ComboBox::SetText(std::string text) {
    if (style_ == vbComboDropdownList) {
        const auto found = std::find(items_.begin(), items_.end(), text);
        if (found == items_.end()) {
            return false;
        }
        return SetListIndex(static_cast<int>(found - items_.begin()));
    }
    if (text != text_) {
        text_ = std::move(text);
        SetWindowText(text_);
        Change.Raise();
    }
    return true;
}

void ComboBox::OnSelected() {
    text_ = List(ListIndex());
    SetWindowText(text_);
}

void ComboBox::OnCharacter(int code) {
    constexpr int kBackspace = 8;
    if (style_ == vbComboDropdownList) {
        return;
    }
    // An edited text is no line of the list, even when it reads like one.
    if (code == kBackspace || code >= ' ') {
        ForgetSelection();
    }
    if (code == kBackspace) {
        if (!text_.empty()) {
            SetText(text_.substr(0, text_.size() - 1));
        }
    } else if (code >= ' ') {
        SetText(text_ + static_cast<char>(code));
    }
}

void FileListBox::SetPath(std::string path) {
    path_ = std::move(path);
    Refresh();
}

void FileListBox::SetPattern(std::string pattern) {
    pattern_ = std::move(pattern);
    Refresh();
}

void FileListBox::Refresh() {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start <= pattern_.size()) {
        const std::size_t end = std::min(pattern_.find(';', start), pattern_.size());
        const std::string one = text::Trim(pattern_.substr(start, end - start));
        if (!one.empty()) {
            for (std::string& name : fs::ListFiles(path_, one)) {
                names.push_back(std::move(name));
            }
        }
        start = end + 1;
    }
    std::stable_sort(names.begin(), names.end(), text::LessNoCase);
    names.erase(std::unique(names.begin(), names.end()), names.end());
    Clear();
    for (std::string& name : names) {
        AddItem(std::move(name));
    }
}

}  // namespace decalia::forms
