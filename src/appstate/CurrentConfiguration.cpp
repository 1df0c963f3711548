#include "appstate/CurrentConfiguration.h"

#include "appstate/Application.h"
#include "appstate/Readiness.h"
#include "config/LoadAircraftConfig.h"
#include "platform/text/Text.h"

namespace decalia {
namespace {

config::SheetFormatChoice FormatFromCheckBox(const Application& app) {
    return app.frm_Main.chkDXT3.Value() == 1 ? config::SheetFormatChoice::Dxt3NormalMap
                                             : config::SheetFormatChoice::Uncompressed32NormalMap;
}

void TakeDefaultTail(Application& app) {
    app.job.StepTailNumber = app.job.TailNumber = text::Trim(app.configuration.AircraftTail);
    app.frm_Main.lbl_CurrentTailNumber.SetCaption(app.job.TailNumber);
    if (!app.job.TailNumber.empty()) app.frm_Main.btn_TailNumber.SetPicture(kStepDone);
}

}  // namespace

void ReadAircraftConfiguration(Application& app, std::string_view filePath) {
    app.ConfigurationLoading = true;
    app.configuration = {};
    app.job = {};
    ResetRepaintJobDisplay(app);
    app.configuration = config::ReadAircraftConfiguration(filePath, FormatFromCheckBox(app),
                                                          app.extraTextures, app.extraFields);
    TakeDefaultTail(app);
    FillTextureList(app);
    app.ConfigurationLoading = false;
}

void ReadCatalogueAircraft(Application& app, std::int32_t index) {
    const config::CatalogueEntry& entry = app.catalogue.Entries[static_cast<std::size_t>(index)];
    ReadAircraftConfiguration(app, entry.FilePath);
    app.job.AircraftIndex = index;
    app.job.StepAircraftName = entry.DisplayName;
    app.job.AircraftName = entry.DisplayName;
}

void FillTextureList(Application& app) {
    forms::ComboBox& list = app.frm_Main.lst_Texture;
    list.Clear();
    list.AddItem(kEntireTemplateRow);
    for (const auto& sheet : app.configuration.Textures) list.AddItem(sheet.ViewName);
    list.SetListIndex(0);
}

void RequestPreview(Application& app) {
    if (app.ConfigurationLoading || !app.renderPreview) return;
    app.renderPreview();
}

}  // namespace decalia
