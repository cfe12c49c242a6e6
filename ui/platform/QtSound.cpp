#include "ui/platform/QtSound.h"

#include "core/platform/WaveFile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

QtSound::QtSound() = default;
QtSound::~QtSound() = default;

void QtSound::play(const QString& file) {
    stop();
    if (!WaveInfo::read(file).valid)
        return;
    // A fresh effect per tune: changing the source of a playing one is not reliable everywhere.
    effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(file));
    effect_->play();
}

void QtSound::stop() {
    if (syncLoop_)
        syncLoop_->quit();
    if (effect_)
        effect_->stop();
    effect_.reset();
}

void QtSound::playSync(const QString& file) {
    const WaveInfo info = WaveInfo::read(file);
    if (!info.valid || info.durationMs() == 0)
        return;

    QSoundEffect effect;
    QEventLoop loop;
    bool started = false;
    QObject::connect(&effect, &QSoundEffect::playingChanged, &loop, [&] {
        if (effect.isPlaying())
            started = true;
        else if (started)
            loop.quit();
    });
    QObject::connect(&effect, &QSoundEffect::statusChanged, &loop, [&] {
        if (effect.status() == QSoundEffect::Error)
            loop.quit();
    });
    // The file's own length bounds the wait, whether or not the device ever reports the end.
    QTimer::singleShot(int(info.durationMs()) + SyncMarginMs, &loop, &QEventLoop::quit);
    effect.setSource(QUrl::fromLocalFile(file));
    effect.play();
    // The window stays responsive: a click meanwhile may stop the sound.
    QEventLoop* outer = syncLoop_;
    syncLoop_ = &loop;
    loop.exec();
    syncLoop_ = outer;
    effect.stop();
}

void QtSound::beep() {
    QApplication::beep();
}
