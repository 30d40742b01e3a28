#include "core/persistence/ColorListFiles.h"

#include "core/collections/HistoryList.h"
#include "core/color/FakeSystemColors.h"
#include "core/persistence/FileStore.h"

#include "../../ListTexts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ColorListFilesTest : public testing::Test {
protected:
    QString Path(const QString& name) const { return folder.filePath(name); }
    void Put(const QString& name, const QByteArray& bytes) { WriteFileAtomically(Path(name), bytes); }
    QByteArray Get(const QString& name) const { return ReadFileIfExists(Path(name)).value_or("<missing>"); }

    QTemporaryDir folder;
    FakeSystemColors system;
    HistoryList history{system};
};

TEST_F(ColorListFilesTest, OpeningReplacesTheRowsAndKeepsTheValues) {
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
        OpenColorList(history, Path("list.colors"));
        EXPECT_EQ(Texts(history.Rows()), c.Rows) << c.Bytes.toStdString();
    }
    history.Clear();
    history.InsertTop("#0000FF", "16711680");
    Put("three.colors", "x\r\ny\r\nz\r\n");
    OpenColorList(history, Path("three.colors"));
    EXPECT_EQ(history.FillColor(0), 16711680); // row i keeps value i, where there is one
    EXPECT_EQ(history.FillColor(1), ColorWhite);
}

TEST_F(ColorListFilesTest, AMissingFileChangesNothingAndOneThatCannotBeReadFails) {
    history.InsertTop("#FF0000", "255");
    OpenColorList(history, Path("no such file.colors"));
    QDir(folder.path()).mkdir("a folder.colors");
    EXPECT_THROW(OpenColorList(history, Path("a folder.colors")), FileError);
    EXPECT_EQ(Texts(history.Rows()), QStringList{"#FF0000"});
}

TEST_F(ColorListFilesTest, SavingWritesExactlyTheChosenName) {
    history.InsertTop("#00FF00", "65280");
    history.InsertTop("#FF0000", "255");
    SaveColorList(history, Path("test"));
    EXPECT_EQ(Get("test"), "#FF0000\r\n#00FF00\r\n");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"test"});
    history.Clear();
    SaveColorList(history, Path("test")); // over the file, without a question
    EXPECT_EQ(Get("test"), "");
    EXPECT_THROW(SaveColorList(history, "/proc/tintra.colors"), FileError);
}

TEST_F(ColorListFilesTest, AGimpPaletteSavedAndOpenedGivesTheSameRowsAndColors) {
    system.Colors[5] = PackRgb(10, 20, 30);
    const struct {
        const char* Case;
        QByteArrayList Rows;
        QByteArrayList Values;
    } cases[] = {
        {"picked rows", {"#FF0000", "0,128,255", "$00FF8000"}, {"255", "16744448", "32768"}},
        {"rows of every kind", {"", "  leading blanks", "a\tb", "中文"}, {"0", "1", "2", "3"}},
        {"a row read in the Chinese code page", {"\xBA\xEC"}, {"255"}},
        {"rows without a value are white, a system colour is the desktop's",
         {"sys", "bare"},
         {"-2147483643"}},
        {"no rows", {}, {}},
    };
    for (const auto& c : cases) {
        history.Clear();
        history.SetRows(ListEntries(c.Rows.join('\n') + (c.Rows.isEmpty() ? "" : "\n")));
        history.SetValues(ListEntries(c.Values.join('\n') + (c.Values.isEmpty() ? "" : "\n")));
        const QStringList rows = Texts(history.Rows());
        std::vector<ColorValue> colors;
        for (int i = 0; i < rows.size(); ++i)
            colors.push_back(history.PaintColor(i));

        SaveColorList(history, Path("saved.gpl"), ListFileKind::GimpPalette);
        history.Clear();
        history.InsertTop("old", "0");
        OpenColorList(history, Path("saved.gpl"), ListFileKind::GimpPalette);
        EXPECT_EQ(Texts(history.Rows()), rows) << c.Case;
        for (int i = 0; i < rows.size(); ++i)
            EXPECT_EQ(history.FillColor(i), colors[i]) << c.Case << " row " << i;
    }
    EXPECT_TRUE(Get("saved.gpl").startsWith("GIMP Palette\nName: saved\n"));
}

TEST_F(ColorListFilesTest, AMalformedPaletteIsToldAndChangesNothing) {
    history.InsertTop("#FF0000", "255");
    Put("broken.gpl", "GIMP Palette\n0 0 0\tblack\n0 0 300\ttoo blue\n");
    try {
        OpenColorList(history, Path("broken.gpl"), ListFileKind::GimpPalette);
        ADD_FAILURE() << "a malformed palette was taken";
    } catch (const FileError& error) {
        EXPECT_EQ(error.Path, Path("broken.gpl"));
        EXPECT_TRUE(error.Reason.startsWith("第3行：")) << error.Reason.toStdString();
    }
    EXPECT_EQ(Texts(history.Rows()), QStringList{"#FF0000"});
    EXPECT_EQ(history.FillColor(0), 255);
    // Under the colour list filter the same file is only lines.
    OpenColorList(history, Path("broken.gpl"));
    EXPECT_EQ(history.Rows().size(), 3);
    EXPECT_EQ(history.FillColor(0), 255);
}

TEST_F(ColorListFilesTest, EachFilterSavesItsKindUnderExactlyTheChosenName) {
    EXPECT_EQ(OpenListFilter(), "颜色列表文件(*.colors)|*.colors|GIMP 调色板(*.gpl)|*.gpl");
    EXPECT_EQ(SaveListFilter(), OpenListFilter() + "|CSS 自定义属性(*.css)|*.css");
    history.InsertTop("#FF0000", "255");
    const struct {
        int Filter;
        QByteArray Bytes;
    } cases[] = {
        {0, "#FF0000\r\n"},
        {1, "GIMP Palette\nName: test\nColumns: 0\n#\n255   0   0\t#FF0000\n"},
        {2, "@charset \"UTF-8\";\n:root {\n  --colour-1: #FF0000; /* #FF0000 */\n}\n"},
        {-1, "#FF0000\r\n"},
    };
    for (const auto& c : cases) {
        SaveColorList(history, Path("test"), ListFileKindOf(c.Filter));
        EXPECT_EQ(Get("test"), c.Bytes) << c.Filter;
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"test"});
}

// Palettes and style sheets named without an extension get the one other programs look for; a colour
// list file keeps the name as typed.
TEST(ColorListFiles, APaletteNamedWithoutAnExtensionGetsItsOwn) {
    const struct {
        const char* Typed;
        ListFileKind Kind;
        const char* Saved;
    } cases[] = {
        {"/home/me/list", ListFileKind::Colors, "/home/me/list"},
        {"/home/me/list", ListFileKind::GimpPalette, "/home/me/list.gpl"},
        {"/home/me/list", ListFileKind::CssProperties, "/home/me/list.css"},
        {"/home/me/list.txt", ListFileKind::GimpPalette, "/home/me/list.txt"},
        {"/home/me.d/list", ListFileKind::CssProperties, "/home/me.d/list.css"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SavedName(c.Typed, c.Kind), c.Saved) << c.Typed;
}

} // namespace
