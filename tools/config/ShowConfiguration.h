#pragma once

#include <ostream>

#include "config/AircraftConfiguration.h"

namespace decalia::tools {

// One "name = value" line per field, texture, section mapping and offset, in
// the order the program reads them. Values are Windows-1252 bytes.
void ShowConfiguration(const config::AircraftConfiguration& record,
                       const config::ExtraTextures& extraTextures,
                       const config::ExtraFields& extraFields, std::ostream& out);

}  // namespace decalia::tools
