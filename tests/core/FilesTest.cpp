#include "core/platform/GameFolder.h"
#include "core/platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
void touch(const QString& path) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
}
} // namespace

TEST(GameFolder, ResolvesComponentsCaseInsensitivelyWithEitherSlash) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("sounds"));
    ASSERT_TRUE(QDir(dir.path()).mkpath("images"));
    touch(dir.filePath("sounds/busy.wav"));
    touch(dir.filePath("images/stor.bmp"));
    const GameFolder folder(dir.path());
    EXPECT_EQ(folder.resolve("Sounds/busy.wav"), dir.filePath("sounds/busy.wav"));
    EXPECT_EQ(folder.resolve("SOUNDS\\BUSY.WAV"), dir.filePath("sounds/busy.wav"));
    EXPECT_EQ(folder.resolve("images\\stor.bmp"), dir.filePath("images/stor.bmp"));
    EXPECT_TRUE(folder.exists("Images/Stor.BMP"));
    EXPECT_FALSE(folder.exists("images/none.bmp"));
    // A missing file still gives a path under the folder, to name it in errors.
    EXPECT_EQ(folder.resolve("images\\none.bmp"), dir.filePath("images/none.bmp"));
}

TEST(GameFolder, ListsMatchingFilesSortedByName) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("Scenarios"));
    for (const char* name : {"b.scn", "A.SCN", "c.txt", "a2.scn"})
        touch(dir.filePath(QString("Scenarios/") + name));
    const GameFolder folder(dir.path());
    const QStringList files = folder.list("scenarios", "*.scn");
    ASSERT_EQ(files.size(), 3);
    EXPECT_TRUE(files[0].endsWith("A.SCN"));
    EXPECT_TRUE(files[1].endsWith("a2.scn"));
    EXPECT_TRUE(files[2].endsWith("b.scn"));
    EXPECT_TRUE(folder.list("missing", "*.scn").isEmpty());
}

TEST(TextFile, AMarkDecidesThenValidUtf8ThenWindows1251) {
    const QString text = "Ситуация в Стране: ёЁ";
    EXPECT_EQ(TextFile::decode(TextFile::encode1251(text)), text);
    EXPECT_EQ(TextFile::decode("\xEF\xBB\xBF" + text.toUtf8()), text);
    QStringEncoder utf16(QStringEncoder::Utf16LE);
    EXPECT_EQ(TextFile::decode("\xFF\xFE" + QByteArray(utf16(text))), text);
    // UTF-8 without the mark, as a Linux editor saves it.
    EXPECT_EQ(TextFile::decode(text.toUtf8()), text);
    // Russian words in Windows-1251 are not valid UTF-8, and one byte that is not
    // UTF-8 makes the whole file Windows-1251.
    for (const char* word : {"Ошибка", "ЁЖИК ёжик", "Я"})
        EXPECT_EQ(TextFile::decode(TextFile::encode1251(word)), QString::fromUtf8(word));
    const QByteArray mixed = text.toUtf8() + TextFile::encode1251("ж");
    QStringDecoder cp1251("Windows-1251");
    EXPECT_EQ(TextFile::decode(mixed), QString(cp1251(mixed)));
    bool ok = true;
    EXPECT_TRUE(TextFile::read("/nonexistent/file.txt", &ok).isEmpty());
    EXPECT_FALSE(ok);
}
