#pragma once

#include <ostream>
#include <string>

namespace decalia {
class Application;
}

namespace decalia::tools {

// Chooses the aircraft (display name, any case), loads the template as step 2
// does and shows every row of the preview list in each view the template
// allows, printing its size and mean colour; with saveFolder, also writes each
// picture there as a bitmap. False when the aircraft is not in the catalogue.
bool PrintPreviews(Application& app, const std::string& aircraft, const std::string& templatePath,
                   const std::string& saveFolder, std::ostream& out);

}  // namespace decalia::tools
