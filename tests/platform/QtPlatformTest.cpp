// The Qt back ends that need no real desktop, on Qt's offscreen platform.
#include "core/persistence/ColorListFiles.h"
#include "platform/qt/ProgramFiles.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtFileDialogs.h"
#ifndef Q_OS_WIN
#include "platform/loader/PlatformLoader.h"
#include "platform/qt/QtLinkOpener.h"
#include "platform/ScreenAccess.h"
#endif

#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(QtClipboard, HoldsOnlyWhatWasLastPutThere) {
    QtClipboard clipboard;
    clipboard.SetText("#C8DCF0");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "#C8DCF0");
    QImage sample(51, 25, QImage::Format_RGB32);
    sample.fill(QColor(18, 52, 86));
    clipboard.SetImage(sample);
    const QMimeData* held = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(held->hasImage());
    EXPECT_FALSE(held->hasText());
    const QImage back = qvariant_cast<QImage>(held->imageData());
    EXPECT_EQ(back.size(), QSize(51, 25));
    EXPECT_EQ(back.pixelColor(50, 24), QColor(18, 52, 86));
    EXPECT_THROW(clipboard.SetImage(QImage()), std::exception);
}

TEST(QtDialogFilter, TheListFilterAsQtTakesIt) {
    EXPECT_EQ(QtDialogFilter("颜色列表文件(*.colors)|*.colors"), "颜色列表文件(*.colors)");
    EXPECT_EQ(QtDialogFilter("Text|*.txt|All|*.*"), "Text (*.txt);;All (*.*)");
    EXPECT_EQ(QtDialogFilter(SaveListFilter()),
              "颜色列表文件(*.colors);;GIMP 调色板(*.gpl);;CSS 自定义属性(*.css)");
}

TEST(ProgramFiles, TheModuleBesideTheProgramOrWhereTheInstallPutsIt) {
    const struct {
        const char* Case;
        QStringList Modules; // where tintra_webengine.so lies, below the prefix
        bool Installed;
        QString Helpers;
    } cases[] = {
        {"built", {"bin"}, false, "bin"},
        {"installed",
         {"bin/" TINTRA_HELPERS_FROM_PROGRAM},
         true,
         QDir::cleanPath("bin/" TINTRA_HELPERS_FROM_PROGRAM)},
        {"an installed copy unpacked with its module",
         {"bin", "bin/" TINTRA_HELPERS_FROM_PROGRAM},
         false,
         "bin"},
        {"no module anywhere", {}, false, "bin"},
    };
    for (const auto& c : cases) {
        QTemporaryDir prefix;
        const QDir root(prefix.path());
        root.mkpath("bin");
        for (const QString& folder : c.Modules) {
            root.mkpath(folder);
            QFile module(root.filePath(folder + "/tintra_webengine.so"));
            ASSERT_TRUE(module.open(QIODevice::WriteOnly));
        }
        const ProgramFiles files(root.filePath("bin"));
        EXPECT_EQ(files.Installed(), c.Installed) << c.Case;
        EXPECT_EQ(files.HelperFolder(), root.filePath(c.Helpers)) << c.Case;
    }
}

} // namespace

// A link that the desktop has no program for is said, not dropped: here there is no opener at all.
#ifndef Q_OS_WIN
TEST(QtLinkOpener, ALinkNothingOpensIsSaid) {
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", "/nonexistent");
    QtLinkOpener opener;
    QString failed;
    opener.Failed = [&failed](const QString& target) { failed = target; };
    opener.Open("https://tintra.app/sc/");
    QElapsedTimer waited;
    waited.start();
    while (failed.isEmpty() && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    qputenv("PATH", path);
    EXPECT_EQ(failed, "https://tintra.app/sc/");
}

// A bug report or a test names the way to the screen instead of steering the loader by the session's
// variables.
TEST(PlatformLoader, TheWayToTheScreenCanBeNamed) {
    const struct {
        const char* Named;
        PickingWay Way;
    } cases[] = {{"none", PickingWay::None}, {"x11", PickingWay::Live}};
    for (const auto& c : cases) {
        qputenv("TINTRA_SCREEN", c.Named);
        EXPECT_EQ(LoadPlatform()->Access().Kind(), c.Way) << c.Named;
    }
    qunsetenv("TINTRA_SCREEN");
}
#endif
