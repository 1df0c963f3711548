#include "Reporter.h"

#include <algorithm>
#include <cmath>

#include "platform/text/Text.h"

namespace decalia::batch {
namespace {

constexpr int kBarWidth = 30;

std::string Bar(double percent) {
    const auto filled = static_cast<int>(std::lround(std::clamp(percent, 0.0, 100.0) * kBarWidth / 100));
    return "[" + std::string(static_cast<std::size_t>(filled), '#') +
           std::string(static_cast<std::size_t>(kBarWidth - filled), '.') + "] " +
           std::to_string(static_cast<int>(std::lround(std::clamp(percent, 0.0, 100.0)))) + "%";
}

}  // namespace

void Reporter::JobStarted(const std::string& jobFile) {
    EndLiveLine();
    lastStatus_.clear();
    out_ << "== " << jobFile << '\n';
}

void Reporter::Status(const std::string& status, double percent) {
    const std::string shown = text::ToHost(status);
    if (terminal_) {
        out_ << "\r\033[K  " << shown << (percent >= 0 ? "  " + Bar(percent) : "") << std::flush;
        liveLine_ = true;
        return;
    }
    if (shown == lastStatus_) return;
    lastStatus_ = shown;
    out_ << "  " << shown << '\n';
}

void Reporter::Message(const std::string& caption, const std::string& text) {
    std::string oneLine = text::ToHost(text);
    std::replace(oneLine.begin(), oneLine.end(), '\r', ' ');
    std::replace(oneLine.begin(), oneLine.end(), '\n', ' ');
    Line("[" + text::ToHost(caption) + "] " + oneLine);
}

void Reporter::Line(const std::string& text) {
    EndLiveLine();
    out_ << "  " << text << '\n';
}

void Reporter::EndLiveLine() {
    if (!liveLine_) return;
    out_ << '\n';
    liveLine_ = false;
}

}  // namespace decalia::batch
