#pragma once

#include <chrono>
#include <functional>
#include <ostream>

namespace decalia::tools {

// A "\rencoding NN%" line that appears only once a job has run for a moment,
// so short encodes print nothing; Finish ends the line if one was shown.
class ProgressLine {
public:
    explicit ProgressLine(std::ostream& err);
    std::function<void(double)> Callback();
    void Finish();

private:
    std::ostream& err_;
    std::chrono::steady_clock::time_point start_;
    int shownPercent_ = -1;
};

}  // namespace decalia::tools
