#pragma once
// A new repaint replaces an earlier one with the same title instead of being
// listed beside it: the earlier entry leaves the variation table and its
// files leave the aircraft's folder.

#include <string>

namespace decalia {

class Application;
struct FltsimEntry;

// Prefix and variation, trimmed and upper-cased, as titles are compared.
std::string NewRepaintTitle(const Application& app);

// An entry with neither a texture folder nor a model folder of its own: one
// of the aircraft's own variations, which a repaint never replaces.
bool IsAircraftsOwnEntry(const FltsimEntry& entry);

// Works on the variation table only when it was read from this aircraft's
// Aircraft.cfg (by the writer, or by the previous build of the same aircraft);
// otherwise does nothing. Removes the first entry with the new title (entries
// after it move down) unless it is the aircraft's own, deletes its files and
// rebuilds the repaint's folders, model copy and flight-model copy, which may
// stop the build with a BuildFailure.
void RemoveSameTitleRepaint(Application& app);

}  // namespace decalia
