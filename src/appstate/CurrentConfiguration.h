#pragma once
// Reading the chosen aircraft's configuration into the application: the read
// clears the repaint job and resets the later steps, takes the aircraft's
// default tail number, and lists its texture sheets for the preview.

#include <string_view>

namespace decalia {

class Application;

inline constexpr const char* kEntireTemplateRow = "*Entire Template*";

// Callers set AircraftIndex, StepAircraftName and AircraftName again right
// after it, from the catalogue entry they used.
void ReadAircraftConfiguration(Application& app, std::string_view filePath);

// The preview list: the whole template, then each sheet by its view name;
// row 0 selected.
void FillTextureList(Application& app);

// Redraws the texture preview, unless a configuration is being read.
void RequestPreview(Application& app);

}  // namespace decalia
