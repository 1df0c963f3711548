#pragma once
// The skin files an installation's Media folder gets, as the build makes them.

#include <string>

namespace testsupport {

// mediaFolder exists; throws when a file cannot be made.
void LaySkinFiles(const std::string& mediaFolder);

}  // namespace testsupport
