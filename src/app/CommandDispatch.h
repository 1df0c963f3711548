#pragma once
// What the release of a skinned button runs, decided by the name of the
// window that owns the button (exact) and its command word (any case). Small
// buttons carry the step, close, help, previous, next and select commands;
// large ones only "wizard" and "create".

#include <memory>

#include "ui/Toolkit.h"

namespace decalia {

class Application;

// The program's dispatch; Main installs it in the toolkit before any window
// can be clicked.
std::unique_ptr<ui::CommandDispatch> MakeCommandDispatch(Application& app);

// "Create Aircraft": an earlier repaint of the same title goes first, then the
// build.
void CreateAircraft(Application& app);

}  // namespace decalia
