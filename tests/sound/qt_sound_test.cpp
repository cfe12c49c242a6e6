#include "platform/GameFolder.h"
#include "platform/WaveFile.h"
#include "platform/qt/QtSound.h"

#include <QElapsedTimer>
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

    // Elapsed milliseconds of one synchronous play.
    static qint64 timedPlaySync(QtSound& sound, const QString& file) {
        QElapsedTimer t;
        t.start();
        sound.playSync(file);
        return t.elapsed();
    }

private slots:
    void missingAndEmptyNamesReturnAtOnce() {
        QtSound sound;
        // The start-up stops the theme by playing an empty name synchronously.
        QVERIFY(timedPlaySync(sound, QString()) < 200);
        QVERIFY(timedPlaySync(sound, dir.filePath(QStringLiteral("nothing.wav"))) < 200);
        sound.play(dir.filePath(QStringLiteral("nothing.wav")));
        sound.stop();
        sound.stop();
    }

    void fileThatIsNotWaveIsSilence() {
        QtSound sound;
        const QString junk = writeFile(QStringLiteral("junk.wav"), QByteArray(5000, 'x'));
        QVERIFY(!WaveInfo::read(junk).valid);
        QVERIFY(timedPlaySync(sound, junk) < 200);
        sound.play(junk);
        sound.stop();
    }

    void syncPlayIsBoundedByTheFilesLength() {
        QtSound sound;
        const QString busy = game.resolve(QStringLiteral("Sounds\\busy.wav"));
        const WaveInfo info = WaveInfo::read(busy);
        QVERIFY2(info.valid, qPrintable(busy));
        // Generous slack for a loaded machine; a hang would blow far past it.
        QVERIFY(timedPlaySync(sound, busy) <= info.durationMs() + QtSound::SyncMarginMs + 1000);
    }

    void timersKeepRunningDuringSyncPlay() {
        QtSound sound;
        const QString busy = game.resolve(QStringLiteral("Sounds/busy.wav"));
        bool timerRan = false;
        // Timers keep running during the wait (the game's mail timer and splash timer rely on it).
        QTimer::singleShot(0, [&] { timerRan = true; });
        sound.playSync(busy);
        QVERIFY(timerRan);
    }

    void asyncPlayReplacesAndStops() {
        QtSound sound;
        const QString theme = game.resolve(QStringLiteral("sounds\\theme.wav"));
        const QString ring = game.resolve(QStringLiteral("Sounds\\ringout.wav"));
        QElapsedTimer t;
        t.start();
        sound.play(theme);
        sound.play(ring); // replaces the theme
        QTest::qWait(50);
        sound.stop();
        QVERIFY(t.elapsed() < 2000); // neither call waited for the tune
    }
};

QTEST_MAIN(QtSoundTest)
#include "qt_sound_test.moc"
