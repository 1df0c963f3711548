#include "texlib/Parallel.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace decalia::texlib {

void ParallelFor(std::size_t count, unsigned threads, const std::function<void(std::size_t)>& work) {
    std::atomic<std::size_t> next{0};
    const auto drain = [&] {
        for (std::size_t i = next++; i < count; i = next++) {
            work(i);
        }
    };
    const std::size_t helpers = std::min<std::size_t>(std::max(threads, 1u), count) - (count > 0);
    std::vector<std::thread> pool;
    pool.reserve(helpers);
    for (std::size_t t = 0; t < helpers; ++t) {
        pool.emplace_back(drain);
    }
    drain();
    for (std::thread& thread : pool) {
        thread.join();
    }
}

unsigned HardwareThreads() { return std::max(1u, std::thread::hardware_concurrency()); }

}  // namespace decalia::texlib
