#include "core/persistence/ColourListFiles.h"

#include "core/collections/HistoryList.h"
#include "core/colour/FakeSystemColours.h"
#include "core/persistence/FileStore.h"

#include "../../ListTexts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ColourListFilesTest : public testing::Test {
protected:
    QString Path(const QString& name) const { return folder.filePath(name); }
    void Put(const QString& name, const QByteArray& bytes) { WriteFileAtomically(Path(name), bytes); }
    QByteArray Get(const QString& name) const { return ReadFileIfExists(Path(name)).value_or("<missing>"); }

    QTemporaryDir folder;
    FakeSystemColours system;
    HistoryList history{system};
};

TEST_F(ColourListFilesTest, OpeningReplacesTheRowsAndKeepsTheValues) {
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
        history.InsertTop("old", "16711680");
        Put("list.colors", c.Bytes);
        OpenColourList(history, Path("list.colors"));
        EXPECT_EQ(Texts(history.Rows()), c.Rows) << c.Bytes.toStdString();
    }
    history.Clear();
    history.InsertTop("#0000FF", "16711680");
    Put("three.colors", "x\r\ny\r\nz\r\n");
    OpenColourList(history, Path("three.colors"));
    EXPECT_EQ(history.FillColour(0), 16711680); // row i keeps value i, where there is one
    EXPECT_EQ(history.FillColour(1), ColorWhite);
}

TEST_F(ColourListFilesTest, AMissingFileChangesNothingAndOneThatCannotBeReadFails) {
    history.InsertTop("#FF0000", "255");
    OpenColourList(history, Path("no such file.colors"));
    QDir(folder.path()).mkdir("a folder.colors");
    EXPECT_THROW(OpenColourList(history, Path("a folder.colors")), FileError);
    EXPECT_EQ(Texts(history.Rows()), QStringList{"#FF0000"});
}

TEST_F(ColourListFilesTest, SavingWritesExactlyTheChosenName) {
    history.InsertTop("#00FF00", "65280");
    history.InsertTop("#FF0000", "255");
    SaveColourList(history, Path("test"));
    EXPECT_EQ(Get("test"), "#FF0000\r\n#00FF00\r\n");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"test"});
    history.Clear();
    SaveColourList(history, Path("test")); // over the file, without a question
    EXPECT_EQ(Get("test"), "");
    EXPECT_THROW(SaveColourList(history, "/proc/tintra.colors"), FileError);
}

} // namespace
