#include "win32/NativeGdi.h"  // <windows.h> first

#include "NativeUser.h"

#include <cstring>
#include <deque>
#include <fstream>
#include <map>
#include <set>

#include "win32/NativeShell.h"

namespace decalia::win32test {
namespace {

using win32::AsHwnd;

constexpr int kMessageText = 0xFFFF;  // the static text of a message box
constexpr int kFileNameCombo = 0x47C;  // cmb13
constexpr int kFileNameEdit = 0x480;   // edt1

std::map<UINT_PTR, std::function<void()>>& Ticks() {
    static std::map<UINT_PTR, std::function<void()>> ticks;
    return ticks;
}

void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
    const auto found = Ticks().find(id);
    if (found == Ticks().end()) return;
    win32::Guarded([&] {
        found->second();
        return LRESULT{0};
    });
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

std::string TextOf(HWND window) {
    const int length = GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    GetWindowTextA(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

}  // namespace

void PostClick(NativeHandle window, int x, int y) {
    const LPARAM at = MAKELPARAM(x, y);
    PostMessageA(AsHwnd(window), WM_MOUSEMOVE, 0, at);
    PostMessageA(AsHwnd(window), WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(AsHwnd(window), WM_LBUTTONUP, 0, at);
}

void PostTypingOver(NativeHandle edit, std::string_view text) {
    PostMessageA(AsHwnd(edit), EM_SETSEL, 0, -1);
    for (const char character : text) PostCharacter(edit, character);
}

void PostCharacter(NativeHandle window, char character) {
    PostMessageA(AsHwnd(window), WM_CHAR, static_cast<unsigned char>(character), 1);
}

void PostChooseLine(NativeHandle control, int line) {
    HWND window = AsHwnd(control);
    const bool combo = ClassOf(window) == std::string("ComboBox");
    PostMessageA(window, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(line), 0);
    const auto id = static_cast<unsigned>(GetDlgCtrlID(window));
    PostMessageA(GetParent(window), WM_COMMAND,
                 MAKEWPARAM(id, combo ? CBN_SELCHANGE : LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(window));
}

Ticker::Ticker(int ms, std::function<void()> tick) {
    timer_ = SetTimer(nullptr, 0, static_cast<UINT>(ms), Tick);
    Ticks()[timer_] = std::move(tick);
}

Ticker::~Ticker() {
    KillTimer(nullptr, timer_);
    Ticks().erase(timer_);
}

struct DialogUser::Hook {
    HHOOK hook = nullptr;
    std::set<HWND> handled;
    std::deque<std::string> answers;
    std::vector<SeenDialog> seen;
};

namespace {

DialogUser::Hook* watching = nullptr;

void Answer(HWND dialog, std::deque<std::string>& answers, std::vector<SeenDialog>& seen) {
    SeenDialog record{TextOf(dialog), "", false};
    HWND fileName = GetDlgItem(dialog, kFileNameCombo);
    if (fileName == nullptr) fileName = GetDlgItem(dialog, kFileNameEdit);
    if (fileName == nullptr) {
        record.text = TextOf(GetDlgItem(dialog, kMessageText));
        seen.push_back(record);
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return;
    }
    record.fileDialog = true;
    seen.push_back(record);
    if (answers.empty()) {
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return;
    }
    SetWindowTextA(fileName, answers.front().c_str());
    answers.pop_front();
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam) {
    // At creation, not activation: a window of another program may keep the
    // activation to itself (tests running side by side on one display).
    if (code == HCBT_CREATEWND && watching != nullptr) {
        HWND dialog = reinterpret_cast<HWND>(wParam);
        const auto* creation = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
        const bool topLevel = (creation->lpcs->style & WS_CHILD) == 0;
        if (topLevel && ClassOf(dialog) == "#32770" && watching->handled.insert(dialog).second) {
            // Answered from the dialog's own loop, once it is fully up.
            DialogUser::Hook* user = watching;
            win32::PostTask([user, dialog] {
                if (watching == user && IsWindow(dialog)) Answer(dialog, user->answers, user->seen);
            });
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

DialogUser::DialogUser() : hook_(std::make_unique<Hook>()) {
    watching = hook_.get();
    hook_->hook = SetWindowsHookExA(WH_CBT, CbtProc, nullptr, GetCurrentThreadId());
}

DialogUser::~DialogUser() {
    UnhookWindowsHookEx(hook_->hook);
    watching = nullptr;
}

void DialogUser::AnswerOpenFile(std::string path) { hook_->answers.push_back(std::move(path)); }

const std::vector<SeenDialog>& DialogUser::Seen() const { return hook_->seen; }

void SetClipboardText(const std::string& text) {
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (memory != nullptr) {
        std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
        GlobalUnlock(memory);
        if (SetClipboardData(CF_TEXT, memory) == nullptr) GlobalFree(memory);
    }
    CloseClipboard();
}

void HandlePosted() {
    bool handled = false;
    win32::PostTask([&handled] { handled = true; });
    win32::DispatchUntil([&handled] { return handled; });
}

bool SaveScreenshot(NativeHandle window, const std::string& bmpPath) {
    RECT rect{};
    if (!GetWindowRect(AsHwnd(window), &rect)) return false;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP picture = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = SelectObject(memory, picture);
    const bool copied = BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top,
                               SRCCOPY | CAPTUREBLT) != FALSE;
    GdiFlush();
    const auto stride = static_cast<std::size_t>((width * 3 + 3) & ~3);
    const auto imageBytes = stride * static_cast<std::size_t>(height);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = static_cast<DWORD>(file.bfOffBits + imageBytes);
    std::ofstream out(bmpPath, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof(BITMAPINFOHEADER));
    out.write(static_cast<const char*>(bits), static_cast<std::streamsize>(imageBytes));
    SelectObject(memory, previous);
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return copied && out.good();
}

}  // namespace decalia::win32test
