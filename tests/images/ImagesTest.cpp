// Checks the pictures the game loads from its images folder, as painted at build time.

#include <QFile>
#include <QHash>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace {

struct Expected {
    const char* name;
    int width;
    int height;
};

// Names the failing picture in test output instead of raw bytes.
void PrintTo(const Expected& expected, std::ostream* os) {
    *os << expected.name;
}

// The names the windows load; kept apart from the painter's own list on purpose.
const std::vector<Expected> kPictures = {
    {"stor.bmp", 116, 116},      {"staff.bmp", 116, 116},     {"res.bmp", 116, 116},
    {"1lf.bmp", 116, 116},       {"2lf.bmp", 116, 116},       {"3lf.bmp", 116, 116},
    {"face0.bmp", 116, 116},     {"face1.bmp", 116, 116},     {"face2.bmp", 116, 116},
    {"face3.bmp", 116, 116},     {"title.bmp", 640, 480},     {"logo.bmp", 396, 76},
    {"idc.bmp", 16, 16},         {"btn_stat.bmp", 16, 16},    {"btn_trade.bmp", 16, 16},
    {"btn_upgrade.bmp", 16, 16}, {"btn_bank.bmp", 16, 16},    {"button0.bmp", 71, 21},
    {"button1.bmp", 71, 21},     {"mail_delete.bmp", 24, 24}, {"mail_read.bmp", 24, 24},
    {"mail_answer.bmp", 24, 24}, {"phone.bmp", 466, 337},     {"abonent0.bmp", 180, 180},
};

QString pathOf(const char* name) {
    return QStringLiteral(ZORVICK_IMAGES_DIR "/") + QString::fromLatin1(name);
}

QImage load(const char* name) {
    QImage image;
    image.load(pathOf(name), "BMP");
    return image;
}

class PictureTest : public ::testing::TestWithParam<Expected> {};

TEST_P(PictureTest, IsABitmapFileOnDisk) {
    QFile file(pathOf(GetParam().name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "missing " << GetParam().name;
    // The windows load these as BMP; another format under a .bmp name would not do.
    EXPECT_EQ(file.read(2), QByteArray("BM"));
}

TEST_P(PictureTest, LoadsAtItsSize) {
    const QImage image = load(GetParam().name);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), GetParam().width);
    EXPECT_EQ(image.height(), GetParam().height);
}

TEST_P(PictureTest, IsNotAFlatOrNearlyEmptyPicture) {
    const QImage image = load(GetParam().name);
    ASSERT_FALSE(image.isNull());
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ++counts[image.pixel(x, y)];
        }
    }
    int dominant = 0;
    for (int count : counts) {
        dominant = qMax(dominant, count);
    }
    const int area = image.width() * image.height();
    // Even the small glyphs draw on well over a tenth of their pixels.
    EXPECT_LT(dominant, area * 9 / 10) << GetParam().name;
    EXPECT_GE(counts.size(), area >= 116 * 116 ? 64 : 4) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(AllPictures, PictureTest, ::testing::ValuesIn(kPictures),
                         [](const ::testing::TestParamInfo<Expected>& info) {
                             QString name = QString::fromLatin1(info.param.name);
                             name.chop(4);
                             return "p_" + name.toStdString();
                         });

// Pictures of one kind must differ, or a player could not tell faces or levels apart.
void expectAllDifferent(const std::vector<const char*>& names) {
    for (size_t i = 0; i < names.size(); ++i) {
        for (size_t j = i + 1; j < names.size(); ++j) {
            const QImage a = load(names[i]);
            const QImage b = load(names[j]);
            ASSERT_FALSE(a.isNull());
            ASSERT_FALSE(b.isNull());
            EXPECT_NE(a, b) << names[i] << " equals " << names[j];
        }
    }
}

TEST(PictureSet, FacesDiffer) {
    expectAllDifferent({"face0.bmp", "face1.bmp", "face2.bmp", "face3.bmp"});
}

TEST(PictureSet, EnterpriseLevelsDiffer) {
    expectAllDifferent({"1lf.bmp", "2lf.bmp", "3lf.bmp"});
}

TEST(PictureSet, PanelsDiffer) {
    expectAllDifferent({"stor.bmp", "staff.bmp", "res.bmp"});
}

TEST(PictureSet, ButtonGlyphsDiffer) {
    expectAllDifferent(
        {"idc.bmp", "btn_stat.bmp", "btn_trade.bmp", "btn_upgrade.bmp", "btn_bank.bmp"});
}

TEST(PictureSet, MailboxGlyphsDiffer) {
    expectAllDifferent({"mail_delete.bmp", "mail_read.bmp", "mail_answer.bmp"});
}

TEST(PictureSet, RaisedAndPressedButtonsDiffer) {
    expectAllDifferent({"button0.bmp", "button1.bmp"});
}

} // namespace
