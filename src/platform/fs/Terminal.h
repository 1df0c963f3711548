#pragma once
// Whether a standard stream is shown to a person, for tools that redraw
// progress lines only where someone watches.

#include <cstdio>

namespace decalia::fs {

// True when the stream (stdout, stderr) writes to a terminal or console; false
// for files, pipes and null devices.
bool IsTerminal(std::FILE* stream);

}  // namespace decalia::fs
