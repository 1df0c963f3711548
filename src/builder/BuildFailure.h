#pragma once
// Why a build stopped: thrown by the stages that stop at their first failure,
// caught once by the driver, which tells the user and ends the build.

#include <exception>
#include <string>
#include <utility>

namespace decalia {

struct BuildFailure : std::exception {
    BuildFailure(std::string stageText, std::string causeText)
        : stage(std::move(stageText)), cause(std::move(causeText)) {}
    const char* what() const noexcept override { return cause.c_str(); }

    // What the build was doing, as the user knows it: "copying the flight model file".
    std::string stage;
    // Why it failed, naming the file or folder involved.
    std::string cause;
};

// The message the user sees for a failure.
inline std::string DescribeBuildFailure(const BuildFailure& failure) {
    return "Your aircraft repaint could not be built. Decalia stopped while " + failure.stage +
           ":\r\n" + failure.cause;
}

}  // namespace decalia
