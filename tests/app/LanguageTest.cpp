#include "../ui/Speaking.h"

#include "app/Program.h"
#include "platform/fake/FakePlatform.h"
#include "ui/controls/CentredText.h"
#include "ui/picker/MainWindow.h"
#include "ui/resources/SkinPictures.h"
#include "ui/windows/HelpWindow.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QLocale>

#include <gtest/gtest.h>

namespace {

QByteArray SourceFile(const QString& path) {
    QFile file(QStringLiteral(TINTRA_SOURCE_DIR "/") + path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What a person sees of the main window, its menus and its messages, in the language the desktop asks
// for: English where English comes before any Chinese, today's Chinese where Chinese or the C locale does
// or no language the program knows.
TEST(Language, TheWindowsSpeakTheFirstDesktopLanguageWithATranslation) {
    const struct {
        QStringList Languages;
        const char* Chosen;
        const char* Label;
        const char* MenuItem;
        const char* CopyHint;
        const char* PasteType;
        const char* Copied;
        const char* HelpHeading;
        const char* Button;
    } cases[] = {
        {{"en-US", "en"},
         "en",
         "Current colour",
         "Delete all colours",
         "Copy colour",
         "Copy value",
         "The colour value (#FFFFFF) is on the clipboard: in any text editor, right-click and choose Paste",
         "<h1>Tintra screen colour picker</h1>",
         "resources/pictures/en/BTNCOPYCOLOR.BMP"},
        {{"de-DE", "de", "en-GB"},
         "en",
         "Current colour",
         "Delete all colours",
         "Copy colour",
         "Copy value",
         "The colour value (#FFFFFF) is on the clipboard: in any text editor, right-click and choose Paste",
         "<h1>Tintra screen colour picker</h1>",
         "resources/pictures/en/BTNCOPYCOLOR.BMP"},
        {{"C"},
         "",
         "当前颜色",
         "删除所有颜色",
         "复制颜色",
         "剪贴颜色数值",
         "颜色值(#FFFFFF)已放入剪贴板，打开任何文本编辑工具，鼠标右键后，可选择粘贴颜色数值",
         "<h1>Tintra 屏幕取色器</h1>",
         "resources/pictures/BTNCOPYCOLOR.BMP"},
        {{"zh-Hant-TW", "en-US"},
         "",
         "当前颜色",
         "删除所有颜色",
         "复制颜色",
         "剪贴颜色数值",
         "颜色值(#FFFFFF)已放入剪贴板，打开任何文本编辑工具，鼠标右键后，可选择粘贴颜色数值",
         "<h1>Tintra 屏幕取色器</h1>",
         "resources/pictures/BTNCOPYCOLOR.BMP"},
        {{"fr-FR", "fr"},
         "",
         "当前颜色",
         "删除所有颜色",
         "复制颜色",
         "剪贴颜色数值",
         "颜色值(#FFFFFF)已放入剪贴板，打开任何文本编辑工具，鼠标右键后，可选择粘贴颜色数值",
         "<h1>Tintra 屏幕取色器</h1>",
         "resources/pictures/BTNCOPYCOLOR.BMP"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Languages.join(u':').toStdString());
        const Speaking speaking(c.Languages);
        EXPECT_EQ(speaking.chosen.toStdString(), c.Chosen);
        FakePlatform platform;
        Program program(platform);
        MainWindow& window = program.Window();
        EXPECT_EQ(window.windowTitle(), "Tintra1.6"); // a name, never translated
        EXPECT_EQ(window.findChild<QLabel*>("LbCurColor")->text().toStdString(), c.Label);
        EXPECT_EQ(window.findChild<QAction*>("N5")->text().toStdString(), c.MenuItem);
        EXPECT_EQ(window.findChild<QWidget*>("BtnCopyColor")->toolTip().toStdString(), c.CopyHint);
        EXPECT_EQ(window.findChild<QListWidget*>("LbPasteType")->item(0)->text().toStdString(), c.PasteType);
        // A message, with a colour value that stays as it is in every language.
        program.Picker().Current.ShowAsCurrentColor(0xFFFFFF);
        program.Picker().BtnCopyColorClick();
        EXPECT_EQ(window.findChild<CentredText*>("LblHnit")->Text().toStdString(), c.Copied);
        EXPECT_EQ(platform.ClipboardFake.LastText(), "#FFFFFF");
        EXPECT_TRUE(HelpWindow::BuiltInHelpPage().contains(QString::fromUtf8(c.HelpHeading)));
        const QByteArray picture = SourceFile(QString::fromUtf8(c.Button));
        ASSERT_FALSE(picture.isEmpty());
        EXPECT_EQ(FindPictureResource("BtnCopyColor", "bmp"), picture);
    }
}

// The language the desktop's settings name, as ctest sets them for the variants of this test
// (LANG=en_US.UTF-8, LC_ALL=C).
TEST(Language, FollowsTheDesktopsSettings) {
    if (!qEnvironmentVariableIsSet("TINTRA_EXPECTED_LANGUAGE"))
        GTEST_SKIP() << "run by ctest with the desktop's settings";
    const Speaking speaking(QLocale::system().uiLanguages());
    EXPECT_EQ(speaking.chosen, qEnvironmentVariable("TINTRA_EXPECTED_LANGUAGE"));
}

} // namespace
