#include "support/Environment.h"

#include <cstdlib>

namespace testsupport {

void SetVariable(const char* name, const char* value) { ::_putenv_s(name, value); }
// An empty value removes the variable.
void ClearVariable(const char* name) { ::_putenv_s(name, ""); }

// cmd.exe drops the first and the last quote of a line that starts with one.
int RunCommandLine(const std::string& commandLine) { return std::system(("\"" + commandLine + "\"").c_str()); }

}  // namespace testsupport
