#include "builder/AircraftCfgWriter.h"

#include "BuilderFixture.h"
#include "config/ConfigFile.h"
#include "platform/fs/Fs.h"
#include "support/TempDir.h"

namespace decalia::buildertest {
namespace {

namespace stdfs = std::filesystem;

class WriterTest : public BuilderTest {
protected:
    std::string Value(const std::string& stem, int index, const char* key) const {
        return config::ReadProfileString("fltsim." + std::to_string(index), key, LiveCfg(stem).string());
    }
    std::vector<std::string> Titles(const std::string& stem) const {
        std::vector<std::string> titles;
        for (int i = 0; !Value(stem, i, "title").empty(); ++i) titles.push_back(Value(stem, i, "title"));
        return titles;
    }
    std::string WeightAndBalance(const std::string& stem, const char* key) const {
        return config::ReadProfileString("WEIGHT_AND_BALANCE", key, LiveCfg(stem).string());
    }
};

// A blank title ends the list: later sections are not carried over.
TEST_F(WriterTest, NewEntryFollowsTheKeptOnesAndTheOldFileIsBackedUp) {
    for (const char* third : {"Kestrel K1 Green", ""}) {
        const std::string live = FltsimSection(0, "Kestrel K1 Factory", "", "") +
                                 FltsimSection(1, "Kestrel K1 Red", "RED", "") +
                                 FltsimSection(2, third, "GRN", "") + FltsimSection(3, "Kestrel K1 Gold", "GLD", "");
        WriteLiveCfg(kShared, live);
        Choose(kShared);
        WriteAircraftCfg(app);
        EXPECT_EQ(app.frm_Main.lbl_Status.Caption(), "Writing Aircraft Configuration File");
        const std::vector<std::string> all = {"Kestrel K1 Factory", "Kestrel K1 Red", "Kestrel K1 Green",
                                              "Kestrel K1 Gold", "Kestrel K1 Blue"};
        const std::vector<std::string> cut = {"Kestrel K1 Factory", "Kestrel K1 Red", "Kestrel K1 Blue"};
        EXPECT_EQ(Titles(kShared), *third ? all : cut);
        EXPECT_EQ(Value(kShared, 3, "model"), *third ? "GLD" : "");
        EXPECT_EQ(testsupport::ReadFile(AircraftDir(kShared) / "Aircraft.bak"), live);
        // Other sections come from the program's copy.
        EXPECT_EQ(config::ReadProfileString("GENERAL", "atc_type", LiveCfg(kShared).string()), "KESTREL");
    }
}

TEST_F(WriterTest, SameTitleRepaintIsReplacedWithItsFilesWhereverItStands) {
    struct Case {
        std::vector<std::string> titles;  // model = the title's last word's first three letters
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {{"Kestrel K1 Factory", "Kestrel K1 Red", "KESTREL K1 blue ", "Kestrel K1 Green"},
         {"Kestrel K1 Factory", "Kestrel K1 Red", "Kestrel K1 Green", "Kestrel K1 Blue"}},
        {{"Kestrel K1 Blue", "Kestrel K1 Factory", "Kestrel K1 Red"},
         {"Kestrel K1 Factory", "Kestrel K1 Red", "Kestrel K1 Blue"}},
    };
    for (const Case& c : cases) {
        const stdfs::path a = AircraftDir(kShared);
        std::string live;
        for (std::size_t i = 0; i < c.titles.size(); ++i) {
            const std::string word = c.titles[i].substr(c.titles[i].rfind("K1 ") + 3, 3);
            const std::string model = word == "Fac" ? "" : word;
            live += FltsimSection(static_cast<int>(i), c.titles[i], model, "");
            if (model.empty()) continue;
            Put(a / "Texture" / ("tex_" + model + "_body.bmp"));
            Put(a / ("Model." + model) / ("k1_" + model + ".mdl"));
            Put(a / ("k1_" + model + ".air"));
        }
        WriteLiveCfg(kShared, live);
        Choose(kShared);
        app.job.FolderExtension = "xyz";
        WriteAircraftCfg(app);
        EXPECT_EQ(Titles(kShared), c.expected);
        EXPECT_FALSE(fs::FileExists((a / "Texture" / "tex_BLU_body.bmp").string()));
        EXPECT_FALSE(fs::FolderExists((a / "Model.BLU").string()));
        EXPECT_FALSE(fs::FileExists((a / "k1_BLU.air").string()));
        EXPECT_TRUE(stdfs::exists(a / "Texture" / "tex_Red_body.bmp"));
        EXPECT_TRUE(stdfs::exists(a / "Model.Red" / "k1_Red.mdl"));
        EXPECT_TRUE(stdfs::exists(a / "k1_Red.air"));
        // What the removal may have deleted is made again for the new repaint.
        EXPECT_TRUE(stdfs::exists(a / "Model.xyz" / "k1_XYZ.mdl"));
        EXPECT_TRUE(stdfs::exists(a / "k1_XYZ.air"));
    }
}

TEST_F(WriterTest, TheAircraftsOwnVariationIsNeverReplaced) {
    WriteLiveCfg(kShared, FltsimSection(0, "Kestrel K1 Blue", "", ""));
    Choose(kShared);
    WriteAircraftCfg(app);
    EXPECT_EQ(Titles(kShared), (std::vector<std::string>{"Kestrel K1 Blue", "Kestrel K1 Blue"}));
}

TEST_F(WriterTest, BuildingTheSameRepaintTwiceLeavesOneEntry) {
    Choose(kShared);
    WriteAircraftCfg(app);
    const std::string first = ReadLiveCfg(kShared);
    WriteAircraftCfg(app);
    EXPECT_EQ(Titles(kShared), (std::vector<std::string>{"Kestrel K1 Factory", "Kestrel K1 Blue"}));
    EXPECT_EQ(ReadLiveCfg(kShared), first);
    EXPECT_EQ(testsupport::ReadFile(AircraftDir(kShared) / "Aircraft.bak"), first);
}

struct LayoutEntry {
    const char* stem;
    const char* decaliaModel;  // written into the program copy's [decalia] section
    const char* callsign;
    std::vector<std::pair<const char*, std::string>> expected;
};

TEST_F(WriterTest, NewEntryTakesItsValuesFromTheJobTheConfigurationAndTheFirstEntry) {
    const LayoutEntry cases[] = {
        {kShared, "", "KESTREL",
         {{"title", "Kestrel K1 Blue"}, {"sim", "k1_ABC"}, {"model", "ABC"}, {"texture", ""},
          {"panel", "k1panel"}, {"atc_id", "N123AB"}, {"atc_airline", "KESTREL"},
          {"atc_flight_number", "101"}, {"kb_checklists", "K1_check"}, {"kb_reference", "K1_ref"},
          {"ui_manufacturer", "Kestrelworks"}, {"ui_type", "K1 Trainer"}, {"ui_variation", "Blue"},
          {"atc_heavy", "1"}, {"visual_damage", "1"}, {"ui_typerole", "Trainer"},
          {"ui_createdby", "Kestrelworks"}, {"atc_id_color", "0xffffffff"}, {"description", ""}}},
        {kOwn, "", "*NONE*", {{"model", "K2MODEL"}, {"texture", "abc"}, {"sim", "k2"}, {"atc_airline", ""}}},
        {kOwn, " k2custom ", "North, South", {{"model", "k2custom"}, {"atc_airline", "North, South"}}},
    };
    for (const LayoutEntry& c : cases) {
        testsupport::WriteFile(DataDir(c.stem) / "Aircraft.cfg",
                               std::string("[decalia]\r\nmodel=") + c.decaliaModel + "\r\npanel=k1panel\r\n");
        Choose(c.stem);
        app.job.Callsign = c.callsign;
        WriteAircraftCfg(app);
        for (const auto& [key, value] : c.expected) EXPECT_EQ(Value(c.stem, 1, key), value) << c.stem << " " << key;
    }
}

std::string Lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

// The new file byte for byte: keys added to the copy's sections after their
// last key, new sections at the end, a blank line after each entry.
TEST_F(WriterTest, EntriesEndWithABlankLineAfterTheirLastKey) {
    testsupport::WriteFile(DataDir(kOwn) / "Aircraft.cfg",
                           Lines({"[fltsim.0]", "title=Kestrel K2 Factory", "description=Factory paint", "",
                                  "[decalia]", "panel=p2"}));
    WriteLiveCfg(kOwn, Lines({"[fltsim.0]", "title=Kestrel K2 Factory", "sim=k2", "atc_heavy=1",
                              "ui_createdby=Kestrelworks", "ExtraA=x1", "ExtraB= x2 "}));
    const auto keptKeys = [](std::string sim) {
        return Lines({"sim=" + sim, "model=", "panel=", "sound=", "texture=", "kb_checklists=",
                      "kb_reference=", "atc_id=", "atc_airline=", "atc_flight_number=", "atc_heavy=1",
                      "ui_manufacturer=", "ui_type=", "ui_variation=", "visual_damage=0", "ui_typerole=",
                      "ui_createdby=Kestrelworks"});
    };
    const std::string newKeys =
        Lines({"[fltsim.1]", "title=Kestrel K2 Blue", "sim=k2" + std::string(98, ' '), "model=K2MODEL",
               "panel=p2", "sound=", "texture=abc", "kb_checklists=", "kb_reference=", "atc_id=N123AB",
               "atc_airline=", "atc_flight_number=202", "atc_heavy=1", "ui_manufacturer=Kestrelworks",
               "ui_type=K2 Glider", "ui_variation=Blue", "visual_damage=0", "ui_typerole=",
               "ui_createdby=Kestrelworks"});
    const std::string head = Lines({"[fltsim.0]", "title=Kestrel K2 Factory", "description=Factory paint"});
    const std::string tail = Lines({"", "[decalia]", "panel=p2"});

    Choose(kOwn);
    app.job.Callsign = "*NONE*";
    WriteAircraftCfg(app);
    EXPECT_EQ(ReadLiveCfg(kOwn), head + keptKeys("k2") + Lines({"atc_id_color=", ""}) + tail + newKeys +
                                     Lines({"atc_id_color=", ""}));

    Choose(kOwn);
    app.job.Callsign = "*NONE*";
    WriteLiveCfg(kOwn, testsupport::ReadFile(AircraftDir(kOwn) / "Aircraft.bak"));
    app.extraFields = {1, 2, {"ExtraA", " ExtraB "}, {"defA", " defB "}};
    WriteAircraftCfg(app);
    EXPECT_EQ(ReadLiveCfg(kOwn), head + keptKeys("k2") + Lines({"atc_id_color=", "ExtraA=x1", "ExtraB=x2", ""}) +
                                     tail + newKeys + Lines({"atc_id_color=", "ExtraA=defA", "ExtraB=defB", ""}));
}

TEST_F(WriterTest, ExtraFieldsWithoutNamesAreLeftOut) {
    Choose(kOwn);
    // Names left from an earlier configuration must not be used either.
    app.extraFields = {0, 2, {"ExtraA", "ExtraB"}, {"a", "b"}};
    WriteAircraftCfg(app);
    const std::string written = ReadLiveCfg(kOwn);
    EXPECT_EQ(written.find("Extra"), std::string::npos);
    EXPECT_NE(written.find("atc_id_color=0xffffffff\r\n\r\n"), std::string::npos);
}

TEST_F(WriterTest, WeightAndBalanceOfTheLiveFileIsKeptAndNoneIsInventedWhenItHasNone) {
    WriteLiveCfg(kShared, FltsimSection(0, "Kestrel K1 Factory", "", "") +
                              Lines({"[WEIGHT_AND_BALANCE]", "empty_weight=950", "reference_datum_position=1, 2, 3",
                                     "max_number_of_stations=2", "station_load.0=170", "station_load.1= 80 "}));
    Choose(kShared);
    WriteAircraftCfg(app);
    EXPECT_EQ(WeightAndBalance(kShared, "empty_weight"), "950");
    EXPECT_EQ(WeightAndBalance(kShared, "reference_datum_position"), "1, 2, 3");
    EXPECT_EQ(WeightAndBalance(kShared, "max_number_of_stations"), "2");
    EXPECT_EQ(WeightAndBalance(kShared, "station_load.1"), "80");

    const std::string copySection = Lines({"[WEIGHT_AND_BALANCE]", "empty_weight=900", "max_number_of_stations=1",
                                           "station_load.0=170, 1, 0, 0", ""});
    for (const bool liveFileExists : {true, false}) {
        WriteLiveCfg(kShared, FltsimSection(0, "Kestrel K1 Factory", "", ""));
        if (!liveFileExists) stdfs::remove(LiveCfg(kShared));
        stdfs::remove(AircraftDir(kShared) / "Aircraft.bak");
        Choose(kShared);
        WriteAircraftCfg(app);
        EXPECT_NE(ReadLiveCfg(kShared).find(copySection), std::string::npos) << liveFileExists;
        EXPECT_EQ(stdfs::exists(AircraftDir(kShared) / "Aircraft.bak"), liveFileExists);
    }
}

TEST_F(WriterTest, AFullTableOfAThousandEntriesGetsTheNewOneAsEntryOneThousand) {
    std::string live;
    for (int i = 0; i < 1000; ++i) {
        live += "[fltsim." + std::to_string(i) + "]\r\ntitle=Kestrel K1 Paint " + std::to_string(i) +
                "\r\nmodel=P" + std::to_string(i) + "\r\n\r\n";
    }
    WriteLiveCfg(kShared, live);
    Choose(kShared);
    WriteAircraftCfg(app);
    EXPECT_EQ(app.fltsim.LastFltsimIndex, 999);
    EXPECT_EQ(Value(kShared, 999, "title"), "Kestrel K1 Paint 999");
    EXPECT_EQ(Value(kShared, 1000, "title"), "Kestrel K1 Blue");
}

}  // namespace
}  // namespace decalia::buildertest
