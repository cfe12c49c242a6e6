#include "core/platform/GameFolder.h"
#include "core/platform/WaveFile.h"
#include "ui/platform/QtSound.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// Runs headless (offscreen, no audio device): every call must come back, silently.
class QtSoundTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;
    GameFolder game{QStringLiteral(ZORVICK_GAME_DIR)};

    QString writeFile(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(path));
        f.write(bytes);
        return path;
    }

    // Whether the call ran the event loop: a timer due at once fires only if it did.
    template <typename Call> static bool waited(Call call) {
        bool fired = false;
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [&] { fired = true; });
        timer.start(0);
        call();
        return fired;
    }

private slots:
    void missingEmptyAndJunkFilesReturnWithoutWaiting() {
        QtSound sound;
        const QString junk = writeFile(QStringLiteral("junk.wav"), QByteArray(5000, 'x'));
        QVERIFY(!WaveInfo::read(junk).valid);
        // The start-up stops the theme by playing an empty name synchronously.
        for (const QString& file : {QString(), dir.filePath(QStringLiteral("nothing.wav")), junk})
            QVERIFY2(!waited([&] { sound.playSync(file); }), qPrintable(file));
        sound.play(dir.filePath(QStringLiteral("nothing.wav")));
        sound.play(junk);
        sound.stop();
        sound.stop();
    }

    void syncPlayWaitsNoLongerThanTheFile() {
        QtSound sound;
        const QString busy = game.resolve(QStringLiteral("Sounds\\busy.wav"));
        const WaveInfo info = WaveInfo::read(busy);
        QVERIFY2(info.valid, qPrintable(busy));
        // Timers keep running during the wait (the mail and splash timers rely on it), and
        // one due well after the file's length plus the margin has not fired when it returns.
        bool late = false;
        QTimer lateTimer;
        lateTimer.setSingleShot(true);
        QObject::connect(&lateTimer, &QTimer::timeout, [&] { late = true; });
        lateTimer.start(int(info.durationMs()) + QtSound::SyncMarginMs + 1000);
        QVERIFY(waited([&] { sound.playSync(busy); }));
        QVERIFY(!late);
    }

    void asyncPlayReplacesAndStopsWithoutWaiting() {
        QtSound sound;
        const QString theme = game.resolve(QStringLiteral("sounds\\theme.wav"));
        const QString ring = game.resolve(QStringLiteral("Sounds\\ringout.wav"));
        QVERIFY(!waited([&] {
            sound.play(theme);
            sound.play(ring); // replaces the theme
            sound.stop();
        }));
    }
};

QTEST_MAIN(QtSoundTest)
#include "qt_sound_test.moc"
