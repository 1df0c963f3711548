#include "support/Environment.h"

#include <cstdlib>

namespace testsupport {

void SetVariable(const char* name, const char* value) { ::setenv(name, value, 1); }
void ClearVariable(const char* name) { ::unsetenv(name); }

}  // namespace testsupport
