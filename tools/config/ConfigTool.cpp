#include "ConfigTool.h"

#include <optional>

#include "CheckConfiguration.h"
#include "ShowConfiguration.h"
#include "config/AircraftCatalogue.h"
#include "config/LoadAircraftConfig.h"
#include "config/clsEncrypt.h"
#include "platform/fs/Fs.h"
#include "platform/profile/Profile.h"
#include "platform/text/Text.h"

namespace decalia::tools {
namespace {

constexpr const char* kUsage =
    "usage: decalia-config [--key TEXT] encrypt IN.ini OUT.bin\n"
    "       decalia-config [--key TEXT] decrypt IN.bin OUT.ini\n"
    "       decalia-config [--key TEXT] [--dxt3] show FILE.bin\n"
    "       decalia-config list FOLDER   (the catalogue the program builds from FOLDER)\n"
    "       decalia-config [--key TEXT] [--app FOLDER] check [FILE.bin ...]\n"
    "                      (every configuration of the program folder when no file is named)\n";

struct Options {
    std::string key{config::kProgramKey};
    bool dxt3 = false;
    std::string appFolder;  // Windows-1252; empty: the folder this tool is installed in
    std::vector<std::string> words;
};

std::optional<Options> Parse(const std::vector<std::string>& args, std::ostream& err) {
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--key") {
            if (i + 1 == args.size()) {
                err << "decalia-config: --key needs a text\n";
                return std::nullopt;
            }
            options.key = text::FromHost(args[++i]);
            if (options.key.empty()) {
                err << "decalia-config: the key must not be empty\n";
                return std::nullopt;
            }
        } else if (args[i] == "--app") {
            if (i + 1 == args.size()) {
                err << "decalia-config: --app needs a folder\n";
                return std::nullopt;
            }
            options.appFolder = text::FromHost(args[++i]);
        } else if (args[i] == "--dxt3") {
            options.dxt3 = true;
        } else {
            options.words.push_back(args[i]);
        }
    }
    return options;
}

bool CheckReadable(const std::string& path, const std::string& shown, std::ostream& err) {
    if (fs::FileExists(path)) return true;
    err << "decalia-config: cannot read " << shown << '\n';
    return false;
}

int Encrypt(const Options& o, std::ostream& err) {
    const std::string in = text::FromHost(o.words[1]);
    const std::string out = text::FromHost(o.words[2]);
    if (!CheckReadable(in, o.words[1], err)) return 1;
    config::clsEncrypt cipher;
    if (cipher.EncryptFile(in, out, true, o.key)) return 0;
    err << "decalia-config: cannot encrypt " << o.words[1] << " into " << o.words[2]
        << " (empty input or unwritable output)\n";
    return 1;
}

int Decrypt(const Options& o, std::ostream& err) {
    const std::string in = text::FromHost(o.words[1]);
    const std::string out = text::FromHost(o.words[2]);
    if (!CheckReadable(in, o.words[1], err)) return 1;
    config::clsEncrypt cipher;
    if (cipher.DecryptFile(in, out, true, o.key)) return 0;
    const std::string reason =
        cipher.LastError().empty() ? "empty input or unwritable output" : cipher.LastError();
    err << "decalia-config: " << o.words[1] << ": " << reason << '\n';
    return 1;
}

int Show(const Options& o, std::ostream& out, std::ostream& err) {
    const std::string in = text::FromHost(o.words[1]);
    if (!CheckReadable(in, o.words[1], err)) return 1;
    config::clsEncrypt cipher;
    cipher.Key(o.key);
    const auto plain = cipher.DecryptFileToMemory(in);
    if (!plain) {
        const std::string reason = cipher.LastError().empty() ? "empty or unreadable file"
                                                              : cipher.LastError();
        err << "decalia-config: " << o.words[1] << ": " << reason << '\n';
        return 1;
    }
    config::ExtraTextures extraTextures;
    config::ExtraFields extraFields;
    const auto format = o.dxt3 ? config::SheetFormatChoice::Dxt3NormalMap
                               : config::SheetFormatChoice::Uncompressed32NormalMap;
    const auto record = config::ReadAircraftConfiguration(win::ProfileText(*plain), format,
                                                          extraTextures, extraFields);
    ShowConfiguration(record, extraTextures, extraFields, out);
    return 0;
}

int List(const Options& o, std::ostream& out, std::ostream& err) {
    const std::string folder = text::FromHost(o.words[1]);
    if (!fs::FolderExists(folder)) {
        err << "decalia-config: no folder " << o.words[1] << '\n';
        return 1;
    }
    const auto catalogue = config::LoadAircraftCatalogue(folder);
    for (std::int32_t i = 0; i <= catalogue.LastCatalogueIndex; ++i) {
        const auto& entry = catalogue.Entries[static_cast<std::size_t>(i)];
        out << i << '\t' << text::ToHost(entry.DisplayName) << '\t'
            << text::ToHost(entry.FilePath) << '\n';
    }
    return 0;
}

// Installed beside the program, like decalia-batch.
std::optional<std::string> OwnFolder() {
    std::string folder = fs::ExecutableFolder();
    if (folder.empty()) return std::nullopt;
    return folder;
}

int CheckInstalled(const std::string& appFolder, const Options& o, std::ostream& out,
                   std::ostream& err) {
    const std::string folder = config::ConfigurationsFolder(appFolder);
    const auto names = fs::ListFiles(folder, "*.bin");
    if (names.empty()) {
        err << "decalia-config: no configurations in " << fs::Resolve(folder) << '\n';
        return 1;
    }
    bool clean = true;
    for (const std::string& name : names)
        clean = CheckConfigurationFile(folder + "\\" + name, text::ToHost(name), appFolder,
                                       o.key, out) && clean;
    return clean ? 0 : 1;
}

int Check(const Options& o, std::ostream& out, std::ostream& err) {
    const std::optional<std::string> appFolder = o.appFolder.empty() ? OwnFolder() : o.appFolder;
    if (!appFolder || !fs::FolderExists(*appFolder)) {
        err << "decalia-config: no program folder "
            << (appFolder ? text::ToHost(*appFolder) : std::string()) << '\n';
        return 1;
    }
    if (o.words.size() == 1) return CheckInstalled(*appFolder, o, out, err);
    bool clean = true;
    for (std::size_t i = 1; i < o.words.size(); ++i) {
        const std::string path = text::FromHost(o.words[i]);
        if (!CheckReadable(path, o.words[i], err)) {
            clean = false;
            continue;
        }
        clean = CheckConfigurationFile(path, o.words[i], *appFolder, o.key, out) && clean;
    }
    return clean ? 0 : 1;
}

}  // namespace

int RunConfigTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto options = Parse(args, err);
    if (!options) {
        err << kUsage;
        return 2;
    }
    const auto& words = options->words;
    if (words.size() == 3 && words[0] == "encrypt") return Encrypt(*options, err);
    if (words.size() == 3 && words[0] == "decrypt") return Decrypt(*options, err);
    if (words.size() == 2 && words[0] == "show") return Show(*options, out, err);
    if (words.size() == 2 && words[0] == "list") return List(*options, out, err);
    if (!words.empty() && words[0] == "check") return Check(*options, out, err);
    if (words.size() == 1 && (words[0] == "--help" || words[0] == "help")) {
        out << kUsage;
        return 0;
    }
    err << kUsage;
    return 2;
}

}  // namespace decalia::tools
