#include "ui/picker/ImageControl.h"
#include "ui/picker/TFrmScreenColor.h"
#include "platform/fake/FakePlatform.h"
#include "core/windows/Messages.h"
#include "ui/windows/TFrmDemo.h"
#include "ui/windows/TFrmHelp.h"
#include "ui/windows/TFrmVersion.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace {

class HelpAboutDemoTest : public testing::Test {
protected:
    HelpAboutDemoTest() {
        window.FrmHelp = new TFrmHelp(platform, &window);
        window.FrmVersion = new TFrmVersion(platform, &window);
    }

    static void Press(QWidget* widget, Qt::MouseButton button) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(3, 3), QPointF(3, 3), button, button,
                          Qt::NoModifier);
        QApplication::sendEvent(widget, &press);
    }

    FakePlatform platform;
    TFrmScreenColor window{platform};
};

TEST_F(HelpAboutDemoTest, HelpAndAboutBothCarryTheAboutCaption) {
    EXPECT_EQ(window.FrmHelp->windowTitle(), "关于 Tintra");
    EXPECT_EQ(window.FrmVersion->windowTitle(), "关于 Tintra");
}

TEST_F(HelpAboutDemoTest, TheHelpPageIsRequestedAtEveryShowingAndCarriedInsideWhenItCannotBeHad) {
    EXPECT_TRUE(platform.ViewsFake.Made.isEmpty()); // no browser until the window shows
    window.BtnHelpClick();
    ASSERT_EQ(platform.ViewsFake.Made.size(), 1);
    FakeWebView* view = platform.ViewsFake.Made[0];
    const QUrl helpPage(QString::fromStdString(HelpPageAddress));
    EXPECT_EQ(view->Navigated, QList<QUrl>{helpPage});
    EXPECT_TRUE(window.FrmHelp->windowState() & Qt::WindowMaximized);

    view->NavigateComplete(false, helpPage, {}); // no network
    EXPECT_TRUE(view->Shown.contains("Tintra 屏幕取色器"));
    EXPECT_EQ(view->Shown, TFrmHelp::BuiltInHelpPage());

    window.FrmHelp->BtnCloseClick();
    EXPECT_FALSE(window.FrmHelp->isVisible());
    window.BtnHelpClick();
    EXPECT_EQ(view->Navigated.size(), 2);
    EXPECT_EQ(platform.ViewsFake.Made.size(), 1);
}

TEST_F(HelpAboutDemoTest, WithoutABrowserTheHelpCarriedInsideIsShown) {
    platform.ViewsFake.Unavailable = true;
    window.BtnHelpClick();
    const auto* page = window.FrmHelp->findChild<QTextBrowser*>();
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->toPlainText().contains("颜色格式"));
}

TEST_F(HelpAboutDemoTest, TheAboutCardOpensTheProgramsPage) {
    TFrmVersion& about = *window.FrmVersion;
    EXPECT_EQ(about.LblVersion->text(), "1.6");
    EXPECT_EQ(about.Image1->Picture().size(), QSize(358, 218));
    EXPECT_EQ(about.Image1->size(), QSize(356, 221));
    Press(about.Image1, Qt::RightButton);
    Press(about.Label1, Qt::LeftButton);
    const QString page = QString::fromStdString(SiteAddress);
    EXPECT_EQ(platform.LinksFake.Opened, (QStringList{page, page}));

    window.BtnAboutUsClick();
    window.N10->trigger();
    EXPECT_EQ(window.FrmVersion, &about); // shown again, not made anew
    EXPECT_TRUE(about.isVisible());
}

TEST_F(HelpAboutDemoTest, TheHelpMenuOpensTheExamples) {
    QStringList items;
    for (QAction* action : window.PmHelp->actions())
        items << action->text();
    EXPECT_EQ(items, (QStringList{"使用实例", "帮助文档", "关于"}));
    window.MnDemo->trigger();
    ASSERT_NE(window.FrmDemo, nullptr);
    TFrmDemo& demo = *window.FrmDemo;
    EXPECT_EQ(demo.windowTitle(), "QuilloTintra使用实例");
    EXPECT_TRUE(demo.Label1->text().startsWith("1、如果你选择了『剪贴颜色数值』"));
    EXPECT_TRUE(demo.Label3->text().startsWith("2、如果你选择了『剪贴颜色样图』"));
    EXPECT_TRUE(demo.Label2->text().startsWith("3、鼠标单击可选框『开始取色』"));
    EXPECT_EQ(demo.Image1->Picture().size(), QSize(919, 703));
    EXPECT_EQ(demo.Image2->Picture().size(), QSize(919, 703));
    EXPECT_EQ(demo.Image1->y(), 36);
    EXPECT_EQ(demo.Label3->y(), 36 + 703 + 9);
    EXPECT_EQ(demo.Label2->y(), 36 + 703 + 9 + 30 + 7 + 703 + 9);
}

} // namespace
