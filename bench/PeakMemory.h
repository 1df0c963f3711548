#pragma once
// The process's peak resident memory (VmHWM), for benchmarks that report it.

#include <fstream>
#include <string>

namespace bench {

inline double PeakResidentMiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

}  // namespace bench
