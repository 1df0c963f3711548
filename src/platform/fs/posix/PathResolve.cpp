#include "platform/fs/Fs.h"
#include "platform/text/Text.h"

#include <filesystem>
#include <system_error>

namespace decalia::fs {
namespace {

namespace stdfs = std::filesystem;

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// One step of the path after "." and ".." are gone. Steps taken from the
// current folder are already host names; the program's own are Windows-1252.
struct Step {
    std::string name;
    bool isHost;
};

void AddProgramSteps(std::string_view path, std::vector<Step>& steps) {
    std::size_t at = 0;
    while (at <= path.size()) {
        std::size_t end = at;
        while (end < path.size() && !IsSeparator(path[end])) ++end;
        const std::string_view part = path.substr(at, end - at);
        if (part == "..") {
            if (!steps.empty()) steps.pop_back();
        } else if (!part.empty() && part != ".") {
            steps.push_back({std::string(part), false});
        }
        at = end + 1;
    }
}

void AddCurrentFolderSteps(std::vector<Step>& steps) {
    std::error_code error;
    const stdfs::path current = stdfs::current_path(error);
    if (error) return;
    for (const auto& part : current.relative_path()) {
        if (!part.empty()) steps.push_back({part.string(), true});
    }
}

bool Exists(const std::string& hostPath) {
    std::error_code error;
    return stdfs::exists(stdfs::symlink_status(hostPath, error));
}

// The host name of an entry of the folder `hostPrefix` ("" for the root) that
// `name` designates: the exact name when it exists, else the first
// case-insensitive match in name order.
std::optional<std::string> FindEntry(const std::string& hostPrefix, const std::string& name) {
    const std::string exact = text::Cp1252ToUtf8(name);
    if (Exists(hostPrefix + "/" + exact)) return exact;
    std::error_code error;
    std::optional<std::string> best;
    const std::string folder = hostPrefix.empty() ? "/" : hostPrefix;
    for (stdfs::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        std::string hostName = it->path().filename().string();
        if (!text::EqualsNoCase(text::Utf8ToCp1252(hostName), name)) continue;
        if (!best || hostName < *best) best = std::move(hostName);
    }
    return best;
}

}  // namespace

std::string Resolve(std::string_view path) {
    if (path.empty()) return {};
    std::vector<Step> steps;
    if (!IsSeparator(path.front())) AddCurrentFolderSteps(steps);
    AddProgramSteps(path, steps);

    std::string host;
    bool searching = true;  // until a component is missing, match existing names
    for (const Step& step : steps) {
        std::string name = step.isHost ? step.name : text::Cp1252ToUtf8(step.name);
        if (searching && !step.isHost) {
            const auto found = FindEntry(host, step.name);
            if (found) name = *found;
            searching = found.has_value();
        }
        host += "/" + name;
    }
    return host.empty() ? "/" : host;
}

}  // namespace decalia::fs
