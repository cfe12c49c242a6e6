#include "core/platform/GameFolder.h"
#include "core/platform/WaveFile.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

QByteArray le32(quint32 v) {
    QByteArray b;
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 0xff));
    return b;
}

QByteArray le16(quint16 v) {
    return QByteArray(1, char(v & 0xff)) + QByteArray(1, char(v >> 8));
}

QByteArray fmtChunk(quint16 format, quint16 channels, quint32 rate, quint16 bits) {
    return QByteArray("fmt ") + le32(16) + le16(format) + le16(channels) + le32(rate) +
           le32(rate * channels * bits / 8) + le16(channels * bits / 8) + le16(bits);
}

QByteArray riff(const QByteArray& chunks) {
    return QByteArray("RIFF") + le32(quint32(4 + chunks.size())) + "WAVE" + chunks;
}

class WaveFileTest : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    QTemporaryDir dir;
};

TEST_F(WaveFileTest, PcmHeaderGivesLengthFromDataSize) {
    const QByteArray data(44100, '\0'); // one second of 22050 Hz 16-bit mono
    const WaveInfo w = WaveInfo::read(
        write("a.wav", riff(fmtChunk(1, 1, 22050, 16) + "data" + le32(data.size()) + data)));
    ASSERT_TRUE(w.valid);
    EXPECT_EQ(w.channels, 1);
    EXPECT_EQ(w.sampleRate, 22050);
    EXPECT_EQ(w.bitsPerSample, 16);
    EXPECT_EQ(w.durationMs(), 1000);
}

TEST_F(WaveFileTest, SkipsUnknownChunksIncludingOddPadding) {
    const QByteArray data(8000, '\0'); // half a second of 8 kHz 16-bit mono
    const QByteArray list = QByteArray("LIST") + le32(3) + "abc" + QByteArray(1, '\0');
    const WaveInfo w = WaveInfo::read(
        write("b.wav", riff(fmtChunk(1, 1, 8000, 16) + list + "data" + le32(data.size()) + data)));
    ASSERT_TRUE(w.valid);
    EXPECT_EQ(w.durationMs(), 500);
}

TEST_F(WaveFileTest, ClaimedDataBeyondTheFileIsCutToWhatIsThere) {
    const QByteArray data(4410, '\0');
    const WaveInfo w = WaveInfo::read(
        write("c.wav", riff(fmtChunk(1, 1, 22050, 16) + "data" + le32(0x7fffffff) + data)));
    ASSERT_TRUE(w.valid);
    EXPECT_EQ(w.durationMs(), 100);
}

TEST_F(WaveFileTest, RejectsWhatIsNotAPcmWaveFile) {
    EXPECT_FALSE(WaveInfo::read(dir.filePath("missing.wav")).valid);
    EXPECT_FALSE(WaveInfo::read(write("text.wav", "this is not a sound at all")).valid);
    EXPECT_FALSE(WaveInfo::read(write("empty.wav", QByteArray())).valid);
    // Compressed (format 85, MP3) and a data chunk before any format chunk.
    EXPECT_FALSE(WaveInfo::read(
                     write("mp3.wav", riff(fmtChunk(85, 1, 22050, 16) + "data" + le32(4) + "abcd")))
                     .valid);
    EXPECT_FALSE(
        WaveInfo::read(write("nofmt.wav", riff(QByteArray("data") + le32(4) + "abcd"))).valid);
    EXPECT_EQ(WaveInfo().durationMs(), 0);
}

// The synthesised sounds, found as the game names them.
TEST(GeneratedSounds, AreModestPcmMonoFilesOfTheirIntendedLength) {
    const GameFolder game(QStringLiteral(ZORVICK_GAME_DIR));
    const struct {
        const char* name;
        qint64 minMs, maxMs;
    } expected[] = {
        {"sounds\\theme.wav", 16000, 18000}, // the splash shows for 17 seconds
        {"Sounds\\ringout.wav", 1000, 5000},
        {"Sounds\\busy.wav", 300, 1500},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.name);
        const QString path = game.resolve(QString::fromLatin1(e.name));
        const WaveInfo w = WaveInfo::read(path);
        ASSERT_TRUE(w.valid) << path.toStdString();
        EXPECT_EQ(w.channels, 1);
        EXPECT_EQ(w.bitsPerSample, 16);
        EXPECT_EQ(w.sampleRate, 22050);
        EXPECT_GE(w.durationMs(), e.minMs);
        EXPECT_LE(w.durationMs(), e.maxMs);
    }
}

TEST(GeneratedSounds, RingStartsWithToneAndEndsInSilence) {
    const GameFolder game(QStringLiteral(ZORVICK_GAME_DIR));
    QFile f(game.resolve(QStringLiteral("Sounds/ringout.wav")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    ASSERT_GT(bytes.size(), 44 + 22050 * 2);
    const auto* samples = reinterpret_cast<const qint16*>(bytes.constData() + 44);
    const qsizetype count = (bytes.size() - 44) / 2;
    int loudFirst = 0, loudLast = 0;
    for (qsizetype i = 0; i < 11025; ++i) // the first half second carries the tone
        loudFirst = qMax(loudFirst, qAbs(int(samples[i])));
    for (qsizetype i = count - 11025; i < count; ++i) // the last half second is the pause
        loudLast = qMax(loudLast, qAbs(int(samples[i])));
    EXPECT_GT(loudFirst, 8000);
    EXPECT_EQ(loudLast, 0);
}

// The build must give the same sounds every time, byte for byte.
TEST(GeneratedSounds, SynthesiserIsReproducible) {
    QTemporaryDir out;
    ASSERT_EQ(QProcess::execute(QStringLiteral(ZORVICK_SYNTH_SOUNDS), {out.path()}), 0);
    const GameFolder game(QStringLiteral(ZORVICK_GAME_DIR));
    for (const char* name : {"theme.wav", "ringout.wav", "busy.wav"}) {
        SCOPED_TRACE(name);
        QFile fresh(out.filePath(QString::fromLatin1(name)));
        QFile built(game.resolve(QStringLiteral("sounds/") + QString::fromLatin1(name)));
        ASSERT_TRUE(fresh.open(QIODevice::ReadOnly));
        ASSERT_TRUE(built.open(QIODevice::ReadOnly));
        EXPECT_TRUE(fresh.readAll() == built.readAll());
    }
}

} // namespace
