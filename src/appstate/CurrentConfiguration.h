#pragma once
// Reading the chosen aircraft's configuration into the application: the read
// clears the repaint job and resets the later steps, takes the aircraft's
// default tail number, and lists its texture sheets for the preview.

#include <cstdint>
#include <string_view>

namespace decalia {

class Application;

inline constexpr const char* kEntireTemplateRow = "*Entire Template*";

// Callers set AircraftIndex, StepAircraftName and AircraftName again right
// after it, from the catalogue entry they used.
void ReadAircraftConfiguration(Application& app, std::string_view filePath);

// Reads the catalogue entry's configuration and makes it the job's aircraft
// (its index and both names), as choosing it does. The index must be within
// the catalogue.
void ReadCatalogueAircraft(Application& app, std::int32_t index);

// The preview list: the whole template, then each sheet by its view name;
// row 0 selected.
void FillTextureList(Application& app);

// Redraws the texture preview, unless a configuration is being read.
void RequestPreview(Application& app);

}  // namespace decalia
