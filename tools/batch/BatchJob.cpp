#include "BatchJob.h"

#include <filesystem>

#include "platform/fs/Fs.h"
#include "platform/profile/Profile.h"
#include "platform/text/Text.h"

namespace decalia::batch {
namespace {

namespace stdfs = std::filesystem;

constexpr const char* kSection = "Job";

// Keys a job cannot do without; the others have a meaning when absent.
constexpr const char* kRequired[] = {"Aircraft", "Template", "Variation", "FolderExtension",
                                     "Callsign"};

std::string AbsoluteTemplate(const std::string& jobFile, const std::string& value) {
    const stdfs::path given(text::ToHost(value));
    if (given.is_absolute()) return value;
    const stdfs::path folder = stdfs::absolute(stdfs::path(jobFile)).parent_path();
    return text::FromHost((folder / given).lexically_normal().string());
}

}  // namespace

JobRead ReadJobFile(const std::string& file) {
    JobRead read;
    const auto bytes = fs::ReadAll(text::FromHost(file), 1 << 20);
    if (!bytes) {
        read.problems.push_back("the job file cannot be read");
        return read;
    }
    const win::ProfileText profile(*bytes);
    const auto value = [&profile](const char* key) {
        std::string found;
        return profile.Lookup(kSection, key, found) ? std::optional(found) : std::nullopt;
    };
    for (const char* key : kRequired) {
        const auto found = value(key);
        if (!found) read.problems.push_back("[Job] has no " + std::string(key) + "= line");
        else if (text::Trim(*found).empty()) read.problems.push_back(std::string(key) + " is empty");
    }
    if (!read.problems.empty()) return read;
    BatchJob job;
    job.file = file;
    job.aircraft = *value("Aircraft");
    job.templatePath = AbsoluteTemplate(file, text::Trim(*value("Template")));
    job.variation = *value("Variation");
    job.folderExtension = *value("FolderExtension");
    job.tailNumber = value("TailNumber").value_or("");
    job.callsign = *value("Callsign");
    job.dxt3 = text::Trim(value("DXT3").value_or("")) == "1";
    read.job = std::move(job);
    return read;
}

}  // namespace decalia::batch
