#include "GuideShots.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <functional>
#include <stdexcept>
#include <unistd.h>

#include "app/Mod_Main.h"
#include "appstate/Application.h"
#include "platform/forms/Forms.h"
#include "platform/text/Text.h"
#include "qt/QtDesktop.h"
#include "qt/ScreenUser.h"

namespace decalia::guide {
namespace {

namespace stdfs = std::filesystem;

constexpr const char* kAircraft = "Kestrelworks KW-350 Osprey";
constexpr const char* kTemplate = "KW350_Template.bmp";

// A copy of the simulator, so that the pictured build leaves the demo as it was.
class SimulatorCopy {
public:
    explicit SimulatorCopy(const stdfs::path& simulator)
        : root_(stdfs::temp_directory_path() / ("decalia-guide-" + std::to_string(::getpid()))) {
        stdfs::remove_all(root_);
        stdfs::copy(simulator, root_, stdfs::copy_options::recursive);
    }
    ~SimulatorCopy() {
        std::error_code ignored;
        stdfs::remove_all(root_, ignored);
    }
    stdfs::path AppDir() const { return root_ / "Kestrelworks Software" / "Decalia"; }

private:
    stdfs::path root_;
};

int LineOf(const forms::ListControl& list, const std::string& text) {
    for (int line = 0; line < list.ListCount(); ++line)
        if (list.List(line) == text) return line;
    throw std::runtime_error("no line \"" + text + "\" in " + list.Name());
}

class PictureSession {
public:
    explicit PictureSession(const stdfs::path& appDir)
        : appDir_(appDir),
          desktop_(qt::QtDesktopOptions{96, qt::ProcessEnd::Throw}),
          user_(desktop_),
          app_(desktop_, text::Utf8ToCp1252(appDir.string())) {
        desktop_.OnModal([this](forms::Form& form) { PlayStep(form); });
        desktop_.OnDialog([this](QWidget& dialog) { ChooseTemplate(dialog); });
    }

    std::map<std::string, QImage> Take() {
        Main(app_);
        Take("main-window", app_.frm_Main);
        user_.Click(app_.frm_Main.btn_Wizard);
        if (app_.frm_Main.btn_CreateAircraft.state() != "enabled")
            throw std::runtime_error("the wizard did not end ready to create the aircraft");
        Take("main-window-ready", app_.frm_Main);
        user_.PressKey(app_.frm_Main.lst_Texture, Qt::Key_Down);
        Take("main-window-preview", app_.frm_Main);
        user_.Click(app_.frm_Main.btn_CreateAircraft);
        Take("main-window-built", app_.frm_Main);
        return std::move(pictures_);
    }

private:
    void Take(const std::string& name, forms::Form& form) {
        QApplication::processEvents();
        pictures_[name] = desktop_.Grab(form);
    }

    void PlayStep(forms::Form& form) {
        if (&form == &app_.frm_SelectAircraft) {
            user_.ClickLine(app_.frm_SelectAircraft.lst_SelectAircraft,
                            LineOf(app_.frm_SelectAircraft.lst_SelectAircraft, kAircraft));
            Next("step-1", app_.frm_SelectAircraft);
        } else if (&form == &app_.frm_SelectTemplate) {
            user_.Click(app_.frm_SelectTemplate.btn_Select);
            Next("step-2", app_.frm_SelectTemplate);
        } else if (&form == &app_.frm_Variation) {
            user_.TypeInto(app_.frm_Variation.txt_Variation, "Polar Night");
            Next("step-3", app_.frm_Variation);
        } else if (&form == &app_.frm_Folder) {
            user_.TypeInto(app_.frm_Folder.txt_Folder, "pol");
            Next("step-4", app_.frm_Folder);
        } else if (&form == &app_.frm_TailNumber) {
            user_.TypeInto(app_.frm_TailNumber.txt_TailNumber, "N350PN");
            Next("step-5", app_.frm_TailNumber);
        } else if (&form == &app_.frm_Callsign) {
            user_.PressKey(app_.frm_Callsign.lst_Callsign, Qt::Key_Down);
            Next("step-6", app_.frm_Callsign);
        } else {
            form.Hide();
        }
    }

    void Next(const std::string& picture, StepScreen& screen) {
        Take(picture, screen);
        user_.Click(screen.btn_Next);
    }

    void ChooseTemplate(QWidget& dialog) {
        auto* files = qobject_cast<QFileDialog*>(&dialog);
        if (files == nullptr) {
            dialog.close();
            return;
        }
        files->selectFile(QString::fromStdString((appDir_ / "Templates" / kTemplate).string()));
        static_cast<QDialog*>(files)->accept();
    }

    stdfs::path appDir_;
    qt::QtDesktop desktop_;
    qt::ScreenUser user_;
    Application app_;
    std::map<std::string, QImage> pictures_;
};

}  // namespace

std::map<std::string, QImage> TakeWindowPictures(const stdfs::path& simulator) {
    const SimulatorCopy copy(simulator);
    PictureSession session(copy.AppDir());
    return session.Take();
}

}  // namespace decalia::guide
