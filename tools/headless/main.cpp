// decalia-headless: starts the real program on a screenless desktop in the
// folder it is installed in, prints what its windows show, and shuts it down
// through the main window's close path. A smoke run of the whole core with no
// GUI toolkit linked.
#include <filesystem>
#include <iostream>

#include "WindowText.h"
#include "app/Mod_Main.h"
#include "appstate/Application.h"
#include "platform/desktop/HeadlessDesktop.h"
#include "platform/text/Text.h"
#include "platform/win/DesktopPort.h"

int main() {
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        std::cerr << "decalia-headless: cannot find its own folder\n";
        return 1;
    }
    const std::string appFolder = decalia::text::Utf8ToCp1252(exe.parent_path().string());
    decalia::desktop::HeadlessDesktop desktop;
    decalia::Application app(desktop, appFolder);
    try {
        decalia::Main(app);
        decalia::tools::PrintMainWindow(app, std::cout);
        decalia::ShutdownApplication(app);
    } catch (const win::ProcessEnded& ended) {
        for (const auto& box : desktop.MessageBoxes())
            std::cout << "[" << decalia::text::Cp1252ToUtf8(box.caption) << "] "
                      << decalia::text::Cp1252ToUtf8(box.text) << '\n';
        return static_cast<int>(ended.exitCode);
    }
    return 0;
}
