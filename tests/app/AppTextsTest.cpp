#include <gtest/gtest.h>

#include "app/AppTexts.h"
#include "tests/support/ui/QtPrinters.h"

namespace {

TEST(AppTexts, DialogsCarryTheToolsWords) {
    const ui::DialogTexts texts = ApplicationDialogTexts();
    EXPECT_EQ(texts.messageCaption, "信息提示框");
    EXPECT_EQ(texts.errorCaption, "时程播放器使用工具");
    EXPECT_EQ(texts.folderTitle, "请选择文件夹：");
    EXPECT_EQ(texts.filesTitle, "选择音乐文件");
    EXPECT_EQ(texts.filesFilter, "音乐文件 (*.MP3 *.WMA *.WAV *.AAC *.OGG *.APE *.FLA)");
}

TEST(AppTexts, AboutBoxShowsNameAndVersion) {
    const ui::DialogTexts texts = ApplicationDialogTexts();
    EXPECT_EQ(texts.aboutCaption, "关于 Tavrel");
    EXPECT_TRUE(texts.aboutText.contains("时程播放器使用工具"));
    EXPECT_FALSE(ToolVersion().isEmpty());
    EXPECT_TRUE(texts.aboutText.contains(ToolVersion()));
}

}  // namespace
