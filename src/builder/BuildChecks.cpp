#include "builder/BuildChecks.h"

#include <algorithm>
#include <utility>

#include "appstate/Application.h"
#include "builder/BuildPaths.h"
#include "builder/ReplaceMask.h"
#include "builder/RepaintFiles.h"
#include "builder/SameTitleRepaint.h"
#include "builder/TextureFormatNames.h"
#include "config/ConfigFile.h"
#include "platform/fs/Fs.h"
#include "platform/profile/Profile.h"
#include "platform/text/Text.h"

namespace decalia {
namespace {

using Problem = std::optional<std::string>;

std::string Quoted(std::string_view value) { return "\"" + std::string(value) + "\""; }

Problem CheckLayout(const Application& app) {
    const int layout = app.configuration.TextureAssignOnly;
    if (layout == 0 || layout == 1) return {};
    return "This aircraft's configuration sets TextureAssignOnly to " + std::to_string(layout) +
           ", which Decalia cannot build (it must be 0 or 1). Please ask the aircraft's maker for "
           "a corrected configuration.";
}

Problem CheckFolderExtension(const Application& app) {
    const std::string extension = RepaintFolderExtension(app);
    if (extension.empty()) return "Please enter a texture folder extension for your repaint.";
    const bool control = std::any_of(extension.begin(), extension.end(),
                                     [](char c) { return static_cast<unsigned char>(c) < 32; });
    if (control || extension.find_first_of("\\/:*?\"<>|") != std::string::npos) {
        return "The folder extension " + Quoted(extension) +
               " holds a character that a folder name cannot have (\\ / : * ? \" < > |).";
    }
    const int wanted = app.configuration.NumIdentifierCharacters;
    if (app.configuration.TextureAssignOnly == 0 && std::cmp_not_equal(extension.size(), wanted)) {
        return "The folder extension " + Quoted(extension) + " has " +
               std::to_string(extension.size()) + " characters, but this aircraft needs exactly " +
               std::to_string(wanted) +
               ". Its texture names inside the model are replaced character for character, and "
               "a name of another length would damage the model.";
    }
    return {};
}

Problem CheckFolders(const Application& app) {
    const std::string directory = text::Trim(app.configuration.AircraftDirectory);
    if (!IsPlainName(directory)) {
        return "This aircraft's configuration names the aircraft folder " + Quoted(directory) +
               ", which is not a folder inside SimObjects\\Airplanes.";
    }
    if (!fs::FolderExists(AirplanesFolder(app))) {
        return "The simulator's aircraft folder " + DisplayPath(AirplanesFolder(app)) +
               " is missing. Decalia must be installed two folders below the simulator's main "
               "folder.";
    }
    if (!fs::FolderExists(DataFolder(app))) {
        return "The aircraft's data folder " + DisplayPath(DataFolder(app)) +
               " is missing. Please reinstall the aircraft.";
    }
    return {};
}

Problem MissingFile(const std::string& file) {
    if (fs::FileExists(file)) return {};
    return "The file " + DisplayPath(file) + " is missing. Please reinstall the aircraft.";
}

Problem CheckDataFiles(const Application& app) {
    if (auto problem = MissingFile(BaseAircraftCfg(app))) return problem;
    if (app.configuration.TextureAssignOnly == 0) {
        if (auto problem = MissingFile(BaseModelFile(app))) return problem;
    }
    if (app.configuration.CopyRenameAirFile == 1) return MissingFile(BaseAirFile(app));
    return {};
}

Problem CheckFormats(const Application& app) {
    for (const config::TextureEntry& texture : app.configuration.Textures) {
        if (IsKnownTextureFormat(texture.TextureFormat)) continue;
        return "The texture " + Quoted(text::Trim(texture.ViewName)) + " asks for the format " +
               Quoted(text::Trim(texture.TextureFormat)) + ", which Decalia does not know.";
    }
    return {};
}

Problem CheckMask(const Application& app, std::string_view baseName, std::string_view mask) {
    const int characters = app.configuration.NumIdentifierCharacters;
    if (ApplyReplaceMask(baseName, mask, RepaintIdentifier(app), characters)) return {};
    return "This aircraft's configuration gives the name " + Quoted(text::Trim(baseName)) +
           " the replace mask " + Quoted(text::Trim(mask)) + ", which does not fit: the mask needs a "
           "\"*\" where the name has room for " + std::to_string(characters) +
           " identifier characters.";
}

Problem CheckMasks(const Application& app) {
    const config::AircraftConfiguration& configuration = app.configuration;
    if (configuration.TextureAssignOnly == 0) {
        if (auto problem = CheckMask(app, configuration.BaseModelName, configuration.ReplaceMask)) {
            return problem;
        }
        for (const config::TextureEntry& texture : configuration.Textures) {
            if (auto problem = CheckMask(app, texture.BaseTextureName, texture.ReplaceMask)) {
                return problem;
            }
        }
    }
    if (configuration.CopyRenameAirFile == 1) {
        return CheckMask(app, configuration.BaseAirName, configuration.ReplaceAirMask);
    }
    return {};
}

// Each name written into the model copy must lie wholly inside it.
Problem CheckModelOffsets(const Application& app) {
    if (app.configuration.TextureAssignOnly != 0) return {};
    const std::string model = BaseModelFile(app);
    const std::uint64_t length = fs::FileLength(model).value_or(0);
    for (const config::TextureEntry& texture : app.configuration.Textures) {
        const std::uint64_t nameLength =
            ApplyReplaceMask(texture.BaseTextureName, texture.ReplaceMask, RepaintIdentifier(app),
                             app.configuration.NumIdentifierCharacters)
                .value_or("")
                .size() +
            4;
        for (const std::int32_t offset : texture.MdlOffsets) {
            if (ModelOffsetHolds(offset, nameLength, length)) continue;
            return "The model offset " + std::to_string(offset) + " of the texture " +
                   Quoted(text::Trim(texture.ViewName)) + " lies outside the base model " +
                   DisplayPath(model) + " (" + std::to_string(length) +
                   " bytes). Please ask the aircraft's maker for a corrected configuration.";
        }
    }
    return {};
}

// The repaint would replace the aircraft's own variation of that title.
Problem CheckTitle(const Application& app) {
    const auto live = win::ProfileText::FromFile(LiveAircraftCfg(app));
    const std::string title = NewRepaintTitle(app);
    for (int index = 0; index < kFltsimTableSize; ++index) {
        const std::string section = "fltsim." + std::to_string(index);
        FltsimEntry entry;
        entry.title = config::ReadProfileString(section, "title", live);
        if (entry.title.empty()) break;
        entry.texture = config::ReadProfileString(section, "texture", live);
        entry.model = config::ReadProfileString(section, "model", live);
        if (text::UCase(entry.title) == title && IsAircraftsOwnEntry(entry)) {
            return "The title " + Quoted(text::Trim(app.configuration.AircraftTitlePrefix) + " " +
                                         text::Trim(app.job.Variation)) +
                   " belongs to one of the aircraft's own variations. Please enter another "
                   "variation name.";
        }
    }
    return {};
}

}  // namespace

bool ModelOffsetHolds(std::int32_t offset, std::uint64_t nameLength, std::uint64_t modelLength) {
    return offset >= 1 && static_cast<std::uint64_t>(offset) - 1 + nameLength <= modelLength;
}

std::optional<std::string> CheckBuildInputs(const Application& app) {
    if (!app.TemplateLoaded) {
        return std::string("No repaint template is loaded. Please select your repaint template again.");
    }
    for (const auto check : {CheckLayout, CheckFolderExtension, CheckFolders, CheckDataFiles,
                             CheckFormats, CheckMasks, CheckModelOffsets, CheckTitle}) {
        if (auto problem = check(app)) return problem;
    }
    return std::nullopt;
}

}  // namespace decalia
