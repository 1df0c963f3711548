// Regions, device contexts and the shell services that go to the desktop.

#include "platform/gdi/Font.h"
#include "platform/win/WindowRecord.h"
#include "platform/win/WindowSystem.h"

#include <exception>

namespace win {

int WindowSystem::SetWindowRgn(HWND window, HRGN region, bool) {
    Window* record = Find(window);
    if (record == nullptr) {
        return 0;
    }
    RECT box;
    if (region && GetRgnBox(region, box) == ERROR) {
        return 0;
    }
    if (record->region && record->region != region) {
        DeleteObject(record->region);
    }
    record->region = region;
    return 1;
}

int WindowSystem::GetWindowRgn(HWND window, HRGN into) const {
    const Window* record = Find(window);
    if (record == nullptr || !record->region) {
        return ERROR;
    }
    return CombineRgn(into, record->region, HRGN{}, RGN_COPY);
}

HRGN WindowSystem::WindowRegion(HWND window) const {
    const Window* record = Find(window);
    return record == nullptr ? HRGN{} : record->region;
}

HDC WindowSystem::GetDC(HWND window) {
    if (window != 0 && !IsWindow(window)) {
        return HDC{};
    }
    // Every DC reports the desktop's density as it is now.
    SetScreenDpi(desktop_.DotsPerInch());
    return CreateDCA("DISPLAY");
}

int WindowSystem::ReleaseDC(HWND, HDC dc) { return DeleteDC(dc) ? 1 : 0; }

int WindowSystem::MessageBoxA(HWND owner, std::string_view text, std::string_view caption,
                              UINT type) {
    if (type != MB_OK) {
        return 0;
    }
    return desktop_.ShowMessageBox(owner, std::string(text), std::string(caption));
}

std::optional<std::string> WindowSystem::GetOpenFileNameA(const OpenFileRequest& request) {
    return desktop_.ShowOpenFileDialog(request);
}

std::intptr_t WindowSystem::ShellExecuteA(HWND, std::string_view verb, std::string_view file,
                                          std::string_view, std::string_view, int) {
    constexpr std::intptr_t kStarted = 42;
    constexpr std::intptr_t kNoAssociation = 31;  // SE_ERR_NOASSOC
    if (!verb.empty() && verb != "open") {
        return kNoAssociation;
    }
    return desktop_.ShellOpen(std::string(file)) ? kStarted : kNoAssociation;
}

bool WindowSystem::PlaySoundA(std::string_view file, UINT flags) {
    if ((flags & SND_FILENAME) == 0 || file.empty()) {
        return false;
    }
    return desktop_.PlaySoundAsync(std::string(file));
}

void WindowSystem::ExitProcess(unsigned exitCode) {
    desktop_.EndProcess(exitCode);
    // A port that returns from EndProcess breaks its promise; nothing may run on.
    std::terminate();
}

}  // namespace win
