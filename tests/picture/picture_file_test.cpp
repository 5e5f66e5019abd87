#include "picture_file.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <string>

#include <QImage>
#include <gtest/gtest.h>

namespace mogran {
namespace {

// Pictures are read by bare name from the working directory; Qt writes the bitmaps.
TEST(LoadPictureFile, ExtensionRuleAndFileOpenMessage) {
    std::filesystem::current_path(::testing::TempDir());
    std::filesystem::create_directory("dir.bmp");
    QImage picture(3, 2, QImage::Format_RGB32);
    for (int i = 0; i < 6; ++i)
        picture.setPixel(i % 3, i / 3, 0xFF000000u | (0x2A1F13u * (i + 1)));
    for (const char* name : {"x.GIF", "noext", "a.bm:p", "d.e\\f", "pic.ico", "m.bmp"})
        ASSERT_TRUE(picture.save(name, "BMP")) << name;
    std::ofstream("empty.bmp");

    const std::pair<std::string, std::string> cases[] = {
        {"x.GIF", "拡張子 .GIF の画像形式は処理できません"},
        {"noext", "拡張子 . の画像形式は処理できません"},
        {"a.bm:p", "拡張子 . の画像形式は処理できません"},
        {"d.e\\f", "拡張子 . の画像形式は処理できません"},
        {"x.:bmp", "拡張子 . の画像形式は処理できません"},
        {"y.bmp\\", "拡張子 . の画像形式は処理できません"},
        {"c:\\d\\:.GIF", "拡張子 .GIF の画像形式は処理できません"},
        {"a.b:c\\.bmp", "ﾌｧｲﾙ a.b:c\\.bmp は開けません"},
        {"missing.BmP", "ﾌｧｲﾙ missing.BmP は開けません"},
        {"missing.wmf", "ﾌｧｲﾙ missing.wmf は開けません"},
        {"dir.bmp", "ﾌｧｲﾙ dir.bmp は開けません"},
        {"pic.ico", "ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です"},
    };
    for (const auto& [name, message] : cases) {
        try {
            LoadPictureFile(name);
            ADD_FAILURE() << name << " loads";
        } catch (const std::exception& e) {
            EXPECT_EQ(e.what(), message) << name;
        }
    }
    EXPECT_EQ(LoadPictureFile("m.bmp"), picture);
    EXPECT_TRUE(LoadPictureFile("empty.bmp").isNull());
}

}  // namespace
}  // namespace mogran
