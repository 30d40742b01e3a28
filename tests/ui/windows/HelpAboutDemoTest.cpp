#include "../ProgramFixture.h"

#include "core/windows/Messages.h"
#include "ui/controls/ImageControl.h"
#include "ui/controls/SpeedButton.h"
#include "ui/windows/AboutWindow.h"
#include "ui/windows/ExamplesWindow.h"
#include "ui/windows/HelpWindow.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace {

class HelpAboutDemoTest : public ProgramFixture, public testing::Test {
protected:
    HelpWindow* Help() { return Find<HelpWindow>("TFrmHelp"); }
    AboutWindow* About() { return Find<AboutWindow>("TFrmVersion"); }
    QWidget* Card() { return About()->findChild<QWidget*>("Image1"); }

    static void Click(QWidget* widget, Qt::MouseButton button) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(3, 3), QPointF(3, 3), button, button,
                          Qt::NoModifier);
        QApplication::sendEvent(widget, &press);
    }
};

TEST_F(HelpAboutDemoTest, HelpAndAboutBothCarryTheAboutCaption) {
    // Neither is made before it is first asked for.
    EXPECT_EQ(window.findChild<HelpWindow*>(), nullptr);
    EXPECT_EQ(window.findChild<AboutWindow*>(), nullptr);
    Find<SpeedButton>("BtnSCHelpDoc")->click();
    Action("MnAboutUs")->trigger();
    EXPECT_EQ(Help()->windowTitle(), "关于 Tintra");
    EXPECT_EQ(About()->windowTitle(), "关于 Tintra");
}

TEST_F(HelpAboutDemoTest, TheHelpPageIsRequestedAtEveryShowingAndCarriedInsideWhenItCannotBeHad) {
    EXPECT_TRUE(platform.ViewsFake.Made.isEmpty()); // no browser until the window shows
    Find<SpeedButton>("BtnSCHelpDoc")->click();
    ASSERT_EQ(platform.ViewsFake.Made.size(), 1);
    FakeWebView* view = platform.ViewsFake.Made[0];
    const QUrl helpPage(QString::fromStdString(HelpPageAddress));
    EXPECT_EQ(view->Navigated, QList<QUrl>{helpPage});
    EXPECT_TRUE(Help()->windowState() & Qt::WindowMaximized);

    view->NavigateComplete(false, helpPage, {}); // no network
    EXPECT_TRUE(view->Shown.contains("Tintra 屏幕取色器"));
    EXPECT_EQ(view->Shown, HelpWindow::BuiltInHelpPage());

    Help()->findChild<SpeedButton*>("BtnClose")->click();
    EXPECT_FALSE(Help()->isVisible());
    Action("N1")->trigger();
    EXPECT_EQ(view->Navigated.size(), 2);
    EXPECT_EQ(platform.ViewsFake.Made.size(), 1);
}

TEST_F(HelpAboutDemoTest, WithoutABrowserTheHelpCarriedInsideIsShown) {
    platform.ViewsFake.Unavailable = true;
    Find<SpeedButton>("BtnSCHelpDoc")->click();
    const auto* page = Help()->findChild<QTextBrowser*>();
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->toPlainText().contains("颜色格式"));
}

TEST_F(HelpAboutDemoTest, TheAboutCardOpensTheProgramsPage) {
    Action("MnAboutUs")->trigger();
    AboutWindow* about = About();
    EXPECT_EQ(about->findChild<QLabel*>("LblVersion")->text(), "1.6");
    EXPECT_EQ(about->findChild<ImageControl*>("Image1")->Picture().size(), QSize(358, 218));
    EXPECT_EQ(Card()->size(), QSize(356, 221));
    Click(Card(), Qt::RightButton);
    Click(about->findChild<QLabel*>("Label1"), Qt::LeftButton);
    const QString page = QString::fromStdString(SiteAddress);
    EXPECT_EQ(platform.LinksFake.Opened, (QStringList{page, page}));
    platform.LinksFake.NoProgram = true; // nothing on the desktop opens web pages
    Click(about->findChild<QLabel*>("Label1"), Qt::LeftButton);
    EXPECT_EQ(picker.Hint(), "桌面没有能打开" + page + "的程序");

    Action("MnAboutUs")->trigger();
    Action("N10")->trigger();
    EXPECT_EQ(About(), about); // shown again, not made anew
    EXPECT_TRUE(about->isVisible());
}

TEST_F(HelpAboutDemoTest, TheHelpMenuOpensTheExamples) {
    Action("MnDemo")->trigger();
    auto* demo = Find<ExamplesWindow>("TFrmDemo");
    ASSERT_NE(demo, nullptr);
    auto label = [demo](const char* name) { return demo->findChild<QLabel*>(name); };
    auto picture = [demo](const char* name) { return demo->findChild<ImageControl*>(name); };
    EXPECT_EQ(demo->windowTitle(), "QuilloTintra使用实例");
    EXPECT_TRUE(label("Label1")->text().startsWith("1、如果你选择了『剪贴颜色数值』"));
    EXPECT_TRUE(label("Label3")->text().startsWith("2、如果你选择了『剪贴颜色样图』"));
    EXPECT_TRUE(label("Label2")->text().startsWith("3、鼠标单击可选框『开始取色』"));
    EXPECT_EQ(picture("Image1")->Picture().size(), QSize(919, 703));
    EXPECT_EQ(picture("Image2")->Picture().size(), QSize(919, 703));
    EXPECT_EQ(picture("Image1")->y(), 36);
    EXPECT_EQ(label("Label3")->y(), 36 + 703 + 9);
    EXPECT_EQ(label("Label2")->y(), 36 + 703 + 9 + 30 + 7 + 703 + 9);
}

} // namespace
