#include "builder/BuildReport.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <iomanip>
#include <sstream>

#include "appstate/Application.h"
#include "builder/BuildFailure.h"
#include "builder/BuildPaths.h"
#include "builder/SameTitleRepaint.h"
#include "builder/SaveTextures.h"
#include "platform/fs/FileStamp.h"
#include "platform/fs/Fs.h"
#include "platform/fs/LocalTime.h"
#include "platform/text/Text.h"

namespace decalia {
namespace {

constexpr const char* kSavedAs = "Saved as: ";

std::string LocalTime(std::chrono::system_clock::time_point when, const char* pattern) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    const std::tm local = fs::LocalTime(seconds);
    std::ostringstream out;
    out << std::put_time(&local, pattern);
    return out.str();
}

// The title as a file name: characters no file name can hold become '_'.
std::string FileNameOf(const std::string& title) {
    std::string name = text::Trim(title);
    for (char& c : name)
        if (static_cast<unsigned char>(c) < 32 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos)
            c = '_';
    return name.empty() ? "Repaint" : name;
}

std::string OneLine(std::string textLine) {
    std::replace(textLine.begin(), textLine.end(), '\r', ' ');
    std::replace(textLine.begin(), textLine.end(), '\n', ' ');
    return textLine;
}

std::string Quality(const TextureReport& t) {
    if (!t.rgbPsnr) return "quality unknown (" + t.problem + ")";
    if (std::isinf(*t.rgbPsnr)) return "RGB exact";
    std::ostringstream out;
    out << "RGB PSNR " << std::fixed << std::setprecision(1) << *t.rgbPsnr << " dB";
    return out.str();
}

void FormatTextures(const BuildReport& report, std::ostringstream& out) {
    out << "\r\nTextures (" << report.textures.size() << "):\r\n";
    std::size_t width = 0;
    for (const TextureReport& t : report.textures) width = std::max(width, t.name.size());
    for (const TextureReport& t : report.textures) {
        out << "  " << std::left << std::setw(static_cast<int>(width)) << t.name << "  "
            << std::setw(6) << t.format << "  " << std::setw(11)
            << std::to_string(t.width) + " x " + std::to_string(t.height) << "  ";
        if (!t.written) {
            out << "not written\r\n";
            continue;
        }
        out << t.mipLevels << (t.mipLevels == 1 ? " level  " : " levels  ") << Quality(t) << "  "
            << std::lround(t.milliseconds) << " ms\r\n";
    }
}

void FormatFiles(const FileChanges& files, std::ostringstream& out) {
    out << "\r\nFiles in the aircraft folder:\r\n";
    const auto list = [&out](const char* what, const std::vector<std::string>& paths) {
        for (const std::string& path : paths) out << "  " << what << path << "\r\n";
    };
    list("written   ", files.written);
    list("replaced  ", files.replaced);
    list("removed   ", files.removed);
    if (files.written.empty() && files.replaced.empty() && files.removed.empty()) out << "  none changed\r\n";
}

void FormatEntry(const char* what, const std::optional<CfgEntryText>& entry, std::ostringstream& out) {
    if (!entry) {
        out << "\r\nAircraft.cfg entry " << what << ": none\r\n";
        return;
    }
    out << "\r\nAircraft.cfg entry " << what << " [" << entry->section << "]:\r\n";
    for (const std::string& line : entry->lines) out << "  " << line << "\r\n";
}

std::string ReportsFolder(const std::string& appFolder) {
    return appFolder + "\\TempBitmaps\\Reports";
}

std::string FreeCopyPath(const std::string& folder, const std::string& stem) {
    std::string path = folder + "\\" + stem + ".txt";
    for (int n = 2; fs::FileExists(path); ++n) path = folder + "\\" + stem + " (" + std::to_string(n) + ").txt";
    return path;
}

std::int64_t ModifiedNs(const std::string& path) {
    const auto stamp = fs::StampOf(path);
    return stamp ? stamp->modifiedNs : 0;
}

void KeepNewestReports(const std::string& folder) {
    std::vector<std::pair<std::int64_t, std::string>> reports;
    for (const std::string& name : fs::ListFiles(folder, "*.txt"))
        reports.emplace_back(ModifiedNs(folder + "\\" + name), folder + "\\" + name);
    if (reports.size() <= kReportsKept) return;
    std::sort(reports.begin(), reports.end(), std::greater<>());
    for (std::size_t i = kReportsKept; i < reports.size(); ++i) fs::DeleteFile(reports[i].second);
}

}  // namespace

std::string FormatBuildReport(const BuildReport& report, const std::string& savedAs) {
    std::ostringstream out;
    out << "Decalia build report\r\n"
        << "Title: " << report.title << "\r\n"
        << "Aircraft folder: " << report.aircraftFolder << "\r\n"
        << "Started: " << LocalTime(report.started, "%Y-%m-%d %H:%M:%S") << "\r\n"
        << "Outcome: " << OneLine(report.outcome) << "\r\n"
        << "Took: " << std::fixed << std::setprecision(1) << report.seconds << " s\r\n"
        << kSavedAs << savedAs << "\r\n";
    out.unsetf(std::ios::floatfield);
    if (!report.textures.empty()) FormatTextures(report, out);
    FormatFiles(report.files, out);
    FormatEntry("added", report.entryAdded, out);
    FormatEntry("replaced", report.entryReplaced, out);
    return out.str();
}

std::string LastBuildReportPath(const std::string& appFolder) {
    return appFolder + "\\TempBitmaps\\last-build.txt";
}

std::optional<std::string> WriteBuildReport(const std::string& appFolder, const BuildReport& report) {
    const std::string folder = ReportsFolder(appFolder);
    fs::CreateFolder(appFolder + "\\TempBitmaps");
    fs::CreateFolder(folder);
    const std::string copy =
        FreeCopyPath(folder, FileNameOf(report.title) + " " + LocalTime(report.started, "%Y-%m-%d %H-%M-%S"));
    const std::string text = FormatBuildReport(report, DisplayPath(copy));
    // Not flushed: a report lost to a crash costs nothing, a wait costs every build.
    const bool saved = fs::WriteAll(copy, text, fs::Durability::Scratch);
    const bool last = fs::WriteAll(LastBuildReportPath(appFolder), text, fs::Durability::Scratch);
    KeepNewestReports(folder);
    if (!saved || !last) return std::nullopt;
    return DisplayPath(copy);
}

std::optional<std::string> LastSavedReport(const std::string& appFolder) {
    const auto bytes = fs::ReadAll(LastBuildReportPath(appFolder), 1 << 20);
    if (!bytes) return std::nullopt;
    std::istringstream in(*bytes);
    for (std::string line; std::getline(in, line);) {
        if (!line.starts_with(kSavedAs)) continue;
        if (line.ends_with('\r')) line.pop_back();
        return line.substr(std::string_view(kSavedAs).size());
    }
    return std::nullopt;
}

BuildRecorder::BuildRecorder(const Application& app)
    : app_(app),
      hostFolder_(fs::Resolve(AircraftFolder(app))),
      liveCfg_(LiveAircraftCfg(app)),
      upperTitle_(NewRepaintTitle(app)),
      clock_(std::chrono::steady_clock::now()) {
    report_.title = text::Trim(app.configuration.AircraftTitlePrefix) + " " + text::Trim(app.job.Variation);
    report_.aircraftFolder = DisplayPath(AircraftFolder(app));
    report_.started = std::chrono::system_clock::now();
}

void BuildRecorder::Started() {
    before_ = ListFolderFiles(hostFolder_);
    report_.entryReplaced = FindEntryTitled(liveCfg_, upperTitle_);
}

std::optional<std::string> BuildRecorder::Refused(const std::string& why) {
    return Write("Refused: " + why);
}

// Aircraft.cfg stays as it was when a build fails.
void BuildRecorder::Failed(const BuildFailure& failure) {
    report_.files = CompareListings(before_, ListFolderFiles(hostFolder_));
    report_.entryReplaced.reset();
    Write(DescribeBuildFailure(failure));
}

void BuildRecorder::Finished(const TextureShortfall& shortfall, std::string outcome) {
    report_.textures = shortfall.textures;
    report_.files = CompareListings(before_, ListFolderFiles(hostFolder_));
    report_.entryAdded = FindEntryTitled(liveCfg_, upperTitle_);
    Write(std::move(outcome));
}

std::optional<std::string> BuildRecorder::Write(std::string outcome) {
    report_.outcome = std::move(outcome);
    report_.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - clock_).count();
    return WriteBuildReport(app_.AppFolder(), report_);
}

}  // namespace decalia
