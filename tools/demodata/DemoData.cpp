#include "DemoData.h"

#include "AircraftFolders.h"
#include "ModelNames.h"
#include "TemplateArt.h"
#include "platform/fs/Fs.h"

namespace decalia::demodata {
namespace {

std::string Joined(const std::vector<std::string>& lines) {
    std::string joined;
    for (const std::string& line : lines) joined += (joined.empty() ? "" : "; ") + line;
    return joined;
}

}  // namespace

bool WriteDemoAircraft(const std::string& demoFolder, std::string_view stem,
                       const std::string& appFolder, std::string& error) {
    const std::string name(stem);
    const DemoAircraft aircraft = ReadDemoAircraft(demoFolder + "/configurations/" + name + ".ini");
    const std::optional<std::string> sections = fs::ReadAll(demoFolder + "/aircraft/" + name + ".cfg");
    std::vector<std::string> problems = NamingProblems(aircraft.record);
    const std::optional<InstalledLivery> livery = DemoLivery(aircraft);
    if (!sections) problems.push_back("cannot read aircraft/" + name + ".cfg");
    if (!livery) problems.push_back("the demo livery has no identifier of NumIdentifierCharacters letters");
    if (!problems.empty()) {
        error = name + ": " + Joined(problems);
        return false;
    }
    Output out;
    WriteDataFolder(aircraft, *sections, appFolder, out);
    WriteTemplatePair(aircraft, TemplatesFolder(appFolder) + "/" + TemplateFileName(aircraft),
                      TemplatesFolder(appFolder) + "/" + AlphaTemplateFileName(aircraft), out);
    WriteLiveFolder(aircraft, *sections, *livery, appFolder, out);
    if (!out.Ok()) error = name + ": " + out.Error();
    return out.Ok();
}

}  // namespace decalia::demodata
