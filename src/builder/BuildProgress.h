#pragma once
// What the main window shows while a build runs: the stage in the status
// line and the progress bar, each repainted at once because the build keeps
// the user-interface thread busy until it ends.

#include <string>

namespace decalia {

class Application;

// percent: 0 to 100 of the bar's room inside its container.
void ShowBuildProgress(Application& app, double percent);

void ShowBuildStatus(Application& app, std::string text);

}  // namespace decalia
