#include "CheckConfiguration.h"

#include "CheckProblems.h"
#include "config/LoadAircraftConfig.h"
#include "config/clsEncrypt.h"
#include "platform/text/Text.h"

namespace decalia::tools {
namespace {

void PrintProblem(const std::string& shown, const CheckProblem& p, std::ostream& out) {
    out << shown << (p.severity == Severity::Error ? ": error: [" : ": warning: [") << p.section
        << ']' << (p.key.empty() ? "" : " " + p.key) << ": " << text::ToHost(p.text) << '\n';
}

}  // namespace

bool CheckConfigurationFile(const std::string& path, const std::string& shown,
                            const std::string& appFolder, const std::string& key, std::ostream& out) {
    config::clsEncrypt cipher;
    cipher.Key(key);
    const auto plain = cipher.DecryptFileToMemory(path);
    if (!plain) {
        const std::string reason =
            cipher.LastError().empty() ? "empty or unreadable file" : cipher.LastError();
        out << shown << ": error: cannot be decrypted: " << reason << '\n';
        return false;
    }
    const win::ProfileText ini(*plain);
    config::ExtraTextures extraTextures;
    config::ExtraFields extraFields;
    const auto record = config::ReadAircraftConfiguration(
        ini, config::SheetFormatChoice::Dxt3NormalMap, extraTextures, extraFields);
    const CheckedConfiguration checked{ini, record, extraTextures, extraFields, appFolder};
    ProblemList problems;
    CheckCounts(checked, problems);
    CheckNames(checked, problems);
    CheckSheets(checked, problems);
    CheckFiles(checked, problems);
    for (const CheckProblem& problem : problems.All()) PrintProblem(shown, problem, out);
    if (problems.All().empty()) out << shown << ": no problems found\n";
    return !problems.HasErrors();
}

}  // namespace decalia::tools
