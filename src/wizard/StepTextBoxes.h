#pragma once
// The text boxes of steps 3 to 5 keep their step values current while the
// user edits.

namespace decalia {

class Application;

// A change of text, typed or put in by the program, becomes the step value
// and offers Next; step 4 also shows the folder name it would give.
void InstallTextBoxChanges(Application& app);

}  // namespace decalia
