#pragma once
// Setting and clearing the process's environment variables from a test, and
// running a command line through the host's shell.

#include <string>

namespace testsupport {

void SetVariable(const char* name, const char* value);
void ClearVariable(const char* name);
// The command's exit status; arguments with blanks come in double quotes.
int RunCommandLine(const std::string& commandLine);

}  // namespace testsupport
