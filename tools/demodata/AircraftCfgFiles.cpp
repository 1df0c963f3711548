#include "AircraftCfgFiles.h"

#include <array>

#include "platform/profile/Profile.h"
#include "platform/text/Text.h"

namespace decalia::demodata {
namespace {

using text::Trim;

// CR LF line ends, and an empty line at the end so that sections the profile
// writer appends stand apart.
std::string WithCrLf(std::string_view text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.remove_suffix(1);
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
        out += text[i];
    }
    return out + "\r\n\r\n";
}

std::string Read(std::string_view section, std::string_view key, const std::string& file) {
    std::array<char, 512> buffer{};
    win::GetPrivateProfileStringA(section, key, "", buffer, file);
    return buffer.data();
}

// The aircraft's own variation: its own Texture and Model folders, the names
// its configuration gives.
void WriteOwnVariation(const DemoAircraft& aircraft, std::string_view sections, const std::string& file,
                       Output& out) {
    const config::AircraftConfiguration& c = aircraft.record;
    out.File(file, WithCrLf(sections));
    const std::pair<const char*, std::string> keys[] = {
        {"title", Trim(c.AircraftDisplayName)}, {"sim", Trim(c.BaseAirName)},
        {"model", ""}, {"panel", ""}, {"sound", ""}, {"texture", ""},
        {"kb_checklists", Trim(c.CheckListFile)}, {"kb_reference", Trim(c.ReferenceFile)},
        {"atc_id", Trim(c.AircraftTail)}, {"atc_flight_number", Trim(c.AircraftFlight)},
        {"ui_manufacturer", Trim(c.Manufacturer)}, {"ui_type", Trim(c.AircraftType)},
    };
    for (const auto& [key, value] : keys) out.Profile("fltsim.0", key, value, file);
}

// Written as the program writes a repaint's entry.
void WriteInstalledVariation(const DemoAircraft& aircraft, const InstalledLivery& livery,
                             const std::string& file, Output& out) {
    const config::AircraftConfiguration& c = aircraft.record;
    const bool ownTextureFolder = c.TextureAssignOnly == 1;
    const std::string sim = c.CopyRenameAirFile == 1 ? LiveryAirName(aircraft, livery).value_or("")
                                                     : Trim(c.BaseAirName);
    const std::string tail = "N" + Trim(c.AircraftFlight) + "BH";
    const std::pair<const char*, std::string> keys[] = {
        {"title", Trim(c.AircraftTitlePrefix) + " " + livery.variation},
        {"sim", sim},
        {"model", ownTextureFolder ? RepaintModelFolder(aircraft) : livery.identifier},
        {"panel", ""},
        {"sound", ""},
        {"texture", ownTextureFolder ? livery.extension : ""},
        {"kb_checklists", Trim(c.CheckListFile)},
        {"kb_reference", Trim(c.ReferenceFile)},
        {"atc_id", tail},
        {"atc_airline", livery.airline},
        {"atc_flight_number", Trim(c.AircraftFlight)},
        {"atc_heavy", Read("fltsim.0", "atc_heavy", file)},
        {"ui_manufacturer", Trim(c.Manufacturer)},
        {"ui_type", Trim(c.AircraftType)},
        {"ui_variation", livery.variation},
        {"visual_damage", Read("fltsim.0", "visual_damage", file)},
        {"ui_typerole", Read("fltsim.0", "ui_typerole", file)},
        {"ui_createdby", Read("fltsim.0", "ui_createdby", file)},
        {"atc_id_color", Read("fltsim.0", "atc_id_color", file)},
    };
    for (const auto& [key, value] : keys) out.Profile("fltsim.1", key, value, file);
    const config::ExtraFields& extra = aircraft.extraFields;
    if (extra.CopyExtraFields != 1) return;
    for (std::size_t f = 0; f < extra.ExtraField.size() && f < extra.ExtraFieldDefault.size(); ++f)
        out.Profile("fltsim.1", Trim(extra.ExtraField[f]), Trim(extra.ExtraFieldDefault[f]), file);
}

// Every station loaded with the user's weight, its position kept.
void WriteUserLoading(const std::string& file, Output& out) {
    const int stations = win::GetPrivateProfileIntA("WEIGHT_AND_BALANCE", "max_number_of_stations", 0, file);
    for (int s = 0; s < stations; ++s) {
        const std::string key = "station_load." + std::to_string(s);
        const std::string load = Read("WEIGHT_AND_BALANCE", key, file);
        const std::size_t comma = load.find(',');
        if (comma != std::string::npos)
            out.Profile("WEIGHT_AND_BALANCE", key, std::string(kUserStationWeight) + load.substr(comma), file);
    }
}

}  // namespace

std::string RepaintModelFolder(const DemoAircraft& aircraft) {
    return aircraft.record.TextureAssignOnly == 1 ? Trim(aircraft.record.ModelFolder) : std::string();
}

void WriteProgramAircraftCfg(const DemoAircraft& aircraft, std::string_view sections,
                             const std::string& file, Output& out) {
    WriteOwnVariation(aircraft, sections, file, out);
    out.Profile("decalia", "model", RepaintModelFolder(aircraft), file);
    out.Profile("decalia", "panel", "", file);
}

void WriteLiveAircraftCfg(const DemoAircraft& aircraft, std::string_view sections,
                          const InstalledLivery& livery, const std::string& file, Output& out) {
    WriteOwnVariation(aircraft, sections, file, out);
    WriteInstalledVariation(aircraft, livery, file, out);
    WriteUserLoading(file, out);
}

}  // namespace decalia::demodata
