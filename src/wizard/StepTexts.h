#pragma once
// What each step screen says and offers, by step (1 to 6) and mode.

namespace decalia {

inline constexpr int kFirstStep = 1;
inline constexpr int kLastStep = 6;

struct StepTexts {
    const char* titleSingle;
    const char* titleWizard;
    const char* instructionSingle;
    const char* instructionWizard;
    // Null on step 1, which has no second instruction and no Previous button.
    const char* secondInstructionSingle;
    const char* secondInstructionWizard;
    // The command word and tooltip of the Close button that stands in the
    // Previous position in single-step mode.
    const char* closeWord;
    const char* cancelToolTip;
    const char* confirmToolTip;
    // The tooltip of the top-right Close button, set when the screen is built.
    const char* closeToolTip;
};

// step: 1 to 6.
const StepTexts& TextsOfStep(int step);

inline constexpr const char* kPreviousToolTip =
    "Click to move to the previous Decalia Wizard Screen.";
inline constexpr const char* kNextToolTip = "Click to move to the next Decalia Wizard Screen.";
inline constexpr const char* kSelectToolTip = "Click to select a repaint template.";

inline constexpr const char* kVariationPrompt = "Enter Aircraft Variation";
inline constexpr const char* kFolderPrompt = "Enter Aircraft Folder Extension";
inline constexpr const char* kExamplePrefix = "Texture.";

}  // namespace decalia
