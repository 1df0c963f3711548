#pragma once

#include <ostream>

namespace decalia {
class Application;
}

namespace decalia::tools {

// The main window and the start-up lists as text, one item per line.
void PrintMainWindow(Application& app, std::ostream& out);

}  // namespace decalia::tools
