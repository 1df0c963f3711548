#pragma once
// decalia-config check: a configuration against the program folder and the
// aircraft it names, before a painter ever sees it. One line per problem,
// "FILE: error: [Section] Key: what is wrong", or "warning:" for what a build
// survives.

#include <ostream>
#include <string>

namespace decalia::tools {

// Checks one encrypted configuration (path and what to call it in the
// lines); true when it has no errors. Values are Windows-1252 bytes.
bool CheckConfigurationFile(const std::string& path, const std::string& shown,
                            const std::string& appFolder, const std::string& key, std::ostream& out);

}  // namespace decalia::tools
