#pragma once
// The repaint being prepared. Every item but the aircraft index is held twice:
// the step value, which the step screen that edits it keeps and shows again,
// and the job value, which the main window shows and the build uses.

#include <cstdint>
#include <string>

namespace decalia {

struct RepaintJob {
    std::int32_t AircraftIndex = 0;
    std::string StepAircraftName;
    std::string StepTemplateName;
    std::string StepTemplatePath;
    std::string StepVariation;
    std::string StepFolderExtension;
    std::string StepTailNumber;
    std::string StepCallsign;
    std::string AircraftName;
    std::string TemplateName;
    std::string TemplatePath;
    std::string Variation;
    std::string FolderExtension;
    std::string TailNumber;
    std::string Callsign;
};

// The step marks the main window's step buttons show.
inline constexpr const char* kStepOpen = "Empty";
inline constexpr const char* kStepDone = "Check";

}  // namespace decalia
