#pragma once
// The steps of our DXT colour-block encoder, compiled once per instruction set
// (ColourPath*.cpp) with ColourClusterFit.h and ColourPipeline.h: everything
// in them has internal linkage, so each build keeps its own copy.
// Every candidate is judged by its exact squared RGB error through the
// decoder's own palette, so a step is kept only when it really lowers that
// error. Channels are whole numbers held in floats, so squared errors (below
// 2^24) are exact; the rest is plain IEEE arithmetic in source order, neither
// reassociated nor fused, so every build computes the same bits.

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

#include "texlib/ColourFit.h"
#include "texlib/ColourPalette.h"

namespace decalia::texlib::colourfit {
namespace {

// Own small helpers: this header is compiled once per instruction set, and a
// standard template instantiated here could be merged with another build of it.
float Min(float a, float b) { return b < a ? b : a; }
float Max(float a, float b) { return a < b ? b : a; }
float Abs(float a) { return a < 0.0f ? -a : a; }
float Clamp(float v, float low, float high) { return Min(Max(v, low), high); }

// Insertion sort of up to 16 keyed pixels; ties keep pixel order.
void SortByKey(std::array<std::pair<float, std::size_t>, 16>& keyed, std::size_t n) {
    for (std::size_t i = 1; i < n; ++i) {
        const auto item = keyed[i];
        std::size_t j = i;
        while (j > 0 && (item.first < keyed[j - 1].first)) {
            keyed[j] = keyed[j - 1];
            --j;
        }
        keyed[j] = item;
    }
}

using Lane = std::array<float, 16>;

bool IsTransparent(const BlockPixels& p, std::size_t i) { return (p.transparent >> i & 1u) != 0; }

Vec3 PixelColour(const BlockPixels& p, std::size_t i) {
    return {p.r[i], p.g[i], p.b[i]};
}

float Dot(const Vec3& a, const Vec3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

std::int32_t Level(float value, std::int32_t top) {
    const float clamped = Clamp(value, 0.0f, 255.0f);
    return static_cast<std::int32_t>(clamped * static_cast<float>(top) / 255.0f + 0.5f);
}

// Weight of the first endpoint in each palette entry; entry 3 of the
// three-colour palette is never fitted.
constexpr std::array<float, 4> kFourWeights{1.0f, 0.0f, 2.0f / 3.0f, 1.0f / 3.0f};
constexpr std::array<float, 4> kThreeWeights{1.0f, 0.0f, 0.5f, 0.0f};

struct Solved {
    Vec3 a{};
    Vec3 b{};
    bool ok = false;
};

// Least squares for colours x_i = w_i a + (1 - w_i) b, given the sums over the
// pixels of w^2, (1-w)^2, w(1-w), w x and (1-w) x.
Solved SolveTwoEndpoints(float ww, float vv, float wv, const Vec3& wx, const Vec3& vx) {
    const float det = ww * vv - wv * wv;
    if (det < 1e-4f) {
        return {};
    }
    Solved s;
    for (std::size_t c = 0; c < 3; ++c) {
        s.a[c] = (vv * wx[c] - wv * vx[c]) / det;
        s.b[c] = (ww * vx[c] - wv * wx[c]) / det;
    }
    s.ok = true;
    return s;
}

// Per palette entry: how many pixels chose it and the sums of their channels.
// With the selectors fixed, a channel's error then depends on four entries
// only: sum over k of n_k v_k^2 - 2 v_k S_k, plus a constant.
struct SelectorSums {
    std::array<std::int32_t, 4> count{};
    std::array<std::array<std::int32_t, 4>, 3> sum{};
};

SelectorSums SumBySelector(const BlockPixels& p, const Candidate& c) {
    SelectorSums sums;
    for (std::size_t i = 0; i < 16; ++i) {
        const std::size_t k = c.indices >> (2 * i) & 3u;
        if (IsTransparent(p, i) || (c.mode == Mode::Three && k == 3)) continue;
        ++sums.count[k];
        sums.sum[0][k] += static_cast<std::int32_t>(p.r[i]);
        sums.sum[1][k] += static_cast<std::int32_t>(p.g[i]);
        sums.sum[2][k] += static_cast<std::int32_t>(p.b[i]);
    }
    return sums;
}

struct LevelPair {
    std::int32_t a = 0;
    std::int32_t b = 0;
};

// Of the levels just below and above each least-squares endpoint, the pair
// that gives the channel the least exact error for the fixed selectors.
LevelPair BestLevels(const SelectorSums& sums, std::size_t channel, float a, float b, Mode mode) {
    const std::int32_t top = channel == 1 ? 63 : 31;
    const auto below = [top](float value) {
        const float scaled = Clamp(value, 0.0f, 255.0f) * static_cast<float>(top) / 255.0f;
        return static_cast<std::int32_t>(scaled) < top - 1 ? static_cast<std::int32_t>(scaled) : top - 1;
    };
    const std::int32_t lowA = below(a), lowB = below(b);
    LevelPair best{lowA, lowB};
    std::int32_t bestError = std::numeric_limits<std::int32_t>::max();
    for (std::int32_t la = lowA; la <= lowA + 1; ++la) {
        for (std::int32_t lb = lowB; lb <= lowB + 1; ++lb) {
            const std::int32_t ea = (la * 255 + top / 2) / top, eb = (lb * 255 + top / 2) / top;
            const std::array<std::int32_t, 4> v{
                ea, eb, mode == Mode::Four ? MixChannel(ea, eb, 2, 1) : MixChannel(ea, eb, 1, 1),
                mode == Mode::Four ? MixChannel(ea, eb, 1, 2) : 0};
            std::int32_t error = 0;
            for (std::size_t k = 0; k < 4; ++k) {
                error += v[k] * (sums.count[k] * v[k] - 2 * sums.sum[channel][k]);
            }
            if (error < bestError) {
                bestError = error;
                best = {la, lb};
            }
        }
    }
    return best;
}

std::uint16_t Step(std::uint16_t colour, std::size_t channel, int delta) {
    constexpr std::array<unsigned, 3> kShift{11, 5, 0};
    constexpr std::array<int, 3> kTop{31, 63, 31};
    const int value = static_cast<int>((static_cast<unsigned>(colour) >> kShift[channel]) & static_cast<unsigned>(kTop[channel]));
    const int stepped = value + delta;
    if (stepped < 0 || stepped > kTop[channel]) {
        return colour;
    }
    const auto cleared = static_cast<unsigned>(colour) & ~(static_cast<unsigned>(kTop[channel]) << kShift[channel]);
    return static_cast<std::uint16_t>(cleared | static_cast<unsigned>(stepped) << kShift[channel]);
}

// Puts the endpoints in the order the mode needs and picks each pixel's
// nearest palette entry. Equal endpoints in DXT1 give the three-colour palette.
Candidate Evaluate(const BlockPixels& p, std::uint16_t e0, std::uint16_t e1, Mode mode) {
    if (!p.fourColoursOnly && (mode == Mode::Four ? e0 < e1 : e0 > e1)) {
        const std::uint16_t first = e0;
        e0 = e1;
        e1 = first;
    }
    const bool four = UsesFourColours(e0, e1, p.fourColoursOnly);
    const std::array<Rgb, 4> palette = PaletteColours(e0, e1, four);
    alignas(16) Lane best{};
    alignas(16) Lane index{};
    const int entries = four ? 4 : 3;
    for (int entry = 0; entry < entries; ++entry) {
        const Rgb& colour = palette[static_cast<std::size_t>(entry)];
        const auto cr = static_cast<float>(colour[0]), cg = static_cast<float>(colour[1]),
                   cb = static_cast<float>(colour[2]);
        const auto entryIndex = static_cast<float>(entry);
        const float firstEntry = entry == 0 ? 1.0f : 0.0f;
        for (std::size_t i = 0; i < 16; ++i) {
            const float dr = p.r[i] - cr, dg = p.g[i] - cg, db = p.b[i] - cb;
            const float d = dr * dr + dg * dg + db * db;
            const bool closer = firstEntry > 0.0f || d < best[i];
            best[i] = closer ? d : best[i];
            index[i] = closer ? entryIndex : index[i];
        }
    }
    // The candidate keeps the mode asked for even where equal endpoints fall back
    // to the three-colour palette, so later steps go on looking for four colours.
    Candidate c{e0, e1, 0, mode, 0};
    float error = 0.0f;
    for (std::size_t i = 0; i < 16; ++i) {
        error += best[i] * p.visible[i];
    }
    for (std::size_t i = 0; i < 16; ++i) {
        c.indices |= static_cast<std::uint32_t>(index[i]) << (2 * i);
    }
    c.indices |= p.transparentIndices;
    c.error = static_cast<std::int64_t>(error);
    return c;
}

// The nearest 5:6:5 colour of a point in 0..255 space.
std::uint16_t Quantise(const Vec3& colour) {
    return Pack565(Level(colour[0], 31), Level(colour[1], 63), Level(colour[2], 31));
}

// Over the pixels that are not transparent; a zero axis for one colour.
Line PrincipalLine(const BlockPixels& p) {
    Line line;
    float count = 0.0f;
    for (std::size_t i = 0; i < 16; ++i) {
        if (!IsTransparent(p, i)) {
            const Vec3 x = PixelColour(p, i);
            for (std::size_t c = 0; c < 3; ++c) line.mean[c] += x[c];
            count += 1.0f;
        }
    }
    if (count == 0.0f) {
        return line;
    }
    for (float& m : line.mean) m /= count;
    std::array<Vec3, 3> cov{};
    for (std::size_t i = 0; i < 16; ++i) {
        if (IsTransparent(p, i)) continue;
        const Vec3 x = PixelColour(p, i);
        const Vec3 d{x[0] - line.mean[0], x[1] - line.mean[1], x[2] - line.mean[2]};
        for (std::size_t a = 0; a < 3; ++a) {
            for (std::size_t b = 0; b < 3; ++b) cov[a][b] += d[a] * d[b];
        }
    }
    // Power iteration from the row of the widest channel.
    std::size_t widest = 0;
    for (std::size_t c = 1; c < 3; ++c) {
        if (cov[c][c] > cov[widest][widest]) widest = c;
    }
    Vec3 v = cov[widest];
    for (int iteration = 0; iteration < 8; ++iteration) {
        const Vec3 next{Dot(cov[0], v), Dot(cov[1], v), Dot(cov[2], v)};
        const float largest = Max(Max(Abs(next[0]), Abs(next[1])), Abs(next[2]));
        if (largest < 1e-6f) {
            return line;
        }
        v = {next[0] / largest, next[1] / largest, next[2] / largest};
    }
    const float length = std::sqrt(Dot(v, v));
    line.axis = {v[0] / length, v[1] / length, v[2] / length};
    return line;
}

// The two ends of the block's colours projected onto the line.
Candidate FitLineEnds(const BlockPixels& p, const Line& line, Mode mode) {
    float low = 0.0f, high = 0.0f;
    for (std::size_t i = 0; i < 16; ++i) {
        if (IsTransparent(p, i)) continue;
        const Vec3 x = PixelColour(p, i);
        const float t = Dot({x[0] - line.mean[0], x[1] - line.mean[1], x[2] - line.mean[2]}, line.axis);
        low = Min(low, t);
        high = Max(high, t);
    }
    Vec3 a{}, b{};
    for (std::size_t c = 0; c < 3; ++c) {
        a[c] = line.mean[c] + low * line.axis[c];
        b[c] = line.mean[c] + high * line.axis[c];
    }
    return Evaluate(p, Quantise(b), Quantise(a), mode);
}

// Least-squares endpoints for the candidate's selectors, snapped to the grid
// pair that suits those selectors best, repeated while that lowers the error.
Candidate Refine(const BlockPixels& p, Candidate candidate, int rounds) {
    for (int round = 0; round < rounds; ++round) {
        const SelectorSums sums = SumBySelector(p, candidate);
        const auto& weights = candidate.mode == Mode::Four ? kFourWeights : kThreeWeights;
        float ww = 0.0f, vv = 0.0f, wv = 0.0f;
        Vec3 wx{}, vx{};
        for (std::size_t k = 0; k < 4; ++k) {
            const float w = weights[k], v = 1.0f - w, n = static_cast<float>(sums.count[k]);
            ww += n * w * w;
            vv += n * v * v;
            wv += n * w * v;
            for (std::size_t c = 0; c < 3; ++c) {
                wx[c] += w * static_cast<float>(sums.sum[c][k]);
                vx[c] += v * static_cast<float>(sums.sum[c][k]);
            }
        }
        const Solved s = SolveTwoEndpoints(ww, vv, wv, wx, vx);
        if (!s.ok) break;
        std::array<LevelPair, 3> levels{};
        for (std::size_t c = 0; c < 3; ++c) {
            levels[c] = BestLevels(sums, c, s.a[c], s.b[c], candidate.mode);
        }
        const Candidate next = Evaluate(p, Pack565(levels[0].a, levels[1].a, levels[2].a),
                                        Pack565(levels[0].b, levels[1].b, levels[2].b), candidate.mode);
        if (next.error >= candidate.error) break;
        candidate = next;
    }
    return candidate;
}

// Steps endpoint channels by one 5:6:5 level while that lowers the error.
Candidate SearchNeighbours(const BlockPixels& p, Candidate candidate, int rounds) {
    // Takes the first move that helps, then looks again from there.
    for (int round = 0; round < rounds && candidate.error > 0; ++round) {
        bool moved = false;
        for (std::size_t move = 0; move < 12 && !moved; ++move) {
            const bool first = move < 6;
            const std::size_t channel = move % 6 / 2;
            const int delta = move % 2 == 0 ? -1 : 1;
            const std::uint16_t stepped = Step(first ? candidate.c0 : candidate.c1, channel, delta);
            const Candidate c = first ? Evaluate(p, stepped, candidate.c1, candidate.mode)
                                      : Evaluate(p, candidate.c0, stepped, candidate.mode);
            if (c.error < candidate.error) {
                candidate = c;
                moved = true;
            }
        }
        if (!moved) break;
    }
    return candidate;
}


const Candidate& Better(const Candidate& a, const Candidate& b) { return b.error < a.error ? b : a; }

}  // namespace
}  // namespace decalia::texlib::colourfit
