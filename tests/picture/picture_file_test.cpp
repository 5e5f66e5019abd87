#include "picture_file.h"

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app_error.h"
#include "bmp_samples.h"
#include "bmp_test_writer.h"
#include "picture_kind.h"

namespace mogran {
namespace {

using bmptest::BmpFile;
using bmptest::Write;

const std::string kInvalid = "ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です";
const std::string kRead = "ｽﾄﾘｰﾑからの読み込みｴﾗｰ";

void WriteFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << name;
}

std::vector<std::uint8_t> Cut(std::vector<std::uint8_t> bytes, std::size_t length) {
    bytes.resize(length);
    return bytes;
}

// Every test runs inside a fresh folder that is the current working directory, as the
// program reads its pictures by bare name.
class PictureFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        old_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(dir_.path()));
    }
    void TearDown() override { QDir::setCurrent(old_); }

    static std::string MessageOf(const std::string& name) {
        try {
            LoadPictureFile(name);
        } catch (const AppError& e) {
            return e.what();
        }
        return "(no error)";
    }

private:
    QTemporaryDir dir_;
    QString old_;
};

TEST(PictureExtension, TakesTheCharactersAfterTheLastDot) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"maru1.bmp", "bmp"},
        {"a.b.BMP", "BMP"},
        {".bmp", "bmp"},
        {"noext", ""},
        {"x.", ""},
        {"dir.d\\file", ""},
        {"a.bm:p", ""},
        {"C:\\pic\\x.bmp", "bmp"},
        {"dir.d/file", "d/file"},
    };
    for (const auto& [name, extension] : cases) {
        EXPECT_EQ(PictureExtension(name), extension) << name;
    }
}

TEST(PictureExtension, KnowsKindsWithoutRegardToCase) {
    const std::vector<std::pair<std::string, PictureKind>> cases = {
        {"bmp", PictureKind::Bitmap},   {"BmP", PictureKind::Bitmap},
        {"ico", PictureKind::Icon},     {"WMF", PictureKind::Metafile},
        {"emf", PictureKind::Metafile}, {"png", PictureKind::Unknown},
        {"", PictureKind::Unknown},     {"bmpx", PictureKind::Unknown},
    };
    for (const auto& [extension, kind] : cases) {
        EXPECT_EQ(KindOfExtension(extension), kind) << extension;
    }
}

TEST_F(PictureFileTest, BrokenFilesFailWithTheirMessage) {
    BmpFile base;
    base.bits = 8;
    base.clrUsed = 2;
    base.palette = {0x000000, 0xFFFFFF};
    base.width = 2;
    base.height = 2;
    base.pixels = bmptest::PackRows({{0, 1}, {1, 0}}, 8);
    const auto good = Write(base);  // 14 + 40 + 8 + 8 bytes

    auto wrongMagic = good;
    wrongMagic[0] = 'M';
    BmpFile noPlanes = base;
    noPlanes.planes = 0;
    const QString pngPath = QDir::current().filePath("png.bmp");
    ASSERT_TRUE(QImage(4, 4, QImage::Format_RGB32).save(pngPath, "PNG"));
    ASSERT_TRUE(QDir::current().mkdir("dir.bmp"));

    WriteFile("magic.bmp", wrongMagic);
    WriteFile("planes.bmp", Write(noPlanes));
    WriteFile("shortfile.bmp", Cut(good, 10));
    WriteFile("shortinfo.bmp", Cut(good, 30));
    WriteFile("shorttable.bmp", Cut(good, 58));
    WriteFile("shortpixels.bmp", Cut(good, 65));
    WriteFile("x.png", good);
    WriteFile("x.GIF", good);
    WriteFile("noext", good);
    WriteFile("pic.ico", good);

    const std::vector<std::pair<std::string, std::string>> cases = {
        {"missing.bmp", "ﾌｧｲﾙ missing.bmp は開けません"},
        {"dir.bmp", "ﾌｧｲﾙ dir.bmp は開けません"},
        {"missing.wmf", "ﾌｧｲﾙ missing.wmf は開けません"},
        {"magic.bmp", kInvalid},
        {"planes.bmp", kInvalid},
        {"png.bmp", kInvalid},
        {"pic.ico", kInvalid},
        {"shortfile.bmp", kRead},
        {"shortinfo.bmp", kRead},
        {"shorttable.bmp", kRead},
        {"shortpixels.bmp", kRead},
        {"x.png", "拡張子 .png の画像形式は処理できません"},
        {"x.GIF", "拡張子 .GIF の画像形式は処理できません"},
        {"noext", "拡張子 . の画像形式は処理できません"},
        {"missing.jpg", "拡張子 .jpg の画像形式は処理できません"},
    };
    for (const auto& [name, message] : cases) {
        EXPECT_EQ(MessageOf(name), message) << name;
    }
}

TEST_F(PictureFileTest, ZeroLengthFileIsANullImage) {
    WriteFile("empty.bmp", {});
    EXPECT_TRUE(LoadPictureFile("empty.bmp").isNull());
}

TEST_F(PictureFileTest, EveryEncodingLoadsItsPixels) {
    for (const auto& s : bmptest::EncodingSamples()) {
        SCOPED_TRACE(s.name);
        const std::string name = s.name + ".Bmp";
        WriteFile(name, Write(s.file));
        const QImage image = LoadPictureFile(name);
        ASSERT_EQ(image.width(), s.width);
        ASSERT_EQ(image.height(), s.height);
        EXPECT_FALSE(image.hasAlphaChannel());
        for (int y = 0; y < s.height; ++y) {
            for (int x = 0; x < s.width; ++x) {
                EXPECT_EQ(image.pixel(x, y), s.expected[y * s.width + x]) << x << "," << y;
            }
        }
    }
}

// Qt's own BMP reader, as an independent check on the everyday encodings.
TEST_F(PictureFileTest, AgreesWithAnotherReaderOnPlainEncodings) {
    int checked = 0;
    for (const auto& s : bmptest::EncodingSamples()) {
        if (!s.plain)
            continue;
        SCOPED_TRACE(s.name);
        const std::string name = s.name + ".bmp";
        WriteFile(name, Write(s.file));
        const QImage other = QImage(QString::fromStdString(name), "BMP");
        ASSERT_FALSE(other.isNull());
        EXPECT_EQ(LoadPictureFile(name), other.convertToFormat(QImage::Format_RGB32));
        ++checked;
    }
    EXPECT_GE(checked, 5);
}

TEST_F(PictureFileTest, ReadsTheFileAnewOnEveryCall) {
    BmpFile f;
    f.pixels = bmptest::PackRows({{0x123456}}, 24);
    WriteFile("mascot.bmp", Write(f));
    EXPECT_EQ(LoadPictureFile("mascot.bmp").pixel(0, 0), 0xFF123456u);
    f.pixels = bmptest::PackRows({{0xABCDEF}}, 24);
    WriteFile("mascot.bmp", Write(f));
    EXPECT_EQ(LoadPictureFile("mascot.bmp").pixel(0, 0), 0xFFABCDEFu);
}

}  // namespace
}  // namespace mogran

int main(int argc, char** argv) {
    // Test discovery runs this too, without the test's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
