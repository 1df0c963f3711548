#pragma once

#include <string>

namespace decalia::artwork {

// The bytes of a short two-note confirmation chime: a RIFF WAVE file of 16-bit
// mono PCM at 22050 samples per second.
std::string ConfirmationChimeWav();

}  // namespace decalia::artwork
