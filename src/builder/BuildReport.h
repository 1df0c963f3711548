#pragma once
// The build report: after every build, built, refused or failed, a text file
// in TempBitmaps a painter can read to see what the build did or why it did
// not: each texture's format, size, mip levels, quality and time, the files
// written, replaced and removed in the aircraft's folder, and the Aircraft.cfg
// entry added and the one it replaced. last-build.txt holds the latest; a copy
// per build, named after the title and time, goes to TempBitmaps\Reports
// (the newest kReportsKept stay). Nothing of it goes into the aircraft folder.

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "builder/AircraftListing.h"
#include "builder/CfgEntryText.h"
#include "builder/TextureQuality.h"

namespace decalia {

class Application;
struct BuildFailure;
struct TextureShortfall;

inline constexpr std::size_t kReportsKept = 20;

struct BuildReport {
    std::string title;
    std::string aircraftFolder;  // as the user sees it
    std::chrono::system_clock::time_point started;
    double seconds = 0;
    std::string outcome;  // one line: built, built without some textures, refused or failed, and why
    std::vector<TextureReport> textures;
    FileChanges files;
    std::optional<CfgEntryText> entryAdded;
    std::optional<CfgEntryText> entryReplaced;
};

// The report's text, lines ending in CR LF.
std::string FormatBuildReport(const BuildReport& report, const std::string& savedAs);

// Writes last-build.txt and its dated copy, keeps the newest copies; returns
// the copy's path, or nothing when it could not be written.
std::optional<std::string> WriteBuildReport(const std::string& appFolder, const BuildReport& report);

// <app>\TempBitmaps\last-build.txt
std::string LastBuildReportPath(const std::string& appFolder);
// The dated copy the latest report names, read from last-build.txt.
std::optional<std::string> LastSavedReport(const std::string& appFolder);

// Follows one build from before its first stage to its end.
class BuildRecorder {
public:
    explicit BuildRecorder(const Application& app);
    // Once the checks pass: the aircraft folder and entry as they were.
    void Started();
    // Returns where the report was saved (also for the batch builder, which
    // refuses a job before pressing "Create Aircraft").
    std::optional<std::string> Refused(const std::string& why);
    void Failed(const BuildFailure& failure);
    void Finished(const TextureShortfall& shortfall, std::string outcome);

private:
    std::optional<std::string> Write(std::string outcome);

    const Application& app_;
    BuildReport report_;
    std::string hostFolder_;
    std::string liveCfg_;
    std::string upperTitle_;
    FolderListing before_;
    std::chrono::steady_clock::time_point clock_;
};

}  // namespace decalia
