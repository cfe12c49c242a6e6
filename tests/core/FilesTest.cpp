#include "platform/GameFolder.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFile>
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

TEST(TextFile, DecodesWindows1251UnlessMarkedUtf8) {
    const QString text = "Ситуация в Стране";
    EXPECT_EQ(TextFile::decode(TextFile::encode1251(text)), text);
    EXPECT_EQ(TextFile::decode("\xEF\xBB\xBF" + text.toUtf8()), text);
    // UTF-8 without the mark is taken as Windows-1251, as Windows would.
    EXPECT_NE(TextFile::decode(text.toUtf8()), text);
    bool ok = true;
    EXPECT_TRUE(TextFile::read("/nonexistent/file.txt", &ok).isEmpty());
    EXPECT_FALSE(ok);
}
