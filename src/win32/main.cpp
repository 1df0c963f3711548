// Decalia.exe: the program on the Windows screen. Starts Main on the Win32
// desktop in the folder the executable lies in; from then on the windows drive
// it, and it ends through the main window's Close button.
#include <cstdio>

#include "app/Mod_Main.h"
#include "appstate/Application.h"
#include "platform/fs/Fs.h"
#include "win32/NativeShell.h"
#include "win32/Win32Desktop.h"

int main() {
    const std::string folder = decalia::fs::ExecutableFolder();
    if (folder.empty()) {
        std::fprintf(stderr, "Decalia: cannot find its own folder\n");
        return 1;
    }
    decalia::win32::BecomeDpiAware();
    decalia::win32::Win32Desktop desktop;
    decalia::Application app(desktop, folder);
    decalia::Main(app);
    return decalia::win32::RunMessageLoop();
}
