#include "BatchRun.h"

#include <memory>

#include "BatchJob.h"
#include "Reporter.h"
#include "WizardUser.h"
#include "app/Mod_Main.h"
#include "appstate/Application.h"
#include "builder/BuildChecks.h"
#include "builder/BuildPaths.h"
#include "builder/BuildRepaint.h"
#include "builder/BuildReport.h"
#include "platform/desktop/HeadlessDesktop.h"
#include "platform/gdi/BmpFile.h"
#include "platform/text/Text.h"
#include "platform/win/DesktopPort.h"

namespace decalia::batch {
namespace {

constexpr double kBarMargins = 60;  // twips the bar keeps free inside its container

JobResult Refused(std::string why) { return {Outcome::Refused, std::move(why), {}}; }

// What step 2 would load: a 24-bit bitmap the platform can read.
bool ReadableTemplate(const std::string& path) {
    gdi::Owned<win::HBITMAP> bitmap(
        win::LoadImageA(nullptr, path, win::IMAGE_BITMAP, 0, 0, win::LR_LOADFROMFILE));
    win::BITMAP object;
    return bitmap && win::GetObject(bitmap.Get(), object) && object.bmBitsPixel == 24;
}

void ReportProgress(Application& app, desktop::HeadlessDesktop& desktop, Reporter& reporter) {
    desktop.OnRefresh([&app, &reporter](forms::Control& control) {
        MainWindow& main = app.frm_Main;
        if (&control != &main.lbl_Status && &control != &main.Pic_StatusBackground) return;
        const double room = main.Pic_StatusBackground.ScaleWidth() - kBarMargins;
        const double percent = main.Pic_StatusBackground.Visible() && room > 0
                                   ? 100 * main.pic_StatusBar.Width() / room
                                   : -1;
        reporter.Status(main.lbl_Status.Caption(), percent);
    });
}

// Everything a user would be told before pressing "Create Aircraft".
std::optional<std::string> ProblemBeforeCreate(const Application& app, const BatchJob& job) {
    if (app.frm_Main.btn_CreateAircraft.state() != "enabled")
        return "the wizard did not finish: " + text::ToHost(app.frm_Main.lbl_Status.Caption());
    if (text::Trim(job.tailNumber).empty() && text::Trim(app.configuration.AircraftTail).empty())
        return std::string("TailNumber is empty and this aircraft has no tail number of its own");
    if (auto problem = CheckBuildInputs(app)) return text::ToHost(*problem);
    return std::nullopt;
}

JobResult Build(desktop::HeadlessDesktop& desktop, Application& app, const BatchJob& job,
                Reporter& reporter) {
    WizardUser user(desktop, app);
    if (user.AircraftLine(job.aircraft) < 0)
        return Refused("no aircraft named \"" + text::ToHost(job.aircraft) + "\" is installed");
    if (!ReadableTemplate(job.templatePath))
        return Refused("the template " + text::ToHost(job.templatePath) +
                       " is missing or not a 24-bit bitmap");
    user.RunWizard(job);
    if (auto problem = ProblemBeforeCreate(app, job)) return Refused(*problem);
    const std::string title =
        text::Trim(app.configuration.AircraftTitlePrefix) + " " + text::Trim(app.job.Variation);
    const std::string where = DisplayPath(AircraftFolder(app));
    const std::size_t messagesBefore = desktop.MessageBoxes().size();
    ReportProgress(app, desktop, reporter);
    user.CreateAircraft();
    const std::string status = app.frm_Main.lbl_Status.Caption();
    if (status == kStatusBuilt) return {Outcome::Built, "\"" + text::ToHost(title) + "\" into " + where, {}};
    if (desktop.MessageBoxes().size() > messagesBefore)
        return {Outcome::Failed, text::ToHost(desktop.MessageBoxes().back().text), {}};
    return {Outcome::Failed, text::ToHost(status), {}};
}

}  // namespace

JobResult RunJob(const std::string& appFolder, const BatchJob& job, Reporter& reporter) {
    desktop::HeadlessDesktop desktop;
    desktop.OnMessageBox([&reporter](const desktop::MessageBoxRecord& box) {
        reporter.Message(box.caption, box.text);
    });
    auto app = std::make_unique<Application>(desktop, appFolder);
    try {
        Main(*app);
        const auto before = LastSavedReport(appFolder);
        JobResult result = Build(desktop, *app, job, reporter);
        auto report = LastSavedReport(appFolder);
        // A job refused before "Create Aircraft" gets its report here.
        if (report == before)
            report = result.outcome == Outcome::Refused ? BuildRecorder(*app).Refused(text::FromHost(result.detail))
                                                        : std::nullopt;
        result.report = text::ToHost(report.value_or(""));
        return result;
    } catch (const win::ProcessEnded&) {
        const auto& boxes = desktop.MessageBoxes();
        return {Outcome::Failed, "the program ended" + (boxes.empty() ? std::string()
                                                                      : ": " + text::ToHost(boxes.back().text)), {}};
    } catch (const desktop::ScriptError& error) {
        return Refused(std::string("the wizard did not take the job's values (") + error.what() + ")");
    }
}

}  // namespace decalia::batch
