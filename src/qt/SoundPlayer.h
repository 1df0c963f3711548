#pragma once
// Short WAV files played without waiting. With no sound device nothing is
// heard and nothing is reported.

#include <memory>
#include <string>

class QSoundEffect;

namespace decalia::qt {

class SoundPlayer {
public:
    SoundPlayer();
    ~SoundPlayer();
    // False when the file cannot be played at all (it does not exist).
    bool Play(const std::string& hostPath);

private:
    std::unique_ptr<QSoundEffect> effect_;
};

}  // namespace decalia::qt
