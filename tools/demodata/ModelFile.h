#pragma once
// Stand-ins for the simulator's model (.mdl) and flight-model (.air) files:
// binary content the program copies and patches but never interprets, so only
// the texture names at their positions have to be right.

#include <string>
#include <string_view>
#include <vector>

#include "ModelNames.h"

namespace decalia::demodata {

// A model file holding each slot's name at its position; the rest is filler
// made from `seed`, so equal seeds and slot positions give equal bytes apart
// from the names. Slots must not overlap (NamingProblems checks that).
std::string ModelFileBytes(const std::vector<NameSlot>& slots, std::string_view seed);

// The model as the aircraft itself has it: with its base texture names at the
// configured offsets, or, when the configuration lists none (an aircraft whose
// repaints only swap textures), in a table of its own. The program's data
// folder keeps the same bytes as the source of its patched copies.
std::string OwnModelBytes(const config::AircraftConfiguration& record);
// The model a repaint with this identifier got: the same bytes with the
// repaint's texture names at the offsets.
std::string RepaintModelBytes(const config::AircraftConfiguration& record, std::string_view identifier);

// A flight-model file for the named flight model.
std::string AirFileBytes(std::string_view airName);

}  // namespace decalia::demodata
