#pragma once
// Setting and clearing the process's environment variables from a test.

namespace testsupport {

void SetVariable(const char* name, const char* value);
void ClearVariable(const char* name);

}  // namespace testsupport
