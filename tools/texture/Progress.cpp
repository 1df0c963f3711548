#include "Progress.h"

namespace decalia::tools {
namespace {

constexpr auto kQuietStart = std::chrono::milliseconds(400);

}  // namespace

ProgressLine::ProgressLine(std::ostream& err) : err_(err), start_(std::chrono::steady_clock::now()) {}

std::function<void(double)> ProgressLine::Callback() {
    return [this](double done) {
        const int percent = static_cast<int>(done * 100.0);
        if (percent == shownPercent_ || std::chrono::steady_clock::now() - start_ < kQuietStart) {
            return;
        }
        shownPercent_ = percent;
        err_ << "\rencoding " << percent << "%" << std::flush;
    };
}

void ProgressLine::Finish() {
    if (shownPercent_ >= 0) {
        err_ << "\rencoding done\n" << std::flush;
    }
}

}  // namespace decalia::tools
