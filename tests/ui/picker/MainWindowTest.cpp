#include "../ProgramFixture.h"

#include "core/persistence/ColorListFiles.h"
#include "core/persistence/FileStore.h"
#include "ui/controls/CentredText.h"
#include "ui/controls/DockSplitter.h"
#include "ui/controls/SpeedButton.h"
#include "ui/windows/WebBanner.h"

#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSlider>
#include <QTemporaryDir>

#include <stdexcept>
#include <tuple>

namespace {

class MainWindowTest : public ProgramFixture, public testing::Test {
protected:
    SpeedButton* Button(const char* name) const { return Find<SpeedButton>(name); }
};

TEST_F(MainWindowTest, TitleCaptionAndPlacement) {
    EXPECT_EQ(QApplication::applicationName(), "Tintra");
    EXPECT_EQ(window.objectName(), "TFrmScreenColor");
    EXPECT_EQ(window.windowTitle(), "Tintra1.6");
    EXPECT_EQ(window.geometry(), QRect(20, 10, 498, 600));
}

TEST_F(MainWindowTest, RegionsSitWhereTheWindowDefinitionPutsThem) {
    const struct {
        const char* Name;
        QRect Geometry; // relative to the parent
    } cases[] = {
        {"PnlTop", {0, 0, 498, 12}},
        {"ImgLeft", {0, 12, 7, 577}},
        {"ImgRight", {485, 12, 13, 577}},
        {"Panel12", {0, 589, 498, 11}},
        {"PnlBottom", {7, 553, 478, 36}},
        {"SbCenter", {7, 12, 478, 541}},
        {"SbAvert", {0, 0, 478, 60}},
        {"ScrollBox1", {0, 60, 109, 481}},
        {"SbMain", {109, 60, 369, 481}},
        {"PnlTopPan", {0, 280, 369, 201}},
        {"Splitter1", {0, 274, 369, 6}},
        {"Panel2", {0, 0, 369, 274}},
        {"Panel4", {0, 240, 369, 34}},
        {"PnlFavColor", {189, 0, 180, 240}},
        {"Panel5", {0, 0, 189, 240}},
        {"ImgColorList", {0, 0, 189, 20}},
        {"ImgColorFavList", {0, 0, 180, 22}},
        {"LblCurVal", {101, 4, 340, 23}},
        {"ImgZoomBG", {0, 0, 367, 25}},
        {"ImgZoom", {0, 25, 367, 174}},
        {"SbR", {50, 38, 185, 20}},
        {"SbG", {50, 66, 185, 20}},
        {"SbB", {50, 101, 185, 20}},
        {"LblR", {250, 41, 24, 15}},
        {"LblG", {250, 69, 24, 15}},
        {"LblB", {41, 86, 24, 15}},
        {"ImgCopy", {174, 10, 51, 25}},
        {"BtnZoomout", {81, 3, 19, 18}},
        {"BtnZoomIn", {101, 3, 19, 17}},
        {"LblZoomBei", {154, 5, 16, 15}},
        {"LbCurColor", {9, 121, 60, 15}},
        {"BtnColorPre", {6, 1, 86, 22}},
        {"CbColorValType", {5, 25, 90, 23}},
        {"LbPasteType", {4, 48, 92, 31}},
        {"BtnStartGetColor", {2, 79, 102, 26}},
        {"BtnCopyColor", {2, 106, 102, 26}},
        {"BtnAddColorFav", {2, 133, 102, 26}},
        {"BtnOtherFun", {2, 162, 102, 26}},
        {"BtnSCHelpDoc", {2, 190, 102, 26}},
        {"BtnSCExit", {2, 219, 102, 26}},
        {"BtnAlwaysOnTop", {2, 246, 102, 26}},
    };
    for (const auto& c : cases) {
        if (QWidget* control = Find(c.Name)) {
            EXPECT_EQ(control->geometry(), c.Geometry) << c.Name;
        }
    }
    EXPECT_FALSE(Find("ImgCopy")->isVisible());
    EXPECT_FALSE(Find("GroupBox1")->isVisible());
}

TEST_F(MainWindowTest, TheButtonColumnsHintsTextsAndPictures) {
    const struct {
        const char* Name;
        const char* Hint;
    } hints[] = {
        {"BtnColorPre", "带颜色前缀"},
        {"CbColorValType", "取色的格式"},
        {"LbPasteType", "自动把颜色数值或颜色样图放入剪贴板"},
        {"BtnStartGetColor", ""},
        {"BtnCopyColor", "复制颜色"},
        {"BtnAddColorFav", "加颜色到收藏夹"},
        {"BtnSCExit", ""},
    };
    for (const auto& c : hints)
        EXPECT_EQ(Find(c.Name)->toolTip(), QString::fromUtf8(c.Hint)) << c.Name;
    auto* pasteTypes = Find<QListWidget>("LbPasteType");
    ASSERT_EQ(pasteTypes->count(), 2);
    EXPECT_EQ(pasteTypes->item(0)->text(), "剪贴颜色数值");
    EXPECT_EQ(pasteTypes->item(1)->text(), "剪贴颜色样图");
    EXPECT_EQ(pasteTypes->currentRow(), 0);
    auto* value = Find<QLineEdit>("LblCurVal");
    EXPECT_TRUE(value->isReadOnly());
    EXPECT_EQ(value->text(), "_____");
    EXPECT_EQ(value->font().pixelSize(), 20);
    EXPECT_EQ(Find<QComboBox>("CbColorValType")->currentIndex(), 0);
    for (const char* name : {"BtnCopyColor", "BtnAddColorFav", "BtnOtherFun", "BtnSCHelpDoc", "BtnSCExit"})
        EXPECT_EQ(Button(name)->Glyph().size(), QSize(103, 25)) << name;
    EXPECT_TRUE(Button("BtnStartGetColor")->Glyph().isNull()); // its first picture comes with the first pick
    EXPECT_EQ(Button("BtnColorPre")->GlyphName(), "ccolorpre");
    EXPECT_EQ(Button("BtnAlwaysOnTop")->GlyphName(), "cAlwaysOnTop"); // a first start is always on top
    EXPECT_TRUE(platform.WindowsFake.Topmost.at(&window));
}

// Where the desktop greys out the choice of a list that lacks the focus (as Windows does), the chosen
// paste type still shows as chosen.
TEST_F(MainWindowTest, TheChosenPasteTypeShowsWithoutTheFocus) {
    auto* pasteTypes = Find<QListWidget>("LbPasteType");
    QPalette greyed = pasteTypes->palette();
    greyed.setColor(QPalette::Active, QPalette::Highlight, QColor(0x00, 0x78, 0xD7));
    greyed.setColor(QPalette::Inactive, QPalette::Highlight, QColor(0xF2, 0xF2, 0xF2));
    pasteTypes->setPalette(greyed);
    QWidget elsewhere;
    elsewhere.show();
    QApplication::setActiveWindow(&elsewhere);
    const QImage drawn = pasteTypes->grab().toImage();
    const QRect chosen = pasteTypes->visualItemRect(pasteTypes->item(0));
    EXPECT_EQ(drawn.pixelColor(chosen.right() - 2, chosen.center().y()), QColor(0x00, 0x78, 0xD7));
}

TEST_F(MainWindowTest, MenusTimersAndTheZoomStore) {
    auto captions = [this](const char* menu) {
        QStringList texts;
        for (QAction* action : Find<QMenu>(menu)->actions())
            texts << action->objectName() + ' ' + action->text();
        return texts;
    };
    EXPECT_EQ(captions("pmColorList"), QStringList{"N4 删除所有颜色"});
    EXPECT_EQ(captions("PmFav"), (QStringList{"N2 删除收藏的颜色", "N3 删除所有收藏颜色"}));
    EXPECT_EQ(captions("MnOtherFunButton"),
              (QStringList{"N5 删除所有颜色", "N6 打开颜色", "N7 清除收藏", "N8 颜色另存为", "N9 随机取色",
                           "N10 关于", "MnCopyContrast 复制对比度", "MnSampleArea 取色范围",
                           "MnGlobalHotkey 全局热键 Ctrl+Alt+Shift+C"}));
    EXPECT_EQ(captions("PmHelp"), (QStringList{"MnDemo 使用实例", "N1 帮助文档", "MnAboutUs 关于"}));

    const struct {
        Timer& Which;
        int Interval;
        bool Enabled;
    } timers[] = {{picker.Picking.TimerGetColor, 1000, true},
                  {picker.Picking.TimerShowZoom, 25, false},
                  {window.Banner().TimerFirstRun, 1000, true},
                  {window.Banner().TimerCheckTopBrowser, 1000, false}};
    for (const auto& t : timers) {
        EXPECT_EQ(t.Which.Interval(), t.Interval);
        EXPECT_EQ(t.Which.Enabled(), t.Enabled);
    }
    EXPECT_EQ(Find<QGroupBox>("GroupBox1")->title(), "放大倍数");
    EXPECT_EQ(Find<QSlider>("Slider")->value(), 1);
    EXPECT_EQ(Find<QLabel>("LblZoomBei")->text(), "2");
    EXPECT_TRUE(Find<QLabel>("LblZoomBei")->font().bold());
}

TEST_F(MainWindowTest, TheOtherFunctionsMenuOpensBesideItsButton) {
    EXPECT_EQ(window.OtherFunMenuPoint(), QPoint(124, 292));
    Button("BtnOtherFun")->click();
    auto* menu = Find<QMenu>("MnOtherFunButton");
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->pos(), QPoint(124, 292));
    menu->close();
}

TEST_F(MainWindowTest, AResizeKeepsTheLinkLabel200PixelsFromTheRight) {
    window.show();
    window.move(20, 10);
    window.resize(400, 600);
    window.resize(498, 600);
    EXPECT_EQ(Find("LblQuilloURL")->x(), 318);
    window.move(100, 10);
    window.resize(600, 600);
    EXPECT_EQ(Find("LblQuilloURL")->x(), 500);
}

TEST_F(MainWindowTest, TheSplitterResizesTheToolPanel) {
    window.show();
    QWidget* splitter = Find("Splitter1");
    const QPoint start = splitter->rect().center();
    auto mouse = [&](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, splitter->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(splitter, &event);
    };
    mouse(QEvent::MouseButtonPress, start, Qt::LeftButton);
    mouse(QEvent::MouseMove, start - QPoint(0, 40), Qt::LeftButton);
    Find("SbMain")->layout()->activate();
    EXPECT_EQ(Find("PnlTopPan")->height(), 241);
    mouse(QEvent::MouseMove, start + QPoint(0, 1000), Qt::LeftButton);
    Find("SbMain")->layout()->activate();
    EXPECT_EQ(Find("PnlTopPan")->height(), DockSplitter::MinSize);
}

// Each toggle shows its state by its picture: the pick button and the panels, always-on-top and the
// window's band, the prefix.
TEST_F(MainWindowTest, TogglesShowTheirState) {
    window.show();
    StartPicking();
    EXPECT_EQ(Button("BtnStartGetColor")->GlyphName(), "cStartGetColor");
    EXPECT_TRUE(Find("PnlZoom")->isVisible());
    EXPECT_FALSE(Find("PnlColorPlatte")->isVisible());
    Button("BtnStartGetColor")->click();
    EXPECT_EQ(Button("BtnStartGetColor")->GlyphName(), "ncStartGetColor");
    EXPECT_TRUE(Find("PnlColorPlatte")->isVisible());
    EXPECT_FALSE(Find("PnlZoom")->isVisible());

    const QImage onPicture = Button("BtnAlwaysOnTop")->Glyph();
    Button("BtnAlwaysOnTop")->click();
    EXPECT_EQ(Button("BtnAlwaysOnTop")->GlyphName(), "ncAlwaysOnTop");
    EXPECT_FALSE(platform.WindowsFake.Topmost.at(&window));
    Button("BtnAlwaysOnTop")->click();
    EXPECT_EQ(Button("BtnAlwaysOnTop")->Glyph(), onPicture);
    EXPECT_TRUE(platform.WindowsFake.Topmost.at(&window));

    Button("BtnColorPre")->click();
    EXPECT_EQ(picker.Current.PrefixTag(), 1);
    EXPECT_EQ(Button("BtnColorPre")->GlyphName(), "nccolorpre"); // the empty box goes with 1 here
}

TEST_F(MainWindowTest, TheValueFieldIsPaintedInTheCurrentColor) {
    for (auto [value, background, text] : {std::tuple{33023, QColor(255, 128, 0), QColor(Qt::white)},
                                           {15785160, QColor(200, 220, 240), QColor(Qt::black)}}) {
        picker.Current.ShowAsCurrentColor(value);
        auto* field = Find<QLineEdit>("LblCurVal");
        EXPECT_EQ(field->palette().color(QPalette::Base), background);
        EXPECT_EQ(field->palette().color(QPalette::Text), text);
        const QImage shown = field->grab().toImage();
        EXPECT_EQ(QColor(shown.pixel(shown.width() - 2, shown.height() / 2)), background);
    }
}

TEST_F(MainWindowTest, TypingInTheFormatBoxSelectsTheFormatItNamesOrNone) {
    picker.Current.ShowAsCurrentColor(33023);
    auto* formats = Find<QComboBox>("CbColorValType");
    const struct {
        const char* Typed;
        int Format;
        const char* Shown;
    } cases[] = {{"hsv/hsb", 5, "30.12,100.00,100.00"}, {"RGB ", 1, "255,128,0"}, {"RGB", -1, "#FF8000"}};
    for (const auto& c : cases) {
        formats->lineEdit()->setText(c.Typed);
        emit formats->lineEdit()->textEdited(c.Typed);
        EXPECT_EQ(picker.Current.Format(), c.Format) << c.Typed;
        EXPECT_EQ(formats->currentText(), c.Typed);
        EXPECT_EQ(Find<QLineEdit>("LblCurVal")->text(), c.Shown) << c.Typed;
        EXPECT_EQ(platform.ClipboardFake.LastText(), c.Shown);
    }
}

// The value field's hint weighs the current colour against the focused favourite by WCAG 2.x; the menu
// copies the ratio. A favourite in a style sheet format keeps its text and comes back as its colour.
TEST_F(MainWindowTest, TheValueFieldsHintGivesTheContrastWithTheFocusedFavourite) {
    auto* field = Find<QLineEdit>("LblCurVal");
    const QString none = "没有收藏颜色，无从比较对比度";
    EXPECT_EQ(field->toolTip(), none);

    picker.Current.SetFormat(FormatOklch);
    picker.Current.ShowAsCurrentColor(16777215);
    picker.BtnAddColorFavClick();
    picker.Current.ShowAsCurrentColor(PackRgb(0x77, 0x77, 0x77));
    const QString grey =
        "与收藏颜色 #FFFFFF 的对比度 4.48:1\nAA：普通文字未通过，大字通过\nAAA：普通文字未通过，大字未通过";
    EXPECT_EQ(field->toolTip(), grey);
    EXPECT_EQ(field->accessibleDescription(), grey);
    Action("MnCopyContrast")->trigger();
    EXPECT_EQ(platform.ClipboardFake.LastText(), "4.48:1");
    EXPECT_EQ(picker.Hint(), "已复制与收藏颜色 #FFFFFF 的对比度 4.48:1");

    picker.LbFavColorClick(0);
    EXPECT_EQ(Texts(picker.Favourites.Rows()), QStringList{"oklch(100% 0 0)"});
    EXPECT_EQ(field->text(), "oklch(100% 0 0)");
    EXPECT_TRUE(field->toolTip().startsWith("与收藏颜色 #FFFFFF 的对比度 1:1\n"));
    picker.ClearFavourites();
    EXPECT_EQ(field->toolTip(), none);
}

TEST_F(MainWindowTest, TheAdjustersKeysMoveTheBarAsOnAnyDesktopScrollBar) {
    StartPicking();
    Button("BtnStartGetColor")->click(); // picking off: the palette shows
    auto* blue = Find<QScrollBar>("SbB");
    blue->setValue(100);
    for (auto [key, value] : {std::pair{Qt::Key_Right, 101},
                              {Qt::Key_Down, 102},
                              {Qt::Key_Left, 101},
                              {Qt::Key_Up, 100},
                              {Qt::Key_End, 255},
                              {Qt::Key_Home, 0}}) {
        Press(blue, key);
        EXPECT_EQ(blue->value(), value) << QKeySequence(key).toString().toStdString();
        EXPECT_EQ(picker.Adjuster.Position(ColorAdjuster::Blue), value);
    }
    EXPECT_EQ(Find<QLabel>("LblB")->text(), "0");
    EXPECT_EQ(platform.ClipboardFake.LastText(), "#000000");
}

TEST_F(MainWindowTest, ColorListFilesAreChosenInTheDialogsAndFailuresAreSaid) {
    QTemporaryDir folder;
    picker.History.InsertTop("#FF0000", "255");
    platform.DialogsFake.SaveAnswer = folder.filePath("list.colors");
    Action("N8")->trigger();
    EXPECT_TRUE(
        platform.DialogsFake.LastFilter.startsWith("颜色列表文件(*.colors)|*.colors|")); // offered first
    platform.DialogsFake.OpenAnswer.reset(); // cancelled: nothing changes
    Action("N6")->trigger();
    picker.History.Clear();
    platform.DialogsFake.OpenAnswer = folder.filePath("list.colors");
    Action("N6")->trigger();
    EXPECT_EQ(Rows(), QStringList{"#FF0000"});

    platform.DialogsFake.SaveAnswer = "/proc/tintra.colors";
    Action("N8")->trigger();
    EXPECT_FALSE(QFile::exists("/proc/tintra.colors"));
    EXPECT_TRUE(Find<CentredText>("LblHnit")->Text().startsWith("无法保存/proc/tintra.colors"));
}

TEST_F(MainWindowTest, TheChosenFilterSaysWhichKindOfFileIsWrittenOrRead) {
    QTemporaryDir folder;
    picker.History.InsertTop("#FF0000", "255");
    platform.DialogsFake.FilterAnswer = 1;
    platform.DialogsFake.SaveAnswer = folder.filePath("palette");
    Action("N8")->trigger();
    EXPECT_EQ(platform.DialogsFake.LastFilter, SaveListFilter());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
              QStringList{"palette.gpl"}); // as palettes are sought
    picker.History.Clear();
    platform.DialogsFake.OpenAnswer = folder.filePath("palette.gpl");
    Action("N6")->trigger();
    EXPECT_EQ(platform.DialogsFake.LastFilter, OpenListFilter());
    EXPECT_EQ(Rows(), QStringList{"#FF0000"});
    EXPECT_EQ(picker.History.FillColor(0), 255);

    QFile broken(folder.filePath("broken.gpl"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("GIMP Palette\n1 2\n");
    broken.close();
    platform.DialogsFake.OpenAnswer = broken.fileName();
    Action("N6")->trigger();
    EXPECT_EQ(Rows(), QStringList{"#FF0000"});
    // Said in one language, of the list that stays; gone once a later open succeeds.
    EXPECT_EQ(Find<CentredText>("LblHnit")->Text(),
              "无法打开" + broken.fileName() +
                  "（第2行：颜色应是三个0到255的数，后接名称），颜色列表保持原样");
    platform.DialogsFake.OpenAnswer = folder.filePath("palette.gpl");
    Action("N6")->trigger();
    EXPECT_EQ(Find<CentredText>("LblHnit")->Text(), "");
}

TEST(Program, TheStoredPlaceIsNotUsedAndAnotherCopyLeavesTheFilesAlone) {
    FakePlatform platform;
    const QString folder = platform.FoldersFake.ProgramFolder();
    QFile settings(folder + "default");
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("[default]\r\nleft=700\r\ntop=500\r\n");
    settings.close();
    {
        Program program(platform);
        EXPECT_EQ(program.Window().pos(), QPoint(20, 10));
    }
    const QByteArray saved = ReadFileIfExists(folder + "default").value_or("");
    EXPECT_TRUE(saved.contains("left=20"));

    platform.CopiesFake.HeldElsewhere = true;
    {
        Program second(platform);
        EXPECT_TRUE(second.AnotherCopyRuns());
        EXPECT_TRUE(second.End().isEmpty());
    }
    EXPECT_EQ(ReadFileIfExists(folder + "default"), saved);
}

// Off until chosen; then a press, in whatever window, takes the colour under the pointer as a pick
// does and copies it in the chosen format as the copy button does, picking left as it was. A
// combination the desktop will not give is said; a desktop that gives none greys the item.
TEST_F(MainWindowTest, TheGlobalHotkeyTakesAndCopiesTheColorUnderThePointer) {
    QAction* item = Action("MnGlobalHotkey");
    EXPECT_TRUE(item->isEnabled());
    EXPECT_FALSE(item->isChecked());
    EXPECT_EQ(platform.HotkeyFake.Held, "");
    item->trigger();
    EXPECT_TRUE(item->isChecked());
    EXPECT_EQ(platform.HotkeyFake.Held, "Ctrl+Alt+Shift+C");

    StartPicking();
    picker.Picking.SwitchPickingOff();
    picker.CbColorValTypeChange(1); // "RGB "
    const size_t copies = platform.ClipboardFake.Writes.size();
    for (int press = 0; press < 2; ++press)
        platform.HotkeyFake.Press();
    // The pixel at (1500, 900): red 1500 & 255, green 900 & 255, blue 5 << 4 | 3.
    EXPECT_EQ(platform.ClipboardFake.Writes.size(), copies + 2);
    EXPECT_EQ(platform.ClipboardFake.LastText(), "220,132,83");
    EXPECT_EQ(Rows(), QStringList{"220,132,83"});
    EXPECT_FALSE(picker.Picking.PickingOn());

    platform.HotkeyFake.Refuse("全局热键 Ctrl+Alt+Shift+C 已被其他程序占用");
    EXPECT_EQ(item->text(), "全局热键 Ctrl+Alt+Shift+C 已被其他程序占用");
    EXPECT_EQ(Find<CentredText>("LblHnit")->Text(), "全局热键 Ctrl+Alt+Shift+C 已被其他程序占用");
    item->trigger();
    EXPECT_EQ(item->text(), "全局热键 Ctrl+Alt+Shift+C");
    EXPECT_EQ(platform.HotkeyFake.Held, "");

    FakePlatform bare;
    bare.HotkeyFake.Offer = false;
    Program elsewhere(bare);
    QAction* none = elsewhere.Window().findChild<QAction*>("MnGlobalHotkey");
    EXPECT_FALSE(none->isEnabled());
    EXPECT_EQ(none->text(), "全局热键（此桌面不提供全局热键）");
}

// A control whose handler fails.
class Failing : public QObject {
public:
    bool event(QEvent*) override { throw std::runtime_error("a handler failed"); }
};

TEST_F(MainWindowTest, AFailingHandlerShowsNoDialogAndTheProgramGoesOn) {
    window.show();
    Failing failing;
    QEvent event(QEvent::User);
    EXPECT_FALSE(QApplication::sendEvent(&failing, &event));
    QApplication::processEvents();
    for (QWidget* widget : QApplication::topLevelWidgets())
        EXPECT_FALSE(widget->isVisible() && qobject_cast<QDialog*>(widget))
            << widget->metaObject()->className();
    Button("BtnAlwaysOnTop")->click(); // still answering
    EXPECT_FALSE(picker.AlwaysOnTop());
}

TEST(TintraApplication, QtsOwnDialogsSpeakChinese) {
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), "查找范围：");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "取消");
}

} // namespace
