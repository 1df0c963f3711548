// StretchBlt throughput on sheet-sized 24-bit bitmaps: the same-size copy and
// the 2:1 shrink that composing texture sheets from a template does.

#include "platform/gdi/Gdi.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>

namespace {

struct Surface {
    Surface(int width, int height) {
        win::BITMAPINFO info;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = height;
        info.bmiHeader.biBitCount = 24;
        std::uint8_t* bits = nullptr;
        dc = decalia::gdi::Owned<win::HDC>(win::CreateCompatibleDC({}));
        bitmap = win::CreateDIBSection(dc.Get(), info, win::DIB_RGB_COLORS, &bits);
        stock = win::SelectObject(dc.Get(), bitmap);
        std::mt19937 random(1);
        const auto bytes = static_cast<std::size_t>(decalia::gdi::DibStride(width, 24) * height);
        for (std::size_t i = 0; i < bytes; ++i) bits[i] = static_cast<std::uint8_t>(random());
    }
    ~Surface() {
        win::SelectObject(dc.Get(), stock);
        win::DeleteObject(bitmap);
    }
    decalia::gdi::Owned<win::HDC> dc;
    win::HBITMAP bitmap;
    win::HBITMAP stock;
};

void Run(benchmark::State& state, int destSide) {
    constexpr int kSource = 2048;
    Surface source(kSource, kSource);
    Surface dest(destSide, destSide);
    for (auto _ : state) {
        const bool done = win::StretchBlt(dest.dc.Get(), 0, 0, destSide, destSide, source.dc.Get(),
                                          0, 0, kSource, kSource, win::SRCCOPY);
        benchmark::DoNotOptimize(done);
    }
    // Source bytes read per second.
    state.SetBytesProcessed(state.iterations() * std::int64_t{kSource} * kSource * 3);
}

void BM_StretchBlt24_Copy2048(benchmark::State& state) {
    Run(state, 2048);
}
void BM_StretchBlt24_Shrink2048To1024(benchmark::State& state) {
    Run(state, 1024);
}

BENCHMARK(BM_StretchBlt24_Copy2048)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StretchBlt24_Shrink2048To1024)->Unit(benchmark::kMillisecond);

}  // namespace
