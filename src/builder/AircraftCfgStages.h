#pragma once
// The stages of the Aircraft.cfg writer, in their order of use. The reading
// stages fill the application's variation table and weight-and-balance
// values from the live A\Aircraft.cfg; the writing stages compose the new file
// in a draft that starts as the program's copy D\Aircraft.cfg.

#include <string>
#include <vector>

namespace decalia {

class Application;
class ProfileDraft;

// Entries fltsim.0, fltsim.1, ... up to the first without a title (all 1000
// when every one has one); also notes which aircraft folder they came from.
void ReadFltsimEntries(Application& app);
// Passes over failures: a station count that is no number reads no loads.
void ReadWeightAndBalance(Application& app);
// Copies the live file to Aircraft.bak; the live file itself stays untouched
// until the new one replaces it.
void BackupAircraftCfg(Application& app);
// The draft, holding the program's copy.
ProfileDraft CopyBaseAircraftCfg(Application& app);
void RewriteFltsimEntry(Application& app, int index, ProfileDraft& draft);
// The repaint's entry, after the kept ones.
void WriteNewFltsimEntry(Application& app, ProfileDraft& draft);
// Writes nothing when the live file had no values to keep.
void WriteWeightAndBalance(Application& app, ProfileDraft& draft);

// The configuration's extra field names (trimmed) when it names every one of
// its NumFields fields; otherwise none, and the extra fields are left out.
std::vector<std::string> UsableExtraFields(const Application& app);

}  // namespace decalia
