#pragma once
// The common-dialog control, for the open-file dialog only.
//
// Reproduces (VB): Filter ("description|pattern"), InitDir, DialogTitle,
// FileName (the full path chosen; "" after a cancel), FileTitle (the name
// without its folder), ShowOpen. The control is invisible.
// Leaves out: CancelError, Flags, FilterIndex, the save, colour, font and
// print dialogs.

#include "platform/forms/Control.h"

#include <string>

namespace decalia::forms {

class CommonDialog : public Control {
public:
    explicit CommonDialog(const ControlSite& site);

    std::string Filter;
    std::string InitDir;
    std::string DialogTitle;
    const std::string& FileName() const { return fileName_; }
    void SetFileName(std::string name) { fileName_ = std::move(name); }
    std::string FileTitle() const;

    // True when a file was chosen.
    bool ShowOpen();

private:
    std::string fileName_;
};

}  // namespace decalia::forms
