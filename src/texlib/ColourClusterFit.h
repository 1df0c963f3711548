#pragma once
// Cluster fit: the pixels ordered along an axis, every split of that order
// into the palette's clusters tried, each with least-squares endpoints
// snapped to 5:6:5. Compiled once per instruction set, as ColourFitSteps.h.

#include "texlib/ColourFitSteps.h"

namespace decalia::texlib::colourfit {
namespace {

// A channel snapped to its 5- or 6-bit grid, back in 0..255 space; written
// without branches so that the split loops vectorise.
float Snap(float value, float top) {
    const float low = value > 0.0f ? value : 0.0f;
    const float clamped = low < 255.0f ? low : 255.0f;
    const auto level = static_cast<float>(static_cast<std::int32_t>(clamped * (top / 255.0f) + 0.5f));
    return level * (255.0f / top);
}

struct Ordered {
    std::array<float, 17> r{};  // prefix sums in axis order
    std::array<float, 17> g{};
    std::array<float, 17> b{};
    std::size_t count = 0;
};

Ordered OrderAlong(const BlockPixels& p, const Vec3& axis) {
    std::array<std::pair<float, std::size_t>, 16> keyed{};
    std::size_t n = 0;
    for (std::size_t i = 0; i < 16; ++i) {
        if (!IsTransparent(p, i)) {
            keyed[n++] = {Dot(PixelColour(p, i), axis), i};
        }
    }
    SortByKey(keyed, n);
    Ordered o;
    o.count = n;
    for (std::size_t k = 0; k < n; ++k) {
        const std::size_t i = keyed[k].second;
        o.r[k + 1] = o.r[k] + p.r[i];
        o.g[k + 1] = o.g[k] + p.g[i];
        o.b[k + 1] = o.b[k] + p.b[i];
    }
    return o;
}

Vec3 PrefixAt(const Ordered& o, std::size_t k) { return {o.r[k], o.g[k], o.b[k]}; }

// Error of a split up to the constant sum of squared colours, with both
// endpoints snapped to the 5:6:5 grid. Written over plain floats so that the
// loop over the last split point vectorises.
struct SplitSums {
    float ww, vv, wv;
    float xr, xg, xb;  // sums of w x
    float tr, tg, tb;  // sums of x
};

float SnappedSplitError(const SplitSums& s) {
    const float det = s.ww * s.vv - s.wv * s.wv;
    const float inv = 1.0f / (det > 1e-4f ? det : 1.0f);
    const float vr = s.tr - s.xr, vg = s.tg - s.xg, vb = s.tb - s.xb;
    const float ar = Snap((s.vv * s.xr - s.wv * vr) * inv, 31.0f);
    const float ag = Snap((s.vv * s.xg - s.wv * vg) * inv, 63.0f);
    const float ab = Snap((s.vv * s.xb - s.wv * vb) * inv, 31.0f);
    const float br = Snap((s.ww * vr - s.wv * s.xr) * inv, 31.0f);
    const float bg = Snap((s.ww * vg - s.wv * s.xg) * inv, 63.0f);
    const float bb = Snap((s.ww * vb - s.wv * s.xb) * inv, 31.0f);
    const float error = s.ww * (ar * ar + ag * ag + ab * ab) + s.vv * (br * br + bg * bg + bb * bb) +
                        2.0f * s.wv * (ar * br + ag * bg + ab * bb) -
                        2.0f * (ar * s.xr + ag * s.xg + ab * s.xb + br * vr + bg * vg + bb * vb);
    return det > 1e-4f ? error : 1e30f;
}

struct Split {
    std::size_t i = 0, j = 0, k = 0;  // cluster ends in axis order
    float error = 1e30f;
};

// Clusters [0,i) [i,j) [j,k) [k,n) take the first endpoint with weights 1, 2/3, 1/3, 0.
Split BestFourSplit(const Ordered& o) {
    const std::size_t n = o.count;
    const Vec3 total = PrefixAt(o, n);
    const float* pr = o.r.data();
    const float* pg = o.g.data();
    const float* pb = o.b.data();
    Split best;
    alignas(16) std::array<float, 17> errors{};
    for (std::size_t i = 0; i <= n; ++i) {
        for (std::size_t j = i; j <= n; ++j) {
            const auto c1 = static_cast<float>(i);
            const auto c2 = static_cast<float>(j - i);
            const float baseR = pr[i] + pr[j], baseG = pg[i] + pg[j], baseB = pb[i] + pb[j];
            const auto first = static_cast<float>(j), last = static_cast<float>(n);
            float* err = errors.data();
            // Signed counters: SSE2 converts only signed 32-bit integers to floats.
            const auto from = static_cast<std::int32_t>(j), to = static_cast<std::int32_t>(n);
            for (std::int32_t k = from; k <= to; ++k) {
                const auto kf = static_cast<float>(k);
                const float c3 = kf - first, c4 = last - kf;
                const SplitSums s{c1 + c2 * (4.0f / 9.0f) + c3 * (1.0f / 9.0f),
                                  c2 * (1.0f / 9.0f) + c3 * (4.0f / 9.0f) + c4,
                                  (c2 + c3) * (2.0f / 9.0f),
                                  (baseR + pr[k]) * (1.0f / 3.0f),
                                  (baseG + pg[k]) * (1.0f / 3.0f),
                                  (baseB + pb[k]) * (1.0f / 3.0f),
                                  total[0], total[1], total[2]};
                err[k] = SnappedSplitError(s);
            }
            for (std::size_t k = j; k <= n; ++k) {
                if (errors[k] < best.error) {
                    best = {i, j, k, errors[k]};
                }
            }
        }
    }
    return best;
}

// Clusters [0,i) [i,j) [j,n) take the first endpoint with weights 1, 1/2, 0.
Split BestThreeSplit(const Ordered& o) {
    const std::size_t n = o.count;
    const Vec3 total = PrefixAt(o, n);
    const float* pr = o.r.data();
    const float* pg = o.g.data();
    const float* pb = o.b.data();
    Split best;
    alignas(16) std::array<float, 17> errors{};
    for (std::size_t i = 0; i <= n; ++i) {
        const auto c1 = static_cast<float>(i);
        const auto first = static_cast<float>(i), last = static_cast<float>(n);
        float* err = errors.data();
        const auto from = static_cast<std::int32_t>(i), to = static_cast<std::int32_t>(n);
        for (std::int32_t j = from; j <= to; ++j) {
            const auto jf = static_cast<float>(j);
            const float c2 = jf - first, c3 = last - jf;
            const SplitSums s{c1 + c2 * 0.25f, c2 * 0.25f + c3, c2 * 0.25f,
                              (pr[i] + pr[j]) * 0.5f, (pg[i] + pg[j]) * 0.5f, (pb[i] + pb[j]) * 0.5f,
                              total[0], total[1], total[2]};
            err[j] = SnappedSplitError(s);
        }
        for (std::size_t j = i; j <= n; ++j) {
            if (errors[j] < best.error) {
                best = {i, j, n, errors[j]};
            }
        }
    }
    return best;
}

Solved SolveSplit(const Ordered& o, const Split& split, Mode mode) {
    const Vec3 total = PrefixAt(o, o.count);
    const Vec3 pi = PrefixAt(o, split.i), pj = PrefixAt(o, split.j), pk = PrefixAt(o, split.k);
    const auto c1 = static_cast<float>(split.i), c2 = static_cast<float>(split.j - split.i);
    const auto c3 = static_cast<float>(split.k - split.j), c4 = static_cast<float>(o.count - split.k);
    Vec3 wx{}, vx{};
    for (std::size_t c = 0; c < 3; ++c) {
        wx[c] = mode == Mode::Four ? (pi[c] + pj[c] + pk[c]) / 3.0f : (pi[c] + pj[c]) * 0.5f;
        vx[c] = total[c] - wx[c];
    }
    if (mode == Mode::Four) {
        return SolveTwoEndpoints(c1 + c2 * 4.0f / 9.0f + c3 / 9.0f, c2 / 9.0f + c3 * 4.0f / 9.0f + c4,
                                 (c2 + c3) * 2.0f / 9.0f, wx, vx);
    }
    return SolveTwoEndpoints(c1 + c2 * 0.25f, c2 * 0.25f + c3, c2 * 0.25f, wx, vx);
}

// The best split of the pixels, ordered along `axis`, into the palette's
// clusters; each split's endpoints solved by least squares and snapped to 5:6:5.
Candidate ClusterFit(const BlockPixels& p, const Vec3& axis, Mode mode) {
    const Ordered o = OrderAlong(p, axis);
    const Split split = mode == Mode::Four ? BestFourSplit(o) : BestThreeSplit(o);
    const Solved s = SolveSplit(o, split, mode);
    if (!s.ok) {
        return {};
    }
    return Evaluate(p, Quantise(s.a), Quantise(s.b), mode);
}

}  // namespace
}  // namespace decalia::texlib::colourfit
