#include "Sounds.h"

#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace decalia::artwork {
namespace {

constexpr int kRate = 22050;

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A sine note with a quick attack and an exponential fade, so it does not click.
void AppendNote(std::vector<std::int16_t>& samples, double frequency, double seconds) {
    const int count = static_cast<int>(seconds * kRate);
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double envelope = std::min(1.0, t / 0.005) * std::exp(-t * 18.0);
        const double value = 0.45 * envelope * std::sin(2 * std::numbers::pi * frequency * t);
        samples.push_back(static_cast<std::int16_t>(std::lround(value * 32767)));
    }
}

}  // namespace

std::string ConfirmationChimeWav() {
    std::vector<std::int16_t> samples;
    AppendNote(samples, 880.0, 0.09);
    AppendNote(samples, 1318.5, 0.16);
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);

    std::string wav = "RIFF";
    PutLittleEndian(wav, 36 + dataBytes, 4);
    wav += "WAVEfmt ";
    PutLittleEndian(wav, 16, 4);          // format chunk size
    PutLittleEndian(wav, 1, 2);           // PCM
    PutLittleEndian(wav, 1, 2);           // mono
    PutLittleEndian(wav, kRate, 4);
    PutLittleEndian(wav, kRate * 2, 4);   // bytes per second
    PutLittleEndian(wav, 2, 2);           // block align
    PutLittleEndian(wav, 16, 2);          // bits per sample
    wav += "data";
    PutLittleEndian(wav, dataBytes, 4);
    for (std::int16_t s : samples) PutLittleEndian(wav, static_cast<std::uint16_t>(s), 2);
    return wav;
}

}  // namespace decalia::artwork
