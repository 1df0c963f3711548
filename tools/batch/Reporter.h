#pragma once
// What decalia-batch shows while it works: on a terminal one line with the
// status and a progress bar, redrawn in place; otherwise each new status on
// a line of its own. Message boxes become lines either way.

#include <ostream>
#include <string>

namespace decalia::batch {

class Reporter {
public:
    Reporter(std::ostream& out, bool terminal) : out_(out), terminal_(terminal) {}

    void JobStarted(const std::string& jobFile);
    // percent < 0 when no progress bar is shown.
    void Status(const std::string& status, double percent);
    void Message(const std::string& caption, const std::string& text);
    void Line(const std::string& text);

private:
    void EndLiveLine();

    std::ostream& out_;
    bool terminal_;
    bool liveLine_ = false;
    std::string lastStatus_;
};

}  // namespace decalia::batch
