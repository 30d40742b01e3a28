#include "core/persistence/SettingsStore.h"
#include "core/collections/ColourList.h"
#include "core/collections/FavouritesList.h"
#include "core/collections/HistoryList.h"
#include "core/colour/CurrentColour.h"
#include "ui/picker/SpeedButton.h"
#include "ui/picker/TFrmScreenColor.h"
#include "platform/fake/FakePlatform.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>

#include "../ListTexts.h"
#include "core/persistence/FileStore.h"
#include "SmallFileSystem.h"

#include <gtest/gtest.h>

#include <memory>

#include <sys/stat.h>
#include <unistd.h>

namespace {

class SettingsStoreTest : public testing::Test {
protected:
    QString Folder() const { return platform.FoldersFake.ProgramFolder(); }

    void Put(const QString& name, const QByteArray& bytes) {
        QFile file(Folder() + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray Get(const QString& name) const {
        QFile file(Folder() + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    QStringList FilesIn(const QString& folder) const {
        return QDir(folder).entryList(QDir::Files, QDir::Name);
    }

    TFrmScreenColor& Start() {
        window = std::make_unique<TFrmScreenColor>(platform);
        return *window;
    }
    void End() { window.reset(); }

    FakePlatform platform;
    std::unique_ptr<TFrmScreenColor> window;
};

TEST_F(SettingsStoreTest, AFirstStartUsesTheDefaultsAndWritesNothingUntilTheEnd) {
    TFrmScreenColor& w = Start();
    EXPECT_EQ(w.LbPasteType->currentRow(), 0);
    EXPECT_EQ(w.CbColorValType->currentIndex(), 0);
    EXPECT_EQ(w.BtnColorPre->Tag, 0);
    EXPECT_EQ(w.BtnColorPre->GlyphName(), "ccolorpre");
    EXPECT_EQ(w.BtnAlwaysOnTop->Tag, 1);
    EXPECT_TRUE(platform.WindowsFake.Topmost.at(&w));
    EXPECT_TRUE(FilesIn(Folder()).isEmpty());

    End();
    EXPECT_EQ(FilesIn(Folder()), (QStringList{"colors", "default", "fav", "favcol"}));
    EXPECT_EQ(Get("default"), "[default]\r\nPasteType=0\r\nColorValType=0\r\nleft=20\r\ntop=10\r\n"
                              "CbColorPre=0\r\nAlwaysOnTop=1\r\n");
    EXPECT_EQ(Get("colors"), "");
    EXPECT_EQ(Get("fav"), "");
}

TEST_F(SettingsStoreTest, StoredChoicesAreApplied) {
    const struct {
        QByteArray Settings;
        int PasteType, Format, PrefixTag, AlwaysOnTopTag;
        const char* PrefixGlyph;
    } cases[] = {
        {"[default]\r\nColorValType=0x3\r\n", 0, 3, 0, 1, "ccolorpre"},
        {"[default]\r\nColorValType=abc\r\n", 0, 0, 0, 1, "ccolorpre"},
        {"[default]\r\nColorValType=9\r\nPasteType=5\r\n", -1, -1, 0, 1, "ccolorpre"},
        {"[default]\r\nCbColorPre=5\r\n", 0, 0, 5, 1, "nccolorpre"},
        {"[default]\r\nAlwaysOnTop=0\r\nPasteType=1\r\n", 1, 0, 0, 0, "ccolorpre"},
        {"\xff\xfe garbage \x01\x02\r\n[[[\r\n==\r\n", 0, 0, 0, 1, "ccolorpre"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Settings.toStdString());
        Put("default", c.Settings);
        TFrmScreenColor& w = Start();
        EXPECT_EQ(w.LbPasteType->currentRow(), c.PasteType);
        EXPECT_EQ(w.CbColorValType->currentIndex(), c.Format);
        EXPECT_EQ(w.BtnColorPre->Tag, c.PrefixTag);
        EXPECT_EQ(w.BtnColorPre->GlyphName(), c.PrefixGlyph);
        EXPECT_EQ(w.BtnAlwaysOnTop->Tag, c.AlwaysOnTopTag);
        EXPECT_EQ(w.BtnAlwaysOnTop->GlyphName(), c.AlwaysOnTopTag ? "cAlwaysOnTop" : "ncAlwaysOnTop");
        EXPECT_EQ(platform.WindowsFake.Topmost.at(&w), c.AlwaysOnTopTag == 1);
        End();
    }
}

TEST_F(SettingsStoreTest, AnIndexOutOfRangeIsSavedBackAsNone) {
    Put("default", "[default]\r\nColorValType=9\r\n");
    Start();
    End();
    EXPECT_TRUE(Get("default").contains("ColorValType=-1\r\n"));
}

TEST_F(SettingsStoreTest, TheStoredPlaceIsNotUsed) {
    Put("default", "[default]\r\nleft=700\r\ntop=500\r\n");
    TFrmScreenColor& w = Start();
    EXPECT_EQ(w.pos(), QPoint(20, 10));
    EXPECT_EQ(w.size(), QSize(498, 600));
}

TEST_F(SettingsStoreTest, AnExistingFileKeepsItsOtherLines) {
    Put("default", "; mine\n[default]\nColorValType=2\nmy=own\n[other]\nx=1\n");
    Start();
    End();
    EXPECT_EQ(Get("default"),
              "; mine\n[default]\nColorValType=2\nmy=own\nPasteType=0\r\nleft=20\r\ntop=10\r\n"
              "CbColorPre=0\r\nAlwaysOnTop=1\r\n[other]\nx=1\n");
}

TEST_F(SettingsStoreTest, FavouritesSurviveARestartHistoryRowsComeBackWithoutValues) {
    TFrmScreenColor& w = Start();
    for (ColorValue colour : {255, 16711680}) {
        w.Current->ShowAsCurrentColor(colour);
        w.BtnAddColorFav->click();
    }
    w.History->Model().InsertTop("#00FF00", "65280");
    End();
    EXPECT_EQ(Get("fav"), "#0000FF\r\n#FF0000\r\n");
    EXPECT_EQ(Get("favcol"), "16711680\r\n255\r\n");
    EXPECT_EQ(Get("colors"), "#00FF00\r\n");

    TFrmScreenColor& again = Start();
    ColourList& favourites = again.Favourites->Model();
    EXPECT_EQ(Texts(favourites.Rows()), (QStringList{"#0000FF", "#FF0000"}));
    EXPECT_EQ(favourites.FillColour(0), 16711680);
    EXPECT_EQ(favourites.FillColour(1), 255);
    EXPECT_EQ(Texts(again.History->Model().Rows()), QStringList{"#00FF00"});
    EXPECT_EQ(again.History->Model().FillColour(0), ColorWhite);
}

TEST_F(SettingsStoreTest, FavouritesWithoutTheirValuesFileAreWhite) {
    Put("fav", "#FF0000\r\n#0000FF\r\n");
    TFrmScreenColor& w = Start();
    EXPECT_EQ(w.Favourites->Model().rowCount(), 2);
    EXPECT_EQ(w.Favourites->Model().FillColour(0), ColorWhite);
    EXPECT_EQ(w.Favourites->Model().FillColour(1), ColorWhite);
}

// Something that is no file to read stands in the place of one file: that file is left as it is (with
// its partner, for the favourites), the others are read and saved, and the user is told.
TEST_F(SettingsStoreTest, AFileThatCannotBeReadIsToldAndNeverOverwritten) {
    ::alarm(30); // a FIFO that hung the start ends the test
    const struct {
        const char* Broken;
        const char* Kind;
        QStringList Saved;
    } cases[] = {
        {"colors", "fifo", {"default", "fav", "favcol"}},
        {"colors", "folder", {"default", "fav", "favcol"}},
        {"fav", "link", {"colors", "default"}},
        {"favcol", "fifo", {"colors", "default"}},
        {"default", "folder", {"colors", "fav", "favcol"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Broken) + " " + c.Kind);
        QDir(Folder()).removeRecursively();
        QDir().mkpath(Folder());
        for (const char* name : {"default", "colors", "fav", "favcol"})
            Put(name, "old\r\n");
        const QString broken = Folder() + c.Broken;
        QFile::remove(broken);
        if (std::string(c.Kind) == "fifo")
            ASSERT_EQ(::mkfifo(QFile::encodeName(broken).constData(), 0600), 0);
        else if (std::string(c.Kind) == "folder")
            QDir().mkdir(broken);
        else
            QFile::link(Folder() + "nothing", broken);

        TFrmScreenColor& w = Start();
        ASSERT_EQ(w.Settings->ReadProblems().size(), 1);
        EXPECT_TRUE(w.Settings->ReadProblems()[0].contains(broken));
        EXPECT_TRUE(w.LblHnit->text().startsWith("无法读取")) << w.LblHnit->text().toStdString();
        w.Current->ShowAsCurrentColor(255);
        w.BtnAddColorFav->click();
        w.History->Model().InsertTop("new", "1");
        End();
        for (const char* name : {"default", "colors", "fav", "favcol"}) {
            const bool saved = c.Saved.contains(name);
            if (QString(name) != c.Broken) {
                EXPECT_EQ(Get(name) == "old\r\n", !saved) << name;
            }
        }
        EXPECT_FALSE(QFileInfo(broken).isFile());
    }
    ::alarm(0);
}

TEST_F(SettingsStoreTest, FromAReadOnlyProgramFolderFavouritesAreReadThenSavedToTheConfigFolder) {
    SmallFileSystem program(64);
    if (!program.Mounted())
        GTEST_SKIP() << "no file system can be mounted here (neither root nor a user namespace)";
    WriteFileAtomically(program.Path("fav"), "#FF0000\r\n");
    WriteFileAtomically(program.Path("favcol"), "255\r\n");
    program.MakeReadOnly();
    platform.FoldersFake.ProgramOverride = program.Path("");
    TFrmScreenColor& w = Start();
    EXPECT_EQ(Texts(w.Favourites->Model().Rows()), QStringList{"#FF0000"});
    End();
    const QString config = platform.FoldersFake.ConfigFolder();
    EXPECT_EQ(FilesIn(config), (QStringList{"colors", "default", "fav", "favcol"}));
    EXPECT_EQ(ReadFileIfExists(config + "favcol"), QByteArray("255\r\n"));
}

TEST_F(SettingsStoreTest, ASaveThatFailsIsToldAndFilesStayAsTheyWere) {
    platform.FoldersFake.ProgramOverride = "/proc/";
    platform.FoldersFake.ConfigOverride = "/proc/tintra/";
    TFrmScreenColor& w = Start();
    w.FormDestroy();
    EXPECT_EQ(w.Settings->SaveProblems().size(), 3); // the settings, the history and the favourites
    EXPECT_TRUE(w.Settings->SaveProblems()[0].startsWith("无法保存/proc/tintra/default"));
}

TEST_F(SettingsStoreTest, WhileAnotherCopyKeepsTheFolderNothingIsReadOrWritten) {
    Put("fav", "#FF0000\r\n");
    platform.CopiesFake.HeldElsewhere = true;
    TFrmScreenColor& w = Start();
    EXPECT_TRUE(w.Settings->AnotherCopyRuns());
    EXPECT_EQ(w.Favourites->Model().rowCount(), 0);
    w.BtnAddColorFav->click();
    End();
    EXPECT_EQ(Get("fav"), "#FF0000\r\n");
    EXPECT_EQ(FilesIn(Folder()), QStringList{"fav"});
}

TEST_F(SettingsStoreTest, AMillionLineHistoryFileLoads) {
    QByteArray rows;
    for (int i = 0; i < 1'000'000; ++i)
        rows += "#" + QByteArray::number(i, 16).rightJustified(6, '0') + "\r\n";
    Put("colors", rows);
    TFrmScreenColor& w = Start();
    EXPECT_EQ(w.History->Model().rowCount(), 1'000'000);
    End();
    EXPECT_EQ(Get("colors"), rows);
}

} // namespace
