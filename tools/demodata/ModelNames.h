#pragma once
// The texture names a model file carries and where: the program rewrites them
// in place, so each must keep its length and none may run into another.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/AircraftConfiguration.h"

namespace decalia::demodata {

// A name written into a model at a zero-based byte position.
struct NameSlot {
    std::int64_t position = 0;
    std::string name;
};

// The program's naming rule with an identifier of its own length.
std::optional<std::string> MaskedName(std::string_view baseName, std::string_view mask,
                                      std::string_view identifier);

// Name slots at the configuration's model offsets (1-based there), each name
// being the texture's base name, or its masked name for a non-empty
// identifier, with ".bmp". Textures whose names cannot be masked are left out.
std::vector<NameSlot> OffsetSlots(const config::AircraftConfiguration& record,
                                  std::string_view identifier = {});

// Slots for a model whose offsets the configuration does not list: one entry
// per texture in a table of fixed-size entries.
std::vector<NameSlot> TextureTableSlots(const config::AircraftConfiguration& record);

// What keeps the program from renaming this aircraft's files safely, one line
// per fault; empty when nothing does.
std::vector<std::string> NamingProblems(const config::AircraftConfiguration& record);

}  // namespace decalia::demodata
