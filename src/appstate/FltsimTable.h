#pragma once
// The aircraft's variations as read from its Aircraft.cfg, and its weight and
// balance values: kept for the whole run, overwritten by each build's reading.

#include <cstdint>
#include <string>
#include <vector>

namespace decalia {

struct FltsimEntry {
    std::string title;
    std::string sim;
    std::string model;
    std::string panel;
    std::string sound;
    std::string texture;
    std::string kb_checklists;
    std::string kb_reference;
    std::string atc_id;
    std::string atc_airline;
    std::string atc_flight_number;
    std::string ui_manufacturer;
    std::string ui_type;
    std::string ui_variation;
    std::int16_t atc_heavy = 0;
    std::int16_t visual_damage = 0;
    std::string description;
    std::vector<std::string> ExtraValues;
    std::string ui_typerole;
    std::string ui_createdby;
    std::string atc_id_color;
};

inline constexpr int kFltsimTableSize = 1000;

struct FltsimEntries {
    std::vector<FltsimEntry> entries = std::vector<FltsimEntry>(kFltsimTableSize);
    // Index of the last entry holding data; -1 when the file had none.
    std::int16_t LastFltsimIndex = 0;
    // The host folder whose Aircraft.cfg was read; empty before the first
    // build of the run. A table of another aircraft's file must not be used to
    // delete anything in this one's.
    std::string aircraftFolder;
};

struct WeightAndBalance {
    std::string empty_weight;
    std::string reference_datum_position;
    std::string empty_weight_CG_position;
    std::string max_number_of_stations;
    std::vector<std::string> StationLoads;
    // False when the live file had no weight-and-balance values to keep, so
    // that the program's copy keeps its own.
    bool found = false;
};

}  // namespace decalia
