#include "support/Environment.h"

#include <cstdlib>

namespace testsupport {

void SetVariable(const char* name, const char* value) { ::_putenv_s(name, value); }
// An empty value removes the variable.
void ClearVariable(const char* name) { ::_putenv_s(name, ""); }

}  // namespace testsupport
