#pragma once
// One job through the very same program a user runs: a fresh Application on
// the screenless desktop in the program's folder, the wizard clicked through
// with the job's values, then "Create Aircraft". Nothing is written for a job
// that is refused.

#include <string>

namespace decalia::batch {

struct BatchJob;
class Reporter;

enum class Outcome { Built, Refused, Failed };

struct JobResult {
    Outcome outcome = Outcome::Failed;
    std::string detail;  // where the repaint went, or why it was not built
    std::string report;  // the job's build report; empty when the job never reached the wizard
};

JobResult RunJob(const std::string& appFolder, const BatchJob& job, Reporter& reporter);

}  // namespace decalia::batch
