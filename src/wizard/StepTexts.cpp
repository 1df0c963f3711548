#include "wizard/StepTexts.h"

namespace decalia {
namespace {

constexpr const char* kEntrySingle =
    "You may change your entry at any time by entering a new value in the box provided below.  "
    "Press Next to continue or Close to Cancel.";
constexpr const char* kEntryWizard =
    "You may change your entry at any time by entering a new value in the box provided below.  "
    "To close the wizard, press the Close button.";

constexpr const char* kTemplateInstruction =
    "Press the Button below to select the desired repaint template.  The currently selected "
    "template is displayed next to the button.  When a template has been loaded, the Circle will "
    "display a completed check mark.";
constexpr const char* kVariationInstruction =
    "Enter the aircraft variation name to be displayed in Flight Simulator for this aircraft "
    "repaint, in the space provided below.  The current information is displyed in the variation "
    "input box.";
constexpr const char* kFolderInstruction =
    "Enter the folder extension to use in the space provided below.  This informaiton will be "
    "used for saving the aircraft repaint.  An example of the folder name with your input will be "
    "shown below.";
constexpr const char* kTailNumberInstruction =
    "Enter the tail number for this aircraft repaint, in the space provided below.  This is the "
    "number that Flight Simulator will use for the default version of the tail number when this "
    "repaint is selected in Flight Simulator.";
constexpr const char* kCallsignInstruction =
    "Select the default callsign to use for this aircraft repaint in Flight Simulator, from the "
    "list provided below.  If you do not desire to use a callsign, select the *NONE* option from "
    "the top of the list.  Confirm selection with the next button.";

const StepTexts kSteps[] = {
    {"Select Aircraft to Repaint", "Wizard Step 1: Select Aircraft to Repaint",
     "Select the aircraft you would like to work on from the list below.  To select the aircraft "
     "click on it and press the Next Button or double-click on the desired aircraft.  To cancel "
     "the Select Aircraft Repaint screen, press the Close Button.",
     "Select the aircraft you would like to work on from the list below.  To select the aircraft "
     "click on it and press the Next Button or double-click on the desired aircraft to continue.  "
     "To stop the wizard, press the Close button.",
     nullptr, nullptr, nullptr, nullptr,
     "Click to select the highlighted aircraft and close the Select Aircraft Repaint Decalia "
     "Screen.",
     "Click to close the Select Aircraft Screen."},
    {"Select Repaint Template", "Wizard Step 2: Select Repaint Template", kTemplateInstruction,
     kTemplateInstruction,
     "You may change your selection at any time by presing the selection button again.  Press "
     "Next to continue or Close to Cancel.",
     "You may change your selection at any time by presing the selection button again.  To close "
     "the wizard, press the Close button.",
     "close_selecttemplate", "Click to cancel the Select Repaint Template Decalia Screen.",
     "Click to confirm the selected repaint template and close the Select Repaint Template "
     "Decalia Screen.",
     "Click to close the Select Template Screen."},
    {"Enter Aircraft Variation", "Wizard Step 3: Enter Aircraft Variation", kVariationInstruction,
     kVariationInstruction, kEntrySingle, kEntryWizard, "close_variation",
     "Click to cancel the Enter Variation Decalia Screen.",
     "Click to confirm the entered variation and close the Enter Variation Decalia Screen.",
     "Click to close the Variation Entry Screen."},
    {"Enter Aircraft Folder", "Wizard Step 4: Enter Aircraft Folder", kFolderInstruction,
     kFolderInstruction, kEntrySingle, kEntryWizard, "close_folder",
     "Click to cancel the Enter Aircraft Folder Decalia Screen.",
     "Click to confirm the entered folder and close the Enter Aircraft Folder Decalia Screen.",
     "Click to close the Folder Entry Screen."},
    {"Enter Aircraft Tail Number", "Wizard Step 5: Enter Aircraft Tail Number",
     kTailNumberInstruction, kTailNumberInstruction, kEntrySingle, kEntryWizard,
     "close_tailnumber", "Click to cancel the Enter Tail Number Decalia Screen.",
     "Click to confirm the entered tail number and close the Enter Tail Number Decalia Screen.",
     "Click to close the Tail Number Entry Screen."},
    {"Select Aircraft Callsign", "Wizard Step 6: Select Aircraft Callsign", kCallsignInstruction,
     kCallsignInstruction,
     "You may change your selection at any time by selecting a new value in the box provided "
     "below.  Press Next to continue or Close to Cancel.",
     "You may change your selection at any time by selecting a new value in the box provided "
     "below.  To close the wizard, press the Close button.",
     "close_callsign", "Click to cancel the Enter Callsign Decalia Screen.",
     "Click to confirm the entered Callsign and close the Enter Callsign Decalia Screen.",
     "Click to close the Callsign Selection Screen."},
};

}  // namespace

const StepTexts& TextsOfStep(int step) {
    return kSteps[static_cast<unsigned>(step - kFirstStep)];
}

}  // namespace decalia
