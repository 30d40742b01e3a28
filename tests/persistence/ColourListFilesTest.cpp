#include "core/persistence/ColourListFiles.h"
#include "core/collections/ColourList.h"
#include "core/collections/HistoryList.h"
#include "ui/picker/TFrmScreenColor.h"
#include "platform/fake/FakePlatform.h"
#include "platform/FileDialogs.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "../ListTexts.h"

#include <gtest/gtest.h>

namespace {

class ColourListFilesTest : public testing::Test {
protected:
    QString Path(const QString& name) const { return folder.filePath(name); }
    void Put(const QString& name, const QByteArray& bytes) {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray Get(const QString& name) const {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    void Open(const QString& name) {
        platform.DialogsFake.OpenAnswer = Path(name);
        window.N6->trigger();
    }
    void SaveAs(const QString& name) {
        platform.DialogsFake.SaveAnswer = Path(name);
        window.N8->trigger();
    }
    ColourList& History() { return window.History->Model(); }

    QTemporaryDir folder;
    FakePlatform platform;
    TFrmScreenColor window{platform};
};

TEST_F(ColourListFilesTest, OpeningReplacesTheRows) {
    const struct {
        QByteArray Bytes;
        QStringList Rows;
    } cases[] = {
        {"#FF0000\r\n#00FF00\r\n", {"#FF0000", "#00FF00"}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"#FF0000\n#00FF00", {"#FF0000", "#00FF00"}},
        {"", {}},
    };
    for (const auto& c : cases) {
        History().InsertTop("old", "1");
        Put("list.colors", c.Bytes);
        Open("list.colors");
        EXPECT_EQ(Texts(History().Rows()), c.Rows) << c.Bytes.toStdString();
        EXPECT_EQ(platform.DialogsFake.LastFilter, "颜色列表文件(*.colors)|*.colors");
    }
}

TEST_F(ColourListFilesTest, OpeningKeepsTheValuesSoLaterRowsAreWhite) {
    History().InsertTop("#0000FF", "16711680");
    Put("three.colors", "x\r\ny\r\nz\r\n");
    Open("three.colors");
    EXPECT_EQ(History().FillColour(0), 16711680);
    EXPECT_EQ(History().FillColour(1), ColorWhite);
    EXPECT_EQ(History().FillColour(2), ColorWhite);
}

TEST_F(ColourListFilesTest, CancelledOrMissingChangesNothing) {
    History().InsertTop("#FF0000", "255");
    platform.DialogsFake.OpenAnswer.reset();
    window.N6->trigger();
    Open("no such file.colors");
    QDir(folder.path()).mkdir("a folder.colors");
    Open("a folder.colors");
    EXPECT_EQ(Texts(History().Rows()), QStringList{"#FF0000"});
}

TEST_F(ColourListFilesTest, SavingWritesExactlyTheChosenName) {
    History().InsertTop("#00FF00", "65280");
    History().InsertTop("#FF0000", "255");
    SaveAs("test");
    EXPECT_EQ(Get("test"), "#FF0000\r\n#00FF00\r\n");
    EXPECT_EQ(Get("test").size(), 18);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"test"});

    History().Clear();
    SaveAs("test"); // over the file, without a question
    EXPECT_EQ(Get("test"), "");

    platform.DialogsFake.SaveAnswer.reset();
    History().InsertTop("#FF0000", "255");
    window.N8->trigger();
    EXPECT_EQ(Get("test"), "");
}

TEST_F(ColourListFilesTest, AFileThatCannotBeWrittenIsNotWritten) {
    History().InsertTop("#FF0000", "255");
    platform.DialogsFake.SaveAnswer = "/proc/tintra.colors";
    window.N8->trigger();
    EXPECT_FALSE(QFile::exists("/proc/tintra.colors"));
    EXPECT_EQ(Texts(History().Rows()), QStringList{"#FF0000"});
}

TEST(QtDialogFilter, TheListFilterAsQtTakesIt) {
    EXPECT_EQ(QtDialogFilter("颜色列表文件(*.colors)|*.colors"), "颜色列表文件(*.colors)");
    EXPECT_EQ(QtDialogFilter("Text|*.txt|All|*.*"), "Text (*.txt);;All (*.*)");
}

} // namespace
