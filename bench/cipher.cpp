// Throughput of the configuration cipher. Decryption works in place, so each
// iteration decrypts a fresh copy of the container; the copy is part of the
// figure, as it is when a file is read.

#include <benchmark/benchmark.h>

#include <string>

#include "config/clsEncrypt.h"

namespace {

using decalia::config::clsEncrypt;
using decalia::config::kProgramKey;

void BM_DecryptByte(benchmark::State& state) {
    clsEncrypt cipher;
    cipher.Key(kProgramKey);
    std::string sealed(static_cast<std::size_t>(state.range(0)), 'c');
    cipher.EncryptByte(sealed);
    for (auto _ : state) {
        std::string bytes = sealed;
        const bool ok = cipher.DecryptByte(bytes);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(sealed.size()));
}
BENCHMARK(BM_DecryptByte)->Arg(64 << 10)->Arg(1 << 20);

void BM_EncryptByte(benchmark::State& state) {
    clsEncrypt cipher;
    cipher.Key(kProgramKey);
    const std::string plain(static_cast<std::size_t>(state.range(0)), 'p');
    for (auto _ : state) {
        std::string bytes = plain;
        cipher.EncryptByte(bytes);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_EncryptByte)->Arg(64 << 10)->Arg(1 << 20);

// Every configuration read builds a fresh object and keys it once.
void BM_KeySchedule(benchmark::State& state) {
    for (auto _ : state) {
        clsEncrypt cipher;
        cipher.Key(kProgramKey);
        std::uint32_t l = 0;
        std::uint32_t r = 0;
        cipher.EncryptBlock(l, r);
        benchmark::DoNotOptimize(l);
    }
}
BENCHMARK(BM_KeySchedule);

}  // namespace
