// decalia-batch JOB.ini [JOB.ini ...]: builds repaints without a screen,
// through the same program and wizard a user clicks through. Installed beside
// the program, whose folder it works in.
#include <iostream>
#include <string>
#include <vector>

#include "BatchTool.h"
#include "platform/fs/Fs.h"
#include "platform/fs/Terminal.h"

int main(int argc, char** argv) {
    const std::string appFolder = decalia::fs::ExecutableFolder();
    if (appFolder.empty()) {
        std::cerr << "decalia-batch: cannot find its own folder\n";
        return 1;
    }
    const std::vector<std::string> jobs(argv + 1, argv + argc);
    if (!jobs.empty() && (jobs[0] == "--help" || jobs[0] == "-h")) {
        std::cout << "usage: decalia-batch JOB.ini [JOB.ini ...]\n";
        return 0;
    }
    return decalia::batch::RunBatch(appFolder, jobs, std::cout, decalia::fs::IsTerminal(stdout));
}
