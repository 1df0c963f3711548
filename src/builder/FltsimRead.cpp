#include <algorithm>
#include <charconv>
#include <limits>

#include "appstate/Application.h"
#include "builder/AircraftCfgStages.h"
#include "builder/BuildPaths.h"
#include "config/ConfigFile.h"
#include "platform/fs/Fs.h"
#include "platform/profile/Profile.h"
#include "platform/text/Text.h"

namespace decalia {
namespace {

constexpr const char* kWeightAndBalance = "WEIGHT_AND_BALANCE";
// More stations than any aircraft has; a hostile count reads no further.
constexpr int kMaxStations = 1000;

std::int16_t ReadInt16(std::string_view section, std::string_view key,
                       const win::ProfileText& profile) {
    const std::int32_t value = config::ReadProfileInt(section, key, profile);
    const bool fits = value >= std::numeric_limits<std::int16_t>::min() &&
                      value <= std::numeric_limits<std::int16_t>::max();
    return fits ? static_cast<std::int16_t>(value) : std::int16_t{0};
}

FltsimEntry ReadEntry(const std::string& section, const win::ProfileText& profile,
                      const std::vector<std::string>& extraFields) {
    const auto plain = [&](const char* key) { return config::ReadProfileString(section, key, profile); };
    const auto longText = [&](std::string_view key) {
        return config::ReadProfileLongString(section, key, profile);
    };
    FltsimEntry entry;
    entry.title = plain("title");
    entry.sim = plain("sim");
    entry.model = plain("model");
    entry.panel = plain("panel");
    entry.sound = plain("sound");
    entry.texture = plain("texture");
    entry.kb_checklists = plain("kb_checklists");
    entry.kb_reference = plain("kb_reference");
    entry.atc_id = plain("atc_id");
    entry.atc_airline = plain("atc_airline");
    entry.atc_flight_number = plain("atc_flight_number");
    entry.ui_manufacturer = plain("ui_manufacturer");
    entry.ui_type = plain("ui_type");
    entry.ui_variation = plain("ui_variation");
    entry.atc_heavy = ReadInt16(section, "atc_heavy", profile);
    entry.visual_damage = ReadInt16(section, "visual_damage", profile);
    entry.description = longText("description");
    for (const std::string& field : extraFields) entry.ExtraValues.push_back(longText(field));
    entry.ui_typerole = longText("ui_typerole");
    entry.ui_createdby = longText("ui_createdby");
    entry.atc_id_color = longText("atc_id_color");
    return entry;
}

int StationCount(const std::string& value) {
    int count = 0;
    const char* end = value.data() + value.size();
    const auto [stop, error] = std::from_chars(value.data(), end, count);
    if (error != std::errc() || stop != end || count < 0) return 0;
    return std::min(count, kMaxStations);
}

}  // namespace

std::vector<std::string> UsableExtraFields(const Application& app) {
    const config::ExtraFields& extra = app.extraFields;
    if (extra.CopyExtraFields != 1 || extra.NumFields < 1) return {};
    const auto count = static_cast<std::size_t>(extra.NumFields);
    if (extra.ExtraField.size() < count || extra.ExtraFieldDefault.size() < count) return {};
    std::vector<std::string> names;
    for (std::size_t f = 0; f < count; ++f) {
        names.push_back(text::Trim(extra.ExtraField[f]));
        if (names.back().empty()) return {};
    }
    return names;
}

void ReadFltsimEntries(Application& app) {
    const std::string live = LiveAircraftCfg(app);
    const auto profile = win::ProfileText::FromFile(live);
    const auto extraFields = UsableExtraFields(app);
    FltsimEntries& table = app.fltsim;
    // Entries of an earlier read must not stand in for missing ones.
    table.entries.assign(kFltsimTableSize, FltsimEntry{});
    table.aircraftFolder = fs::Resolve(AircraftFolder(app));
    int count = 0;
    for (; count < kFltsimTableSize; ++count) {
        const std::string section = "fltsim." + std::to_string(count);
        if (config::ReadProfileString(section, "title", profile).empty()) break;
        table.entries[static_cast<std::size_t>(count)] = ReadEntry(section, profile, extraFields);
    }
    table.LastFltsimIndex = static_cast<std::int16_t>(count - 1);
}

void ReadWeightAndBalance(Application& app) {
    const std::string live = LiveAircraftCfg(app);
    const auto profile = win::ProfileText::FromFile(live);
    WeightAndBalance values;
    const auto readKey = [&](const char* key) {
        std::string ignored;
        values.found = values.found || profile.Lookup(kWeightAndBalance, key, ignored);
        return config::ReadProfileString(kWeightAndBalance, key, profile);
    };
    values.empty_weight = readKey("empty_weight");
    values.reference_datum_position = readKey("reference_datum_position");
    values.empty_weight_CG_position = readKey("empty_weight_CG_position");
    values.max_number_of_stations = readKey("max_number_of_stations");
    const int stations = StationCount(values.max_number_of_stations);
    for (int s = 0; s < stations; ++s) {
        values.StationLoads.push_back(
            config::ReadProfileString(kWeightAndBalance, "station_load." + std::to_string(s), profile));
    }
    app.weightAndBalance = std::move(values);
}

}  // namespace decalia
