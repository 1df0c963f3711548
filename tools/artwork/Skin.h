#pragma once
// Writes the skin's files into a Media folder: the window backgrounds, their
// region files (computed from the backgrounds, black being cut away), the
// button strips, the drag cursor and the confirmation sound.

#include <string>
#include <vector>

namespace decalia::artwork {

// The names of every file WriteSkinFiles writes.
std::vector<std::string> SkinFileNames();

// mediaFolder is a program path; the folder must exist. On failure returns
// false and says which file in `error`.
bool WriteSkinFiles(const std::string& mediaFolder, std::string& error);

}  // namespace decalia::artwork
