#pragma once
// The airline callsigns offered by the callsign step: the simulator's shared
// list when it holds more than ten items, else the program's own list.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace decalia::config {

inline constexpr const char* kMissingAirlineListMessage =
    "The 'Kestrelworks Software\\Decalia\\Data\\airlines.cfg' file is missing. Please "
    "reinstall Decalia.";

struct AirlineList {
    std::vector<std::string> Items;
    // Items.size() - 1; -1 for a list without items.
    std::int32_t LastAirlineIndex = -1;
    // Which file the items came from.
    std::string SourcePath;
};

std::string OwnAirlineListPath(std::string_view appFolder);
std::string SharedAirlineListPath(std::string_view appFolder);

// Splits a list file's text into items: items end at a comma or a line end,
// blanks before an item are skipped, a double-quoted item may hold commas and
// loses its quotes. Blank lines give no item.
std::vector<std::string> SplitAirlineItems(std::string_view text);

// nullopt when the program's own list is missing: the caller shows
// kMissingAirlineListMessage and ends the program.
std::optional<AirlineList> LoadAirlines(std::string_view appFolder);

}  // namespace decalia::config
