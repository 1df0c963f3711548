// The files a build reads, in the program folder and the aircraft's folder,
// and the model offsets against the base model they patch.
#include "CheckProblems.h"
#include "builder/BuildChecks.h"
#include "builder/BuildPaths.h"
#include "builder/RepaintFiles.h"
#include "platform/fs/Fs.h"
#include "platform/text/Text.h"

namespace decalia::tools {
namespace {

void NeedFile(const std::string& path, const std::string& section, const std::string& key,
              ProblemList& problems) {
    if (!fs::FileExists(path)) problems.Error(section, key, "the file " + DisplayPath(path) + " is missing");
}

// Each offset must point at the base texture's name inside the base model,
// which is what the build overwrites there.
void CheckOffsets(const CheckedConfiguration& c, const std::string& bytes, ProblemList& problems) {
    for (std::size_t i = 0; i < c.record.Textures.size(); ++i) {
        const config::TextureEntry& t = c.record.Textures[i];
        const std::string name = text::Trim(t.BaseTextureName) + ".bmp";
        for (std::size_t k = 0; k < t.MdlOffsets.size(); ++k) {
            const std::int32_t offset = t.MdlOffsets[k];
            const std::string key = "Offset." + text::Format00(static_cast<std::int64_t>(k));
            std::string listed;
            if (!c.ini.Lookup(TextureSection(i), key, listed)) continue;  // reported as missing
            if (!ModelOffsetHolds(offset, name.size(), bytes.size())) {
                problems.Error(TextureSection(i), key,
                               std::to_string(offset) + " lies outside the base model (" +
                                   std::to_string(bytes.size()) + " bytes)");
                continue;
            }
            std::string found = bytes.substr(static_cast<std::size_t>(offset) - 1, name.size());
            if (text::UCase(found) == text::UCase(name)) continue;
            for (char& ch : found)
                if (static_cast<unsigned char>(ch) < 32 || static_cast<unsigned char>(ch) > 126) ch = '.';
            problems.Error(TextureSection(i), key,
                           std::to_string(offset) + " points at " + Quoted(found) + ", not at " +
                               Quoted(name) + " in the base model");
        }
    }
}

void CheckModel(const CheckedConfiguration& c, ProblemList& problems) {
    const std::string model = BaseModelFileIn(c.appFolder, c.record);
    if (!fs::FileExists(model)) {
        NeedFile(model, "Model", "BaseModelName", problems);
        return;
    }
    const auto bytes = fs::ReadAll(model);
    if (!bytes) {
        problems.Error("Model", "BaseModelName", "the file " + DisplayPath(model) + " cannot be read");
        return;
    }
    CheckOffsets(c, *bytes, problems);
}

void CheckExtraTextureSources(const CheckedConfiguration& c, ProblemList& problems) {
    const config::ExtraTextures& extras = c.extraTextures;
    if (extras.CopyExtraTextures != 1) return;
    const std::string folder = text::Trim(extras.BaseTextureFolder);
    const std::string from = AircraftFolderIn(c.appFolder, c.record) +
                             (folder.empty() ? "\\Texture\\" : "\\Texture." + folder + "\\");
    for (std::size_t n = 0; n < extras.ExtraTexture.size(); ++n) {
        const std::string path = from + text::Trim(extras.ExtraTexture[n]);
        if (!fs::FileExists(path))
            problems.Warning("ExtraTextures", "ExtraTexture." + text::Format00(static_cast<std::int64_t>(n)),
                             "the file " + DisplayPath(path) + " is missing; a build passes it over");
    }
}

void CheckAircraftFolder(const CheckedConfiguration& c, ProblemList& problems) {
    const std::string directory = text::Trim(c.record.AircraftDirectory);
    if (!IsPlainName(directory)) {
        problems.Error("Main", "AircraftDirectory",
                       Quoted(directory) + " is not a folder inside SimObjects\\Airplanes");
        return;
    }
    const std::string folder = AircraftFolderIn(c.appFolder, c.record);
    if (!fs::FolderExists(folder)) {
        problems.Warning("Main", "AircraftDirectory",
                         "the aircraft is not installed: " + DisplayPath(folder) + " is missing");
        return;
    }
    CheckExtraTextureSources(c, problems);
}

}  // namespace

void CheckFiles(const CheckedConfiguration& c, ProblemList& problems) {
    CheckAircraftFolder(c, problems);
    const std::string data = DataFolderIn(c.appFolder, c.record);
    if (text::Trim(c.record.DataPath).empty() || !fs::FolderExists(data)) {
        problems.Error("Main", "DataPath", "the data folder " + DisplayPath(data) + " is missing");
        return;
    }
    NeedFile(BaseAircraftCfgIn(c.appFolder, c.record), "Main", "DataPath", problems);
    if (c.record.TextureAssignOnly == 0) CheckModel(c, problems);
    if (c.record.CopyRenameAirFile == 1)
        NeedFile(BaseAirFileIn(c.appFolder, c.record), "Air", "BaseAirName", problems);
}

}  // namespace decalia::tools
