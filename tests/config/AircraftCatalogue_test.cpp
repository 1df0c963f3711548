#include "config/AircraftCatalogue.h"

#include <gtest/gtest.h>

#include "platform/text/Text.h"
#include "support/Configurations.h"
#include "support/TempDir.h"

namespace decalia::config {
namespace {

using testsupport::TempDir;
using testsupport::WriteEncryptedConfiguration;
using testsupport::MinimalConfigurationIni;
using Names = std::vector<std::string>;

TEST(AircraftCatalogue, ListsFilesByNameWithoutRegardToCase) {
    TempDir dir;
    WriteEncryptedConfiguration(dir.Path() / "b.bin", MinimalConfigurationIni("Bravo"));
    WriteEncryptedConfiguration(dir.Path() / "A.bin", MinimalConfigurationIni("  Alpha  "));
    WriteEncryptedConfiguration(dir.Path() / "c.BIN", MinimalConfigurationIni("Charlie"));
    testsupport::WriteFile(dir.Path() / "notes.txt", "not a configuration");

    const auto catalogue = LoadAircraftCatalogue(dir.Str());
    EXPECT_EQ(catalogue.LastCatalogueIndex, 2);
    EXPECT_EQ(catalogue.DisplayNames(), (Names{"Alpha", "Bravo", "Charlie"}));
    EXPECT_EQ(catalogue.Entries[0].FilePath, dir.Str() + "\\A.bin");
    EXPECT_EQ(catalogue.Entries[2].FilePath, dir.Str() + "\\c.BIN");
}

TEST(AircraftCatalogue, AnUnderscoreSortsBeforeLettersAsInAWindowsListing) {
    TempDir dir;
    WriteEncryptedConfiguration(dir.Path() / "KWA.bin", MinimalConfigurationIni("Letter"));
    WriteEncryptedConfiguration(dir.Path() / "kw_b.bin", MinimalConfigurationIni("Underscore"));
    WriteEncryptedConfiguration(dir.Path() / "KW[.bin", MinimalConfigurationIni("Bracket"));
    EXPECT_EQ(LoadAircraftCatalogue(dir.Str()).DisplayNames(),
              (Names{"Bracket", "Underscore", "Letter"}));
}

TEST(AircraftCatalogue, UndecryptableFilesKeepTheirRowAndDuplicatesStay) {
    TempDir dir;
    WriteEncryptedConfiguration(dir.Path() / "1.bin", MinimalConfigurationIni("Kite"));
    testsupport::WriteFile(dir.Path() / "2.bin", "garbage!");
    WriteEncryptedConfiguration(dir.Path() / "3.bin", MinimalConfigurationIni("Kite"));
    EXPECT_EQ(LoadAircraftCatalogue(dir.Str()).DisplayNames(), (Names{"Kite", "", "Kite"}));
}

TEST(AircraftCatalogue, LeavesNoPlainFilesAndNeverTouchesTheUsersOwn) {
    TempDir dir;
    WriteEncryptedConfiguration(dir.Path() / "Kite.bin", MinimalConfigurationIni("Kite"));
    // A file of the user's with the name a plain copy would take stays as it was.
    testsupport::WriteFile(dir.Path() / "Kite", "user data");
    EXPECT_EQ(LoadAircraftCatalogue(dir.Str()).DisplayNames(), Names{"Kite"});
    EXPECT_EQ(testsupport::ReadFile(dir.Path() / "Kite"), "user data");
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path())) ++files;
    EXPECT_EQ(files, 2u);
}

TEST(AircraftCatalogue, KeepsAtMostOneHundredEntries) {
    TempDir dir;
    for (int i = 0; i < 103; ++i) {
        WriteEncryptedConfiguration(dir.Path() / ("cfg" + std::to_string(1000 + i) + ".bin"),
                                    MinimalConfigurationIni("Aircraft " + std::to_string(i), 0));
    }
    const auto catalogue = LoadAircraftCatalogue(dir.Str());
    EXPECT_EQ(catalogue.LastCatalogueIndex, 99);
    EXPECT_EQ(catalogue.Entries[99].DisplayName, "Aircraft 99");
}

TEST(AircraftCatalogue, MissingOrEmptyFolderGivesAnEmptyCatalogue) {
    TempDir dir;
    EXPECT_EQ(LoadAircraftCatalogue(dir.Str()).LastCatalogueIndex, -1);
    EXPECT_EQ(LoadAircraftCatalogue(dir / "none").LastCatalogueIndex, -1);
    EXPECT_TRUE(LoadAircraftCatalogue(dir / "none").DisplayNames().empty());
    EXPECT_EQ(ConfigurationsFolder("C:\\Sim\\Decalia"), "C:\\Sim\\Decalia\\Aircraft Configurations");
}

}  // namespace
}  // namespace decalia::config
