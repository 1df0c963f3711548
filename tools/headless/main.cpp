// decalia-headless: starts the real program on a screenless desktop in the
// folder it is installed in, prints what its windows show, and shuts it down
// through the main window's close path. A smoke run of the whole core with no
// GUI toolkit linked.
//
//   decalia-headless
//   decalia-headless --preview AIRCRAFT TEMPLATE.bmp [SAVE_FOLDER]
#include <iostream>
#include <string>

#include "PreviewText.h"
#include "WindowText.h"
#include "app/Mod_Main.h"
#include "appstate/Application.h"
#include "platform/desktop/HeadlessDesktop.h"
#include "platform/fs/Fs.h"
#include "platform/text/Text.h"
#include "platform/win/DesktopPort.h"

namespace {

constexpr const char* kUsage =
    "usage: decalia-headless [--preview AIRCRAFT TEMPLATE.bmp [SAVE_FOLDER]]\n";

void PrintMessageBoxes(const decalia::desktop::HeadlessDesktop& desktop) {
    for (const auto& box : desktop.MessageBoxes())
        std::cout << "[" << decalia::text::ToHost(box.caption) << "] "
                  << decalia::text::ToHost(box.text) << '\n';
}

}  // namespace

int main(int argc, char** argv) {
    const bool preview = argc >= 4 && argc <= 5 && std::string(argv[1]) == "--preview";
    if (argc != 1 && !preview) {
        std::cerr << kUsage;
        return 2;
    }
    const std::string appFolder = decalia::fs::ExecutableFolder();
    if (appFolder.empty()) {
        std::cerr << "decalia-headless: cannot find its own folder\n";
        return 1;
    }
    decalia::desktop::HeadlessDesktop desktop;
    decalia::Application app(desktop, appFolder);
    int status = 0;
    try {
        decalia::Main(app);
        if (!preview) {
            decalia::tools::PrintMainWindow(app, std::cout);
        } else if (!decalia::tools::PrintPreviews(
                       app, decalia::text::FromHost(argv[2]),
                       decalia::text::FromHost(argv[3]), argc == 5 ? argv[4] : "", std::cout)) {
            std::cerr << "decalia-headless: no aircraft named \"" << argv[2] << "\" is installed\n";
            status = 1;
        }
        PrintMessageBoxes(desktop);
        decalia::ShutdownApplication(app);
    } catch (const win::ProcessEnded& ended) {
        PrintMessageBoxes(desktop);
        return status != 0 ? status : static_cast<int>(ended.exitCode);
    }
    return status;
}
