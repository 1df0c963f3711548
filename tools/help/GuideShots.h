#pragma once
// Pictures of the real windows for the guide: the program runs on the Qt
// desktop over a copy of the demo simulator, a script plays a painter going
// through the wizard and building a repaint, and each window is taken as the
// user sees it.

#include <QImage>
#include <filesystem>
#include <map>
#include <string>

namespace decalia::guide {

// Named pictures ("main-window", "step-1", ...). Throws std::runtime_error
// when the program does not get where the script expects.
std::map<std::string, QImage> TakeWindowPictures(const std::filesystem::path& simulator);

}  // namespace decalia::guide
