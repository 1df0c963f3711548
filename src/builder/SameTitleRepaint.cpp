#include "builder/SameTitleRepaint.h"

#include "appstate/Application.h"
#include "builder/AircraftFolders.h"
#include "builder/BuildPaths.h"
#include "builder/ModelTextures.h"
#include "builder/RepaintFiles.h"
#include "platform/fs/Fs.h"
#include "platform/text/Text.h"

namespace decalia {
namespace {

// Entries after the index move down; the table keeps its size.
void RemoveEntry(FltsimEntries& table, int index) {
    table.entries.erase(table.entries.begin() + index);
    table.entries.emplace_back();
    --table.LastFltsimIndex;
}

void RebuildRepaintFiles(Application& app) {
    CreateAircraftFolders(app);
    if (app.configuration.TextureAssignOnly == 0) RenameModelTextures(app);
    if (app.configuration.CopyRenameAirFile == 1) CopyAirFile(app);
}

}  // namespace

std::string NewRepaintTitle(const Application& app) {
    return text::Trim(text::UCase(text::Trim(app.configuration.AircraftTitlePrefix)) + " " +
                      text::UCase(text::Trim(app.job.Variation)));
}

bool IsAircraftsOwnEntry(const FltsimEntry& entry) {
    return text::Trim(entry.texture).empty() && text::Trim(entry.model).empty();
}

void RemoveSameTitleRepaint(Application& app) {
    FltsimEntries& table = app.fltsim;
    if (table.aircraftFolder.empty() || table.aircraftFolder != fs::Resolve(AircraftFolder(app))) {
        return;
    }
    const std::string title = NewRepaintTitle(app);
    for (int index = 0; index <= table.LastFltsimIndex; ++index) {
        const FltsimEntry& entry = table.entries[static_cast<std::size_t>(index)];
        if (text::UCase(text::Trim(entry.title)) != title) continue;
        if (IsAircraftsOwnEntry(entry)) return;
        const std::string model = entry.model;
        const std::string texture = entry.texture;
        RemoveEntry(table, index);
        RemoveRepaintFiles(app, model, texture);
        RebuildRepaintFiles(app);
        return;
    }
}

}  // namespace decalia
