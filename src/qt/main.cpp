// decalia: the program on the screen. Starts Main on the Qt desktop in the
// folder the executable lies in; from then on the windows drive it, and it
// ends through the main window's Close button.
#include <QApplication>
#include <iostream>

#include "app/Mod_Main.h"
#include "appstate/Application.h"
#include "platform/fs/Fs.h"
#include "qt/QtDesktop.h"

int main(int argc, char** argv) {
    // The windows keep the pixel geometry they were drawn for; on a large-font
    // screen the program rescales them itself.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Decalia"));
    QApplication::setQuitOnLastWindowClosed(false);
    const std::string folder = decalia::fs::ExecutableFolder();
    if (folder.empty()) {
        std::cerr << "decalia: cannot find its own folder\n";
        return 1;
    }
    decalia::qt::QtDesktop desktop;
    decalia::Application app(desktop, folder);
    decalia::Main(app);
    return QApplication::exec();
}
