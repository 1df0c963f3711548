#include <utility>

#include "appstate/Application.h"
#include "builder/AircraftCfgStages.h"
#include "builder/BuildPaths.h"
#include "builder/ProfileDraft.h"
#include "config/ConfigFile.h"
#include "platform/text/Text.h"

namespace decalia {
namespace {

constexpr const char* kWriteStage = "writing Aircraft.cfg";
// The callsign list's entry for "no airline".
constexpr const char* kNoCallsign = "*NONE*";
constexpr const char* kLineBreak = "\r\n";

using KeyValues = std::vector<std::pair<std::string, std::string>>;

// Every key but the description, in the order the simulator's own files use.
KeyValues EntryKeys(const FltsimEntry& entry) {
    return {{"title", entry.title},
            {"sim", entry.sim},
            {"model", entry.model},
            {"panel", entry.panel},
            {"sound", entry.sound},
            {"texture", entry.texture},
            {"kb_checklists", entry.kb_checklists},
            {"kb_reference", entry.kb_reference},
            {"atc_id", entry.atc_id},
            {"atc_airline", entry.atc_airline},
            {"atc_flight_number", entry.atc_flight_number},
            {"atc_heavy", std::to_string(entry.atc_heavy)},
            {"ui_manufacturer", entry.ui_manufacturer},
            {"ui_type", entry.ui_type},
            {"ui_variation", entry.ui_variation},
            {"visual_damage", std::to_string(entry.visual_damage)},
            {"ui_typerole", entry.ui_typerole},
            {"ui_createdby", entry.ui_createdby},
            {"atc_id_color", entry.atc_id_color}};
}

std::string SectionOf(int index) { return "fltsim." + std::to_string(index); }

// The last key's value ends in a line break, so that the profile writer leaves
// an empty line between this entry and the next.
void WriteEntry(Application& app, const std::string& section, const KeyValues& keys,
                const std::string& atcIdColor, const std::vector<std::string>& extraValues,
                ProfileDraft& draft) {
    for (const auto& [key, value] : keys) draft.Write(section, key, value);
    const auto fields = UsableExtraFields(app);
    if (fields.empty()) {
        draft.Write(section, "atc_id_color", atcIdColor + kLineBreak);
        return;
    }
    for (std::size_t f = 0; f < fields.size(); ++f) {
        std::string value = f < extraValues.size() ? extraValues[f] : std::string();
        if (f + 1 == fields.size()) value += kLineBreak;
        draft.Write(section, fields[f], value);
    }
}

std::string SimName(const Application& app) {
    const config::AircraftConfiguration& configuration = app.configuration;
    switch (configuration.CopyRenameAirFile) {
        case 1:
            return RepaintFileName(app, configuration.BaseAirName, configuration.ReplaceAirMask,
                                   kWriteStage);
        case 0:
            return config::PadToWidth(configuration.BaseAirName, config::kTextWidth);
        default:
            return {};
    }
}

std::string ModelName(const Application& app) {
    if (app.configuration.TextureAssignOnly == 0) return RepaintIdentifier(app);
    std::string model = config::ReadProfileString("decalia", "model", BaseAircraftCfg(app));
    return model.empty() ? text::UCase(text::Trim(app.configuration.ModelFolder)) : model;
}

// Heaviness, damage, role, maker and colour come from the aircraft's own first entry.
FltsimEntry NewEntry(const Application& app) {
    const config::AircraftConfiguration& configuration = app.configuration;
    const RepaintJob& job = app.job;
    const FltsimEntry& first = app.fltsim.entries.front();
    FltsimEntry entry;
    entry.title = text::Trim(configuration.AircraftTitlePrefix) + " " + text::Trim(job.Variation);
    entry.sim = SimName(app);
    entry.model = ModelName(app);
    entry.panel = config::ReadProfileString("decalia", "panel", BaseAircraftCfg(app));
    if (configuration.TextureAssignOnly == 1) entry.texture = RepaintFolderExtension(app);
    entry.kb_checklists = text::Trim(configuration.CheckListFile);
    entry.kb_reference = text::Trim(configuration.ReferenceFile);
    entry.atc_id = text::UCase(text::Trim(job.TailNumber));
    const std::string callsign = text::Trim(job.Callsign);
    if (callsign != kNoCallsign) entry.atc_airline = callsign;
    entry.atc_flight_number = text::Trim(configuration.AircraftFlight);
    entry.atc_heavy = first.atc_heavy;
    entry.ui_manufacturer = text::Trim(configuration.Manufacturer);
    entry.ui_type = text::Trim(configuration.AircraftType);
    entry.ui_variation = text::Trim(job.Variation);
    entry.visual_damage = first.visual_damage;
    entry.ui_typerole = first.ui_typerole;
    entry.ui_createdby = first.ui_createdby;
    entry.atc_id_color = first.atc_id_color;
    return entry;
}

// A layout the program does not know gets neither a model nor a texture key.
KeyValues NewEntryKeys(const Application& app, const FltsimEntry& entry) {
    KeyValues keys = EntryKeys(entry);
    if (app.configuration.TextureAssignOnly == 0 || app.configuration.TextureAssignOnly == 1) {
        return keys;
    }
    std::erase_if(keys, [](const auto& key) { return key.first == "model" || key.first == "texture"; });
    return keys;
}

std::vector<std::string> ExtraDefaults(const Application& app) {
    std::vector<std::string> defaults;
    for (const std::string& value : app.extraFields.ExtraFieldDefault) {
        defaults.push_back(text::Trim(value));
    }
    return defaults;
}

}  // namespace

void RewriteFltsimEntry(Application& app, int index, ProfileDraft& draft) {
    const FltsimEntry& entry = app.fltsim.entries.at(static_cast<std::size_t>(index));
    WriteEntry(app, SectionOf(index), EntryKeys(entry), entry.atc_id_color, entry.ExtraValues, draft);
}

void WriteNewFltsimEntry(Application& app, ProfileDraft& draft) {
    const FltsimEntry entry = NewEntry(app);
    WriteEntry(app, SectionOf(app.fltsim.LastFltsimIndex + 1), NewEntryKeys(app, entry),
               entry.atc_id_color, ExtraDefaults(app), draft);
}

void WriteWeightAndBalance(Application& app, ProfileDraft& draft) {
    const WeightAndBalance& values = app.weightAndBalance;
    if (!values.found) return;
    const std::string section = "WEIGHT_AND_BALANCE";
    draft.Write(section, "empty_weight", values.empty_weight);
    draft.Write(section, "reference_datum_position", values.reference_datum_position);
    draft.Write(section, "empty_weight_CG_position", values.empty_weight_CG_position);
    draft.Write(section, "max_number_of_stations", values.max_number_of_stations);
    for (std::size_t s = 0; s < values.StationLoads.size(); ++s) {
        draft.Write(section, "station_load." + std::to_string(s), values.StationLoads[s]);
    }
}

}  // namespace decalia
