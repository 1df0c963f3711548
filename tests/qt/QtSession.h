#pragma once
// The whole program on the Qt desktop, on Qt's offscreen platform, with a
// temporary simulator holding the demo aircraft. The user is played through
// QTest on the real widgets; what happens on a modal screen or in a dialog is
// said before the click that opens it.

#include <gtest/gtest.h>

#include <QImage>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "appstate/Application.h"
#include "qt/FormWidget.h"
#include "qt/QtDesktop.h"
#include "qt/ScreenUser.h"
#include "support/Installation.h"

namespace decalia::qttest {

inline constexpr const char* kKite = "KW12_Kite";
inline constexpr const char* kKiteName = "Kestrelworks KW-12 Kite";

// Comes first: the installation's skin is drawn with Qt, and the widgets
// need a QApplication rather than the plain one the skin would make itself.
struct ScreenApplication {
    ScreenApplication();
};

class QtSession : public ::testing::Test, private ScreenApplication {
protected:
    QtSession() = default;
    ~QtSession() override;

    // Installs the demo aircraft and starts the program at a screen density.
    Application& Start(std::initializer_list<const char*> aircraft, int dotsPerInch = 96);

    // ---- The user -----------------------------------------------------------
    void When(const forms::Form& screen, std::function<void()> act);
    void WhenDialog(std::function<void(QWidget&)> act) { dialogUser_ = std::move(act); }
    void Click(forms::Control& control) { user->Click(control); }
    void ClickLine(forms::ListBox& list, int line) { user->ClickLine(list, line); }
    void TypeInto(forms::TextBox& box, const std::string& text) { user->TypeInto(box, text); }
    void PressKey(forms::Control& control, Qt::Key key) { user->PressKey(control, key); }

    // ---- What the user sees ---------------------------------------------------
    qt::FormWidget& Shown(const forms::Form& form) { return user->Shown(form); }
    // Saves the window as the user sees it into the build tree's screenshots.
    QImage Screenshot(forms::Form& form, const std::string& name);

    testsupport::Installation install;
    std::unique_ptr<qt::QtDesktop> desktop;
    std::unique_ptr<Application> program;
    std::unique_ptr<qt::ScreenUser> user;

private:
    std::map<std::string, std::function<void()>> screenUsers_;
    std::function<void(QWidget&)> dialogUser_;
};

}  // namespace decalia::qttest
