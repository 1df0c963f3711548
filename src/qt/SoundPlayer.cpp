#include "qt/SoundPlayer.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace decalia::qt {

SoundPlayer::SoundPlayer() = default;
SoundPlayer::~SoundPlayer() = default;

bool SoundPlayer::Play(const std::string& hostPath) {
    const QString file = QString::fromStdString(hostPath);
    if (!QFileInfo(file).isFile()) return false;
    // Made on first use: a machine without audio pays nothing until then.
    if (!effect_) effect_ = std::make_unique<QSoundEffect>();
    const QUrl source = QUrl::fromLocalFile(file);
    if (effect_->source() != source) effect_->setSource(source);
    effect_->play();
    return true;
}

}  // namespace decalia::qt
