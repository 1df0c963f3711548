#pragma once
// decalia-config: encrypts, decrypts and shows aircraft configurations for
// aircraft makers. Arguments arrive as UTF-8 and are turned into the program's
// Windows-1252 text here.

#include <ostream>
#include <string>
#include <vector>

namespace decalia::tools {

// Runs one command; returns the process exit status.
int RunConfigTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace decalia::tools
