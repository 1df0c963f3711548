#include "builder/AircraftCfgWriter.h"

#include "appstate/Application.h"
#include "builder/AircraftCfgStages.h"
#include "builder/BuildFailure.h"
#include "builder/BuildPaths.h"
#include "builder/BuildProgress.h"
#include "builder/ProfileDraft.h"
#include "builder/SameTitleRepaint.h"
#include "platform/fs/Fs.h"
#include "platform/profile/ProfileLines.h"

namespace decalia {
namespace {

constexpr const char* kBackupStage = "backing up Aircraft.cfg";
constexpr const char* kBaseStage = "copying the program's Aircraft.cfg";
constexpr const char* kWriteStage = "writing Aircraft.cfg";

void ReplaceLiveAircraftCfg(const Application& app, const ProfileDraft& draft) {
    const std::string live = LiveAircraftCfg(app);
    if (!fs::WriteAll(live, draft.Bytes())) {
        throw BuildFailure(kWriteStage, "The file " + DisplayPath(live) + " could not be written.");
    }
}

}  // namespace

void BackupAircraftCfg(Application& app) {
    const std::string live = LiveAircraftCfg(app);
    if (!fs::FileExists(live)) return;
    // As on Windows, a read-only Aircraft.cfg is not replaced; finding out before
    // anything is deleted keeps the earlier repaint's files too.
    if (fs::IsReadOnly(live)) {
        throw BuildFailure(kBackupStage, "The file " + DisplayPath(live) +
                                             " is read-only. Allow changes to it and build again.");
    }
    const std::string backup = AircraftCfgBackup(app);
    if (!fs::CopyFile(live, backup, fs::Overwrite::Yes)) {
        throw BuildFailure(kBackupStage, "The file " + DisplayPath(live) + " could not be copied to " +
                                             DisplayPath(backup) + ".");
    }
}

ProfileDraft CopyBaseAircraftCfg(Application& app) {
    const std::string base = BaseAircraftCfg(app);
    if (!fs::FileExists(base)) {
        throw BuildFailure(kBaseStage, "The file " + DisplayPath(base) + " is missing.");
    }
    const auto bytes = fs::ReadAll(base, profile::kMaxProfileBytes);
    if (!bytes) throw BuildFailure(kBaseStage, "The file " + DisplayPath(base) + " could not be read.");
    return ProfileDraft(*bytes);
}

void WriteAircraftCfg(Application& app) {
    ShowBuildStatus(app, kStatusWritingCfg);
    ReadFltsimEntries(app);
    ShowBuildProgress(app, 8);
    ReadWeightAndBalance(app);
    ShowBuildProgress(app, 9);
    BackupAircraftCfg(app);
    ShowBuildProgress(app, 10);
    RemoveSameTitleRepaint(app);
    ShowBuildProgress(app, 11);
    ProfileDraft draft = CopyBaseAircraftCfg(app);
    ShowBuildProgress(app, 12);
    const int kept = app.fltsim.LastFltsimIndex + 1;
    for (int index = 0; index < kept; ++index) {
        ShowBuildProgress(app, 12 + (index + 1) * 6.0 / kept);
        RewriteFltsimEntry(app, index, draft);
    }
    ShowBuildProgress(app, 18);
    WriteNewFltsimEntry(app, draft);
    ShowBuildProgress(app, 19);
    WriteWeightAndBalance(app, draft);
    ReplaceLiveAircraftCfg(app, draft);
    ShowBuildProgress(app, 20);
}

}  // namespace decalia
