#include "win32/NativeShell.h"

#include "win32/NativeGdi.h"  // <windows.h> first

#include <commctrl.h>
#include <commdlg.h>
#include <mmsystem.h>
#include <shellapi.h>

#include <memory>
#include <utility>
#include <vector>

namespace decalia::win32 {
namespace {

constexpr UINT kRunTask = WM_APP + 1;

LRESULT CALLBACK TaskProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kRunTask) return DefWindowProcA(window, message, wParam, lParam);
    std::unique_ptr<std::function<void()>> task(reinterpret_cast<std::function<void()>*>(lParam));
    return Guarded([&] {
        (*task)();
        return LRESULT{0};
    });
}

HWND TaskWindow() {
    static const HWND window = [] {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = TaskProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "DecaliaTasks";
        RegisterClassExA(&windowClass);
        return CreateWindowExA(0, "DecaliaTasks", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    }();
    return window;
}

void RethrowPending() {
    if (std::exception_ptr pending = std::exchange(PendingException(), nullptr))
        std::rethrow_exception(pending);
}

}  // namespace

std::exception_ptr& PendingException() {
    thread_local std::exception_ptr pending;
    return pending;
}

void InitCommonControlsOnce() {
    static const bool done = [] {
        INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                      ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
        return InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)done;
}

int ScreenDotsPerInch() {
    HDC screen = GetDC(nullptr);
    const int dotsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dotsPerInch > 0 ? dotsPerInch : 96;
}

Rect WorkArea() {
    RECT area{};
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0))
        area = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return FromRect(area);
}

void ShowMessageBox(NativeHandle owner, const std::string& text, const std::string& caption) {
    MessageBoxA(AsHwnd(owner), text.c_str(), caption.c_str(), MB_OK);
    RethrowPending();
}

std::string DialogFilter(const std::string& pipeSeparated) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    while (from <= pipeSeparated.size()) {
        const std::size_t bar = pipeSeparated.find('|', from);
        const std::size_t end = bar == std::string::npos ? pipeSeparated.size() : bar;
        parts.push_back(pipeSeparated.substr(from, end - from));
        from = end + 1;
    }
    std::string filter;
    // Only whole pairs of description and pattern: the dialog reads pairs.
    for (std::size_t at = 0; at + 1 < parts.size(); at += 2) {
        if (parts[at + 1].empty()) continue;
        filter += parts[at];
        filter += '\0';
        filter += parts[at + 1];
        filter += '\0';
    }
    if (!filter.empty()) filter += '\0';
    return filter;
}

std::optional<std::string> AskOpenFile(const OpenFileQuestion& question) {
    const std::string filter = DialogFilter(question.filter);
    std::vector<char> file(32768, '\0');
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = AsHwnd(question.owner);
    dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = question.initialFolder.empty() ? nullptr : question.initialFolder.c_str();
    dialog.lpstrTitle = question.title.empty() ? nullptr : question.title.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY |
                   OFN_NOCHANGEDIR;
    const bool chosen = GetOpenFileNameA(&dialog) != FALSE;
    RethrowPending();
    if (!chosen) return std::nullopt;
    return std::string(file.data());
}

bool OpenDocument(NativeHandle owner, const std::string& path) {
    const HINSTANCE result =
        ShellExecuteA(AsHwnd(owner), "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

bool PlayWave(const std::string& path) {
    return PlaySoundA(path.c_str(), nullptr, SND_ASYNC | SND_FILENAME | SND_NODEFAULT) != FALSE;
}

std::string ClipboardText() {
    std::string text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const auto* bytes = static_cast<const char*>(GlobalLock(data))) {
            text = bytes;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void BecomeDpiAware() { SetProcessDPIAware(); }

void ExitProcessNow(unsigned exitCode) { ExitProcess(exitCode); }

bool DispatchUntil(const std::function<bool()>& done) {
    RethrowPending();
    MSG message{};
    while (!done()) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) {
            // The outer loop ends the program.
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        if (got < 0) return false;
        TranslateMessage(&message);
        DispatchMessageA(&message);
        RethrowPending();
    }
    return true;
}

int RunMessageLoop() {
    MSG message{};
    BOOL got = 0;
    while ((got = GetMessageA(&message, nullptr, 0, 0)) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
        RethrowPending();
    }
    return got == 0 ? static_cast<int>(message.wParam) : 1;
}

void PostQuit(int exitCode) { PostQuitMessage(exitCode); }

void PostTask(std::function<void()> task) {
    auto* posted = new std::function<void()>(std::move(task));
    if (!PostMessageA(TaskWindow(), kRunTask, 0, reinterpret_cast<LPARAM>(posted))) delete posted;
}

NativeHandle ActiveWindow() { return AsHandle(GetActiveWindow()); }

}  // namespace decalia::win32
