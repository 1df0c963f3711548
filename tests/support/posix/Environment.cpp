#include "support/Environment.h"

#include <sys/wait.h>

#include <cstdlib>

namespace testsupport {

void SetVariable(const char* name, const char* value) { ::setenv(name, value, 1); }
void ClearVariable(const char* name) { ::unsetenv(name); }

int RunCommandLine(const std::string& commandLine) {
    const int status = std::system(commandLine.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace testsupport
