#include "texlib/SingleColour.h"

#include <array>
#include <cstdlib>

#include "texlib/ColourPalette.h"

namespace decalia::texlib::colourfit {
namespace {

using Table = std::array<EndpointPair, 256>;

Table BuildTable(std::int32_t top, bool fourColours) {
    Table table{};
    for (std::int32_t target = 0; target < 256; ++target) {
        std::int32_t bestError = 1 << 30;
        for (std::int32_t a = 0; a <= top; ++a) {
            for (std::int32_t b = 0; b <= top; ++b) {
                const std::int32_t ea = (a * 255 + top / 2) / top, eb = (b * 255 + top / 2) / top;
                const std::int32_t value = fourColours ? MixChannel(ea, eb, 2, 1) : MixChannel(ea, eb, 1, 1);
                const std::int32_t error = std::abs(value - target) * 256 + std::abs(a - b);
                if (error < bestError) {
                    bestError = error;
                    table[static_cast<std::size_t>(target)] = {static_cast<std::uint8_t>(a),
                                                               static_cast<std::uint8_t>(b)};
                }
            }
        }
    }
    return table;
}

struct Tables {
    std::array<Table, 4> byKind;  // five bits three colours, five four, six three, six four
};

const Tables& AllTables() {
    static const Tables tables{{BuildTable(31, false), BuildTable(31, true), BuildTable(63, false),
                                BuildTable(63, true)}};
    return tables;
}

}  // namespace

EndpointPair SingleColourPair(std::uint8_t value, bool sixBits, bool fourColours) {
    const std::size_t kind = (sixBits ? 2u : 0u) + (fourColours ? 1u : 0u);
    return AllTables().byKind[kind][value];
}

}  // namespace decalia::texlib::colourfit
