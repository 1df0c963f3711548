// decalia-batch on a temporary simulator with the demo aircraft: the demo
// jobs build, and a job with a problem is refused with nothing written.

#include <gtest/gtest.h>

#include <sstream>

#include "BatchTool.h"
#include "support/FileTree.h"
#include "support/Installation.h"
#include "support/TempDir.h"

namespace decalia::batch {
namespace {

class BatchTest : public ::testing::Test {
protected:
    testsupport::Installation install;
    testsupport::TempDir jobs;
    std::ostringstream out;

    BatchTest() {
        install.AddDemoAircraft("KW12_Kite");
        install.AddDemoAircraft("KW350_Osprey");
    }
    // A job file in the jobs folder; its template is found from there.
    std::string Job(const std::string& name, const std::string& keys) {
        testsupport::WriteFile(jobs.Path() / name, "[Job]\r\n" + keys);
        return (jobs.Path() / name).string();
    }
    std::string Osprey(const std::string& changed = "") {
        return "Aircraft=KESTRELWORKS KW-350 OSPREY\r\nTemplate=" +
               (install.AppDir() / "Templates" / "KW350_Template.bmp").string() +
               "\r\nVariation=Batch\r\nFolderExtension=bat\r\nTailNumber=n350bt\r\n"
               "Callsign=Kestrel Air\r\nDXT3=1\r\n" + changed;
    }
    int Run(const std::vector<std::string>& files) {
        return RunBatch(install.AppFolder(), files, out, false);
    }
    testsupport::Tree Written() const {
        return testsupport::ReadTree(install.Root() / "SimObjects");
    }
    // The paths of the "report: " lines printed so far.
    std::vector<std::string> ReportsNamed() const {
        std::vector<std::string> reports;
        const std::string text = out.str();
        for (auto at = text.find("  report: "); at != std::string::npos; at = text.find("  report: ", at + 1))
            reports.push_back(text.substr(at + 10, text.find('\n', at) - at - 10));
        return reports;
    }
};

TEST_F(BatchTest, BuildsEveryJobAndSaysWhere) {
    const std::string kite = Job("kite.ini",
                                 "Aircraft=Kestrelworks KW-12 Kite\r\nTemplate=" +
                                     (install.AppDir() / "Templates" / "KW12_Template.bmp").string() +
                                     "\r\nVariation=Sunrise\r\nFolderExtension=Sunrise\r\n"
                                     "TailNumber=N12SR\r\nCallsign=*NONE*\r\n");
    const std::string osprey = Job("osprey.ini", Osprey());
    const testsupport::Tree before = Written();
    EXPECT_EQ(Run({kite, osprey}), 0) << out.str();
    const auto changed = testsupport::Changed(before, Written());
    const auto has = [&changed](const std::string& path) {
        return std::find(changed.begin(), changed.end(), path) != changed.end();
    };
    EXPECT_TRUE(has("Airplanes/Kestrelworks KW12 Kite/Texture.Sunrise/KW12_fuselage.bmp"));
    EXPECT_TRUE(has("Airplanes/Kestrelworks KW350 Osprey/Texture/KW350_BAT_fuse.bmp"));
    EXPECT_TRUE(has("Airplanes/Kestrelworks KW350 Osprey/Model.bat/KW350_BAT.mdl"));
    EXPECT_NE(out.str().find(osprey + ": built: \"Kestrelworks KW-350 Osprey Batch\" into "),
              std::string::npos)
        << out.str();
    EXPECT_NE(out.str().find("Working Texture - KW350_BAT_fuse"), std::string::npos);
    const std::vector<std::string> reports = ReportsNamed();
    ASSERT_EQ(reports.size(), 2u) << out.str();
    for (const std::string& report : reports)
        EXPECT_NE(testsupport::ReadFile(report).find("\r\nOutcome: Built\r\n"), std::string::npos);
}

struct BrokenJob {
    const char* what;
    std::string keys;  // the Osprey's job with these lines changed
    const char* said;
};

TEST_F(BatchTest, RefusesAJobWithAProblemAndWritesNothingForIt) {
    const BrokenJob broken[] = {
        {"unknown aircraft", "Aircraft=Kestrelworks KW-99\r\n", "no aircraft named"},
        {"missing template", "Template=nowhere.bmp\r\n", "is missing or not a 24-bit bitmap"},
        {"folder extension too long", "FolderExtension=toolong\r\n", "toolong"},
        {"no tail number where the aircraft has none",
         "Aircraft=Kestrelworks KW-12 Kite\r\nTemplate=" +
             (install.AppDir() / "Templates" / "KW12_Template.bmp").string() + "\r\nTailNumber=\r\n",
         "no tail number of its own"},
    };
    for (const BrokenJob& job : broken) {
        SCOPED_TRACE(job.what);
        out.str("");
        // The first of duplicated keys wins: the change goes before the job's own lines.
        std::string keys = job.keys + Osprey();
        const std::string file = Job("broken.ini", keys);
        const testsupport::Tree before = Written();
        EXPECT_EQ(Run({file}), 1);
        EXPECT_NE(out.str().find(file + ": refused: "), std::string::npos) << out.str();
        EXPECT_NE(out.str().find(job.said), std::string::npos) << out.str();
        EXPECT_EQ(Written(), before);
        const std::vector<std::string> reports = ReportsNamed();
        ASSERT_EQ(reports.size(), 1u) << out.str();
        const std::string report = testsupport::ReadFile(reports.front());
        EXPECT_NE(report.find("\r\nOutcome: Refused: "), std::string::npos) << report;
        EXPECT_NE(report.find(job.said), std::string::npos) << report;
    }
    // Only the reports: no scratch bitmap of a refused job.
    for (const auto& [path, bytes] : testsupport::ReadTree(install.AppDir() / "TempBitmaps"))
        EXPECT_TRUE(path == "last-build.txt" || path.starts_with("Reports")) << path;
}

TEST_F(BatchTest, NamesEveryMissingKeyOfAJobFile) {
    const std::string file = Job("short.ini", "Aircraft=Kestrelworks KW-12 Kite\r\nVariation=\r\n");
    EXPECT_EQ(Run({file, (jobs.Path() / "absent.ini").string()}), 1);
    for (const char* said : {"has no Template= line", "Variation is empty", "has no FolderExtension= line",
                             "has no Callsign= line", "absent.ini: the job file cannot be read"})
        EXPECT_NE(out.str().find(said), std::string::npos) << said << "\n" << out.str();
}

}  // namespace
}  // namespace decalia::batch
