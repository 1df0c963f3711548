#include "QtSession.h"

#include <QApplication>
#include <filesystem>

#include "app/Mod_Main.h"
#include "platform/forms/Forms.h"

namespace decalia::qttest {
namespace {

// The offscreen platform says what it cannot do for every window.
void QuietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith("This plugin does not support") ||
        message.startsWith("No audio device"))
        return;
    qt_message_output(type, context, message);
}

// One application per test program, on the offscreen platform unless the
// caller chose another.
void EnsureApplication() {
    if (QApplication::instance() != nullptr) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    static int argc = 1;
    static char name[] = "test_qt";
    static char* argv[] = {name, nullptr};
    qInstallMessageHandler(QuietPlatform);
    new QApplication(argc, argv);
}

}  // namespace

ScreenApplication::ScreenApplication() { EnsureApplication(); }

QtSession::~QtSession() {
    program.reset();
    desktop.reset();
}

Application& QtSession::Start(std::initializer_list<const char*> aircraft, int dotsPerInch) {
    for (const char* stem : aircraft) install.AddDemoAircraft(stem);
    desktop = std::make_unique<qt::QtDesktop>(
        qt::QtDesktopOptions{dotsPerInch, qt::ProcessEnd::Throw});
    desktop->OnModal([this](forms::Form& form) {
        const auto found = screenUsers_.find(form.Name());
        if (found == screenUsers_.end()) {
            ADD_FAILURE() << form.Name() << " shown with nothing for the user to do";
            form.Hide();
            return;
        }
        const std::function<void()> act = std::move(found->second);
        screenUsers_.erase(found);
        act();
    });
    desktop->OnDialog([this](QWidget& dialog) {
        if (dialogUser_) {
            const auto act = std::move(dialogUser_);
            dialogUser_ = nullptr;
            act(dialog);
        } else {
            ADD_FAILURE() << "a dialog with nothing for the user to do";
            dialog.close();
        }
    });
    user = std::make_unique<qt::ScreenUser>(*desktop);
    program = std::make_unique<Application>(*desktop, install.AppFolder());
    decalia::Main(*program);
    return *program;
}

void QtSession::When(const forms::Form& screen, std::function<void()> act) {
    screenUsers_[screen.Name()] = std::move(act);
}

QImage QtSession::Screenshot(forms::Form& form, const std::string& name) {
    const QImage image = desktop->Grab(form);
    const std::filesystem::path folder(DECALIA_SCREENSHOT_DIR);
    std::filesystem::create_directories(folder);
    image.save(QString::fromStdString((folder / (name + ".png")).string()));
    return image;
}

}  // namespace decalia::qttest
