// A wave channel on QSoundEffect. Without a sound device Qt only warns and
// the effect plays into nothing; nothing here waits for a sound to end.
#include "WaveDevice.h"

#include <QFileInfo>
#include <QUrl>

bool TWaveDevice::Open(const QString& fullName) {
    if (!effect_) effect_ = std::make_unique<QSoundEffect>();
    effect_->stop();
    const QFileInfo info(fullName);
    if (!info.isFile() || !info.isReadable()) {
        effect_->setSource(QUrl());
        return false;
    }
    effect_->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
    return true;
}

void TWaveDevice::Play(int /*startPosition*/) {
    if (!effect_) return;
    // Stopping first makes a finished or still running sound start over.
    effect_->stop();
    effect_->play();
}
