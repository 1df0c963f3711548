#pragma once

#include <cstddef>
#include <functional>

namespace decalia::texlib {

// Runs work(i) for every i below count on up to `threads` threads (the calling
// thread is one of them). Each i runs exactly once, so results written to a
// slot per i do not depend on the thread count.
void ParallelFor(std::size_t count, unsigned threads, const std::function<void(std::size_t)>& work);

// std::thread::hardware_concurrency, at least 1.
unsigned HardwareThreads();

}  // namespace decalia::texlib
