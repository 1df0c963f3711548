#pragma once
// How much of the encoder each block gets. Compiled once per instruction set,
// as ColourFitSteps.h.

#include "texlib/ColourClusterFit.h"
#include "texlib/ColourEncoder.h"
#include "texlib/SingleColour.h"

namespace decalia::texlib::colourfit {
namespace {

std::size_t FirstVisible(const BlockPixels& p) {
    std::size_t i = 0;
    while (i < 15 && (p.transparent >> i & 1u) != 0) ++i;
    return i;
}

bool IsSingleColour(const BlockPixels& p) {
    const std::size_t first = FirstVisible(p);
    for (std::size_t i = 0; i < 16; ++i) {
        const bool visible = (p.transparent >> i & 1u) == 0;
        if (visible && (p.r[i] != p.r[first] || p.g[i] != p.g[first] || p.b[i] != p.b[first])) {
            return false;
        }
    }
    return true;
}

Candidate FitSingleColourIn(const BlockPixels& p, std::size_t pixel, Mode mode) {
    const auto pair = [&](float value, bool six) {
        return SingleColourPair(static_cast<std::uint8_t>(value), six, mode == Mode::Four);
    };
    const EndpointPair r = pair(p.r[pixel], false), g = pair(p.g[pixel], true), b = pair(p.b[pixel], false);
    return Evaluate(p, Pack565(r.first, g.first, b.first), Pack565(r.second, g.second, b.second), mode);
}

// The least error any encoding reaches for a block of one visible colour.
Candidate FitSingleColour(const BlockPixels& p) {
    const std::size_t pixel = FirstVisible(p);
    if (p.transparent != 0) {
        return FitSingleColourIn(p, pixel, Mode::Three);
    }
    const Candidate four = FitSingleColourIn(p, pixel, Mode::Four);
    return p.fourColoursOnly ? four : Better(four, FitSingleColourIn(p, pixel, Mode::Three));
}

// Squared-error limits over a block's 48 samples. Below kSearchAbove (an RMS
// of 1.4 levels) the endpoint search is not worth its time; above
// kAdaptiveClusterAbove (RMS 13: lettering, hard edges) the adaptive effort
// runs cluster fit; Maximum runs it above kThoroughClusterAbove (RMS 2.5).
constexpr std::int64_t kSearchAbove = 100;
constexpr std::int64_t kAdaptiveClusterAbove = 8000;
constexpr std::int64_t kThoroughClusterAbove = 300;
constexpr int kQuickSearchRounds = 4;
constexpr int kAdaptiveSearchRounds = 4;
constexpr int kThoroughSearchRounds = 8;

Candidate ThoroughPass(const BlockPixels& p, const Line& line, Candidate best, Effort effort) {
    const Mode primary = p.transparent != 0 ? Mode::Three : Mode::Four;
    best = Better(best, Refine(p, ClusterFit(p, line.axis, primary), 2));
    if (primary == Mode::Four && !p.fourColoursOnly) {
        best = Better(best, Refine(p, ClusterFit(p, line.axis, Mode::Three), 2));
    }
    return SearchNeighbours(p, best, effort == Effort::Thorough ? kThoroughSearchRounds : kAdaptiveSearchRounds);
}

Candidate EncodeColours(const BlockPixels& p, Effort effort) {
    if (p.transparent == 0xFFFF) {
        return Evaluate(p, 0, 0, Mode::Three);
    }
    if (IsSingleColour(p)) {
        return FitSingleColour(p);
    }
    const Line line = PrincipalLine(p);
    const Mode primary = p.transparent != 0 ? Mode::Three : Mode::Four;
    Candidate quick = Refine(p, FitLineEnds(p, line, primary), 2);
    if (effort == Effort::Quick) {
        return quick;
    }
    if (quick.error > kSearchAbove || effort == Effort::Thorough) {
        quick = SearchNeighbours(p, quick, kQuickSearchRounds);
    }
    if (quick.error <= (effort == Effort::Adaptive ? kAdaptiveClusterAbove : kThoroughClusterAbove)) {
        return quick;
    }
    return ThoroughPass(p, line, quick, effort);
}

}  // namespace
}  // namespace decalia::texlib::colourfit
