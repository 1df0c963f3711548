#pragma once
// Deleting what an earlier repaint put into the aircraft's folder, when a new
// repaint with its title replaces it. Passes over every failure: what cannot
// be deleted stays.

#include <string_view>

namespace decalia {

class Application;

// model, texture: the "model" and "texture" values of the replaced entry.
// An empty texture means the repaint shared the aircraft's Texture folder.
// Only plain names are used to build paths: a value with a path separator,
// "..", a drive colon, or an empty model deletes nothing through it, so
// nothing outside the aircraft's folder is ever touched.
void RemoveRepaintFiles(Application& app, std::string_view model, std::string_view texture);

// True for a name that stays inside the folder it is joined to.
bool IsPlainName(std::string_view name);

}  // namespace decalia
