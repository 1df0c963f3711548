#include "config/AirlineList.h"

#include "platform/fs/Fs.h"
#include "platform/text/Text.h"

namespace decalia::config {
namespace {

// Lists are a few kilobytes; anything far larger is not a list.
constexpr std::uint64_t kMaxListBytes = 16u << 20;
constexpr std::int32_t kSharedListMinimumLastIndex = 10;

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

class ItemScanner {
public:
    explicit ItemScanner(std::string_view text) : text_(text) {}

    // The next item, or nullopt at the end of the text.
    std::optional<std::string> Next() {
        SkipBlanksAndEmptyLines();
        if (pos_ >= text_.size()) return std::nullopt;
        std::string item = text_[pos_] == '"' ? Quoted() : Unquoted();
        SkipSeparator();
        return item;
    }

private:
    void SkipBlanksAndEmptyLines() {
        while (pos_ < text_.size() && (IsBlank(text_[pos_]) || IsLineEnd(text_[pos_]))) ++pos_;
    }

    std::string Quoted() {
        const std::size_t start = ++pos_;
        while (pos_ < text_.size() && text_[pos_] != '"' && !IsLineEnd(text_[pos_])) ++pos_;
        std::string item(text_.substr(start, pos_ - start));
        // Whatever stands between the closing quote and the separator is dropped.
        while (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) ++pos_;
        return item;
    }

    std::string Unquoted() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) ++pos_;
        std::size_t end = pos_;
        while (end > start && IsBlank(text_[end - 1])) --end;
        return std::string(text_.substr(start, end - start));
    }

    void SkipSeparator() {
        if (pos_ >= text_.size()) return;
        if (text_[pos_] == ',') {
            ++pos_;
            return;
        }
        if (text_[pos_] == '\r') ++pos_;
        if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

std::vector<std::string> ReadItems(const std::string& path) {
    const auto bytes = fs::ReadAll(path, kMaxListBytes);
    return bytes ? SplitAirlineItems(*bytes) : std::vector<std::string>{};
}

}  // namespace

std::string OwnAirlineListPath(std::string_view appFolder) {
    return std::string(appFolder) + "\\Data\\airlines.cfg";
}

std::string SharedAirlineListPath(std::string_view appFolder) {
    return std::string(appFolder) + "\\..\\..\\Aircraft\\airlines.cfg";
}

std::vector<std::string> SplitAirlineItems(std::string_view text) {
    std::vector<std::string> items;
    ItemScanner scanner(text);
    while (auto item = scanner.Next()) items.push_back(std::move(*item));
    return items;
}

std::optional<AirlineList> LoadAirlines(std::string_view appFolder) {
    const std::string own = OwnAirlineListPath(appFolder);
    if (!fs::FileExists(own)) return std::nullopt;

    AirlineList list;
    const std::string shared = text::Trim(SharedAirlineListPath(appFolder));
    if (!shared.empty() && fs::FileExists(shared)) {
        list.Items = ReadItems(shared);
        list.SourcePath = shared;
    }
    if (static_cast<std::int32_t>(list.Items.size()) - 1 < kSharedListMinimumLastIndex) {
        list.Items = ReadItems(own);
        list.SourcePath = own;
    }
    list.LastAirlineIndex = static_cast<std::int32_t>(list.Items.size()) - 1;
    return list;
}

}  // namespace decalia::config
