#include "platform/fs/BoundedRead.h"

#include <algorithm>

namespace decalia::fs::detail {

namespace {
constexpr std::uint64_t kReadStep = 1 << 16;
}  // namespace

bool ReadBounded(const ReadSome& readSome, std::string& out, std::uint64_t maxBytes) {
    std::size_t filled = 0;
    for (;;) {
        if (filled == out.size()) {
            if (out.size() > maxBytes) return false;
            // One byte beyond the limit is enough to tell that it was crossed.
            const std::uint64_t room = maxBytes - out.size();
            out.resize(out.size() + static_cast<std::size_t>(std::min(room + 1, kReadStep)));
        }
        const auto got = readSome(out.data() + filled, std::min<std::size_t>(out.size() - filled, kReadStep));
        if (!got) return false;
        if (*got == 0) break;
        filled += *got;
    }
    out.resize(filled);
    return filled <= maxBytes;
}

}  // namespace decalia::fs::detail
