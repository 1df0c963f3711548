#pragma once
// decalia-batch: builds each job file's repaint in turn and ends with one
// summary line per job. Exit status 0 only when every job was built, 1 when
// one was refused or failed, 2 for a wrong command line.

#include <ostream>
#include <string>
#include <vector>

namespace decalia::batch {

int RunBatch(const std::string& appFolder, const std::vector<std::string>& jobFiles,
             std::ostream& out, bool terminal);

}  // namespace decalia::batch
