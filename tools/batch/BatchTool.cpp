#include "BatchTool.h"

#include "BatchJob.h"
#include "BatchRun.h"
#include "Reporter.h"

namespace decalia::batch {
namespace {

const char* OutcomeWord(Outcome outcome) {
    switch (outcome) {
        case Outcome::Built: return "built";
        case Outcome::Refused: return "refused";
        case Outcome::Failed: return "failed";
    }
    return "failed";
}

JobResult RunJobFile(const std::string& appFolder, const std::string& file, Reporter& reporter) {
    reporter.JobStarted(file);
    JobRead read = ReadJobFile(file);
    if (!read.job) {
        for (const std::string& problem : read.problems) reporter.Line(file + ": " + problem);
        return {Outcome::Refused, read.problems.front(), {}};
    }
    JobResult result = RunJob(appFolder, *read.job, reporter);
    if (result.outcome == Outcome::Refused) reporter.Line(file + ": " + result.detail);
    if (!result.report.empty()) reporter.Line("report: " + result.report);
    return result;
}

}  // namespace

int RunBatch(const std::string& appFolder, const std::vector<std::string>& jobFiles,
             std::ostream& out, bool terminal) {
    if (jobFiles.empty()) {
        out << "usage: decalia-batch JOB.ini [JOB.ini ...]\n";
        return 2;
    }
    Reporter reporter(out, terminal);
    std::vector<JobResult> results;
    for (const std::string& file : jobFiles) results.push_back(RunJobFile(appFolder, file, reporter));
    reporter.JobStarted("summary");
    bool allBuilt = true;
    for (std::size_t i = 0; i < jobFiles.size(); ++i) {
        reporter.Line(jobFiles[i] + ": " + OutcomeWord(results[i].outcome) + ": " + results[i].detail);
        allBuilt = allBuilt && results[i].outcome == Outcome::Built;
    }
    return allBuilt ? 0 : 1;
}

}  // namespace decalia::batch
