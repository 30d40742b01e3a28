#include "core/persistence/SettingsStore.h"

#include "core/color/FakeSystemColors.h"
#include "core/persistence/FileStore.h"
#include "core/picker/ColorPicker.h"

#include "../../AddressSanitizer.h"
#include "../../ListTexts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// FIFOs, links and file systems of one's own are the POSIX system's; the rest holds on Windows too.
#ifndef _WIN32
#include "ChildProcess.h"
#include "SmallFileSystem.h"

#include <QRegularExpression>

#include <csignal>
#include <cstdio>
#include <dlfcn.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <vector>

// The test's own rename and fsync come before the C library's, for every caller in the process: a
// test may watch the order in which files are synced and renamed, or stop the process at a rename.
namespace file_calls {

bool watching = false;
std::vector<std::string> seen;
std::string stopAt; // the name of the file whose replacement ends the process
bool stopAfter = false;

// The file's name, without the process and serial number a new file's name ends in.
std::string Name(const std::string& path) {
    static const QRegularExpression serial(QStringLiteral("-[0-9]+-[0-9]+$"));
    return QFileInfo(QString::fromStdString(path)).fileName().remove(serial).toStdString();
}

int Synced(int descriptor, long call) {
    if (watching) {
        char path[4096] = {};
        const std::string link = "/proc/self/fd/" + std::to_string(descriptor);
        const ssize_t length = ::readlink(link.c_str(), path, sizeof path - 1);
        seen.push_back("sync " + (length > 0 && QFileInfo(path).isDir() ? "folder" : Name(path)));
    }
    return static_cast<int>(::syscall(call, descriptor));
}

} // namespace file_calls

extern "C" int rename(const char* from, const char* to) noexcept {
    using namespace file_calls;
    static const auto library =
        reinterpret_cast<int (*)(const char*, const char*)>(::dlsym(RTLD_NEXT, "rename"));
    const bool stop = !stopAt.empty() && Name(to) == stopAt;
    if (stop && !stopAfter)
        std::raise(SIGKILL);
    const int result = library(from, to);
    if (stop)
        std::raise(SIGKILL);
    if (watching)
        seen.push_back("rename " + Name(from) + " " + Name(to));
    return result;
}

extern "C" int fsync(int descriptor) { return file_calls::Synced(descriptor, SYS_fsync); }
extern "C" int fdatasync(int descriptor) { return file_calls::Synced(descriptor, SYS_fdatasync); }
#endif

namespace {

class SettingsStoreTest : public testing::Test {
protected:
    QString Folder() const { return folder.path() + '/'; }
    DataFolders Here() const { return {Folder(), Folder()}; }
    void Put(const QString& name, const QByteArray& bytes) {
        QFile file(Folder() + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray Get(const QString& name) const {
        QFile file(Folder() + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    QStringList FilesIn(const QString& where) const { return QDir(where).entryList(QDir::Files, QDir::Name); }

    // A run of the program: its picker, read from the folders; ended, it saves.
    ColorPicker& Start(const DataFolders& folders) {
        picker = std::make_unique<ColorPicker>(system);
        store = std::make_unique<SettingsStore>(*picker);
        store->LoadSettings(folders);
        return *picker;
    }
    ColorPicker& Start() { return Start(Here()); }
    void End(QPoint windowPosition = {20, 10}) { store->SaveSettings(windowPosition); }

    QTemporaryDir folder;
    FakeSystemColors system;
    std::unique_ptr<ColorPicker> picker;
    std::unique_ptr<SettingsStore> store;
};

TEST_F(SettingsStoreTest, AFirstStartUsesTheDefaultsAndWritesNothingUntilTheEnd) {
    ColorPicker& p = Start();
    EXPECT_EQ(p.Clipboard.PasteType(), 0);
    EXPECT_EQ(p.Current.Format(), 0);
    EXPECT_EQ(p.Current.PrefixTag(), 0);
    EXPECT_TRUE(p.AlwaysOnTop());
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
        int PasteType, Format, PrefixTag;
        bool AlwaysOnTop;
    } cases[] = {
        {"[default]\r\nColorValType=0x3\r\n", 0, 3, 0, true},
        {"[default]\r\nColorValType=abc\r\n", 0, 0, 0, true},
        {"[default]\r\nColorValType=9\r\n", 0, 9, 0, true},                   // the last format
        {"[default]\r\nColorValType=10\r\nPasteType=5\r\n", -1, -1, 0, true}, // one past it
        {"[default]\r\nPasteType=2\r\n", -1, 0, 0, true},                     // one past the last row
        {"[default]\r\nCbColorPre=5\r\n", 0, 0, 5, true},
        {"[default]\r\nAlwaysOnTop=0\r\nPasteType=1\r\n", 1, 0, 0, false},
        {"\xff\xfe garbage \x01\x02\r\n[[[\r\n==\r\n", 0, 0, 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Settings.toStdString());
        Put("default", c.Settings);
        ColorPicker& p = Start();
        EXPECT_EQ(p.Clipboard.PasteType(), c.PasteType);
        EXPECT_EQ(p.Current.Format(), c.Format);
        EXPECT_EQ(p.Current.PrefixTag(), c.PrefixTag);
        EXPECT_EQ(p.AlwaysOnTop(), c.AlwaysOnTop);
    }
}

// The sample square is a key of its own: kept once chosen, and absent from files that never had it.
TEST_F(SettingsStoreTest, TheSampleSquareIsKeptOnceChosen) {
    Put("default", "[default]\r\nSampleSize=5\r\n");
    EXPECT_EQ(Start().SampleSide(), 5);
    End();
    EXPECT_TRUE(Get("default").contains("SampleSize=5\r\n"));
    Put("default", "[default]\r\nSampleSize=4\r\n");
    EXPECT_EQ(Start().SampleSide(), 1);
    Put("default", "[default]\r\nPasteType=1\r\n");
    Start();
    End();
    EXPECT_FALSE(Get("default").contains("SampleSize"));
}

// The global hotkey is off in a file that does not name it, which stays without it; once turned on it
// is kept with its combination.
TEST_F(SettingsStoreTest, TheGlobalHotkeyIsKeptOnceTurnedOn) {
    Put("default", "[default]\r\nPasteType=0\r\n");
    ColorPicker& old = Start();
    EXPECT_FALSE(old.Hotkey.On());
    EXPECT_EQ(old.Hotkey.Keys(), "Ctrl+Alt+Shift+C");
    End();
    EXPECT_FALSE(Get("default").contains("GlobalHotkey"));

    Start().Hotkey.SetOn(true);
    End();
    EXPECT_TRUE(Get("default").endsWith("GlobalHotkey=1\r\nGlobalHotkeyKeys=Ctrl+Alt+Shift+C\r\n"));

    Put("default", "[default]\r\nGlobalHotkey=0\r\nGlobalHotkeyKeys=Meta+F9\r\n");
    ColorPicker& chosen = Start();
    EXPECT_FALSE(chosen.Hotkey.On());
    EXPECT_EQ(chosen.Hotkey.Keys(), "Meta+F9");
    End();
    EXPECT_EQ(Get("default").indexOf("GlobalHotkey=0\r\nGlobalHotkeyKeys=Meta+F9\r\n"), 11);
}

TEST_F(SettingsStoreTest, AnIndexOutOfRangeIsSavedBackAsNoneAndOtherLinesStay) {
    Put("default", "; mine\n[default]\nColorValType=10\nmy=own\n[other]\nx=1\n");
    Start();
    End({700, 500});
    EXPECT_EQ(Get("default"), "; mine\n[default]\nColorValType=-1\nmy=own\nPasteType=0\r\nleft=700\r\n"
                              "top=500\r\nCbColorPre=0\r\nAlwaysOnTop=1\r\n[other]\nx=1\n");
}

TEST_F(SettingsStoreTest, TheScreenShareTokenIsKeptAndOldFilesStayAsTheyWere) {
    Put("default", "[default]\r\nPasteType=1\r\n");
    Start();
    End();
    EXPECT_FALSE(Get("default").contains("ScreenShareToken")); // no desktop gave one

    Start().ScreenShare.Set("a1b2-c3");
    End();
    EXPECT_TRUE(Get("default").contains("ScreenShareToken=a1b2-c3\r\n"));
    EXPECT_EQ(Start().ScreenShare.Value(), "a1b2-c3");

    picker->ScreenShare.Set(""); // the desktop forgot the share: the key stays, empty
    End();
    EXPECT_TRUE(Get("default").contains("ScreenShareToken=\r\n"));
    EXPECT_EQ(Start().ScreenShare.Value(), "");
}

TEST_F(SettingsStoreTest, FavouritesSurviveARestartHistoryRowsComeBackWithoutValues) {
    ColorPicker& p = Start();
    for (ColorValue color : {255, 16711680}) {
        p.Current.ShowAsCurrentColor(color);
        p.BtnAddColorFavClick();
    }
    p.History.InsertTop("#00FF00", "65280");
    End();
    EXPECT_EQ(Get("fav"), "#0000FF\r\n#FF0000\r\n");
    EXPECT_EQ(Get("favcol"), "16711680\r\n255\r\n");
    EXPECT_EQ(Get("colors"), "#00FF00\r\n");

    ColorPicker& again = Start();
    EXPECT_EQ(Texts(again.Favourites.Rows()), (QStringList{"#0000FF", "#FF0000"}));
    EXPECT_EQ(again.Favourites.FillColor(0), 16711680);
    EXPECT_EQ(again.Favourites.FillColor(1), 255);
    EXPECT_EQ(Texts(again.History.Rows()), QStringList{"#00FF00"});
    EXPECT_EQ(again.History.FillColor(0), ColorWhite);
}

TEST_F(SettingsStoreTest, FavouritesWithoutTheirValuesFileAreWhite) {
    Put("fav", "#FF0000\r\n#0000FF\r\n");
    ColorPicker& p = Start();
    EXPECT_EQ(p.Favourites.rowCount(), 2);
    EXPECT_EQ(p.Favourites.FillColor(1), ColorWhite);
}

// Something that is no file to read stands in the place of one file: that file is left as it is (with
// its partner, for the favourites), the others are read and saved, and the problem is told.
TEST_F(SettingsStoreTest, AFileThatCannotBeReadIsToldAndNeverOverwritten) {
#ifndef _WIN32
    ::alarm(30); // a FIFO that hung the start ends the test
#endif
    const struct {
        const char* Broken;
        const char* Kind;
        QStringList Saved;
        const char* Reason; // in the words of the program's messages
    } cases[] = {
        {"colors", "fifo", {"default", "fav", "favcol"}, "不是普通文件"},
        {"colors", "folder", {"default", "fav", "favcol"}, "这是文件夹，不是文件"},
        {"fav", "link", {"colors", "default"}, "链接指向的文件不存在"},
        {"favcol", "fifo", {"colors", "default"}, "不是普通文件"},
        {"default", "folder", {"colors", "fav", "favcol"}, "这是文件夹，不是文件"},
    };
    for (const auto& c : cases) {
#ifdef _WIN32
        if (std::string(c.Kind) != "folder")
            continue;
#endif
        SCOPED_TRACE(std::string(c.Broken) + " " + c.Kind);
        QDir(Folder()).removeRecursively();
        QDir().mkpath(Folder());
        for (const char* name : {"default", "colors", "fav", "favcol"})
            Put(name, "old\r\n");
        const QString broken = Folder() + c.Broken;
        QFile::remove(broken);
        if (std::string(c.Kind) == "folder")
            QDir().mkdir(broken);
#ifndef _WIN32
        else if (std::string(c.Kind) == "fifo")
            ASSERT_EQ(::mkfifo(QFile::encodeName(broken).constData(), 0600), 0);
        else
            QFile::link(Folder() + "nothing", broken);
#endif

        ColorPicker& p = Start();
        ASSERT_EQ(store->ReadProblems().size(), 1);
        EXPECT_EQ(store->ReadProblems()[0], "无法读取" + broken + "（" + c.Reason + "），文件保持原样");
        EXPECT_EQ(p.Hint(), store->ReadProblems()[0]);
        p.Current.ShowAsCurrentColor(255);
        p.BtnAddColorFavClick();
        p.History.InsertTop("new", "1");
        End();
        for (const char* name : {"default", "colors", "fav", "favcol"})
            if (QString(name) != c.Broken) {
                EXPECT_EQ(Get(name) == "old\r\n", !c.Saved.contains(name)) << name;
            }
        EXPECT_FALSE(QFileInfo(broken).isFile());
    }
#ifndef _WIN32
    ::alarm(0);
#endif
}

#ifndef _WIN32
TEST_F(SettingsStoreTest, FromAReadOnlyProgramFolderFavouritesAreReadThenSavedToTheConfigFolder) {
    SmallFileSystem program(64);
    if (!program.Mounted())
        GTEST_SKIP() << "no file system can be mounted here (neither root nor a user namespace)";
    WriteFileAtomically(program.Path("fav"), "#FF0000\r\n");
    WriteFileAtomically(program.Path("favcol"), "255\r\n");
    program.MakeReadOnly();
    const QString config = Folder() + "tintra/";
    ColorPicker& p = Start(ChooseDataFolders(program.Path(""), config, SettingsStore::FileNames));
    EXPECT_EQ(Texts(p.Favourites.Rows()), QStringList{"#FF0000"});
    End();
    EXPECT_EQ(FilesIn(config), (QStringList{"colors", "default", "fav", "favcol"}));
    EXPECT_EQ(ReadFileIfExists(config + "favcol"), QByteArray("255\r\n"));
}

// The favourites are saved again with a second colour, and the save is stopped at a rename of the pair:
// the next start has each row in its own colour, the old pair's or the new one's, and nothing beside.
TEST_F(SettingsStoreTest, AFavouritesSaveStoppedAtARenameLeavesRowsWithTheirColors) {
    const struct {
        const char* Renamed;
        bool After;
    } stops[] = {{"fav", false}, {"fav", true}, {"favcol", true}};
    const QStringList oldPair{"#FF0000 255"}, newPair{"#0000FF 16711680", "#FF0000 255"};
    for (const auto& stop : stops) {
        SCOPED_TRACE(std::string(stop.After ? "after " : "before ") + stop.Renamed);
        QDir(Folder()).removeRecursively();
        QDir().mkpath(Folder());
        Start().Current.ShowAsCurrentColor(255);
        picker->BtnAddColorFavClick();
        End();
        const int status = RunInChild([&] {
            Start().Current.ShowAsCurrentColor(16711680);
            picker->BtnAddColorFavClick();
            file_calls::stopAt = stop.Renamed;
            file_calls::stopAfter = stop.After;
            End();
        });
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the save was not stopped";

        ColorPicker& p = Start();
        QStringList pairs;
        for (int row = 0; row < p.Favourites.rowCount(); ++row)
            pairs << Texts(p.Favourites.Rows())[row] + ' ' + QString::number(p.Favourites.FillColor(row));
        EXPECT_TRUE(pairs == oldPair || pairs == newPair) << pairs.join(", ").toStdString();
        EXPECT_EQ(QDir(Folder()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
                  (QStringList{"colors", "default", "fav", "favcol"}));
    }
}

// Each file is synced under its new name before it takes the old one's place; the favourites' pair
// only once a synced marker names both new files, which goes once both are in place.
TEST_F(SettingsStoreTest, EveryFileIsSyncedBeforeItReplacesTheOldOne) {
    Start().Current.ShowAsCurrentColor(255);
    picker->BtnAddColorFavClick();
    file_calls::seen.clear();
    file_calls::watching = true;
    End();
    file_calls::watching = false;
    const std::vector<std::string> expected{
        "sync .default.new",
        "rename .default.new default",
        "sync .colors.new",
        "rename .colors.new colors",
        "sync .fav.new",
        "sync .favcol.new",
        "sync ..fav.new-pair.new",
        "rename ..fav.new-pair.new .fav.new-pair",
        "sync folder",
        "rename .fav.new fav",
        "rename .favcol.new favcol",
        "sync folder",
    };
    EXPECT_EQ(file_calls::seen, expected);
    EXPECT_EQ(Get("favcol"), "255\r\n");
}

// Files the user may not read (mode 000) or write (0444) are left as they are, the favourites' with
// their partner, and said: as the unprivileged user, since root may read and write them all.
TEST_F(SettingsStoreTest, AFileTheUserMayNotReadOrWriteIsKeptAndTold) {
    const struct {
        const char* Name;
        mode_t Mode;
        const char* Told; // the start of the one problem said, at the start or at the end
        QStringList Kept;
    } cases[] = {
        {"favcol", 0000, "无法读取", {"fav", "favcol"}}, {"default", 0000, "无法读取", {"default"}},
        {"fav", 0444, "无法保存", {"fav", "favcol"}},    {"colors", 0444, "无法保存", {"colors"}},
        {"default", 0444, "无法保存", {"default"}},
    };
    const int status = RunAsUser(folder.path(), [&] {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.Name) + " " + std::to_string(c.Mode));
            const QByteArray path = QFile::encodeName(Folder() + c.Name);
            for (const char* name : {"default", "colors", "fav", "favcol"})
                Put(name, "old\r\n");
            ASSERT_EQ(::chmod(path.constData(), c.Mode), 0);
            Start().Current.ShowAsCurrentColor(255);
            picker->BtnAddColorFavClick();
            picker->History.InsertTop("new", "1");
            End();
            const QStringList told = store->ReadProblems() + store->SaveProblems();
            ASSERT_EQ(told.size(), 1);
            EXPECT_TRUE(told[0].startsWith(c.Told + Folder() + c.Name)) << told[0].toStdString();
            struct stat file {};
            ::stat(path.constData(), &file);
            EXPECT_EQ(file.st_mode & 0777, c.Mode);
            ::chmod(path.constData(), 0600);
            for (const char* name : {"default", "colors", "fav", "favcol"})
                EXPECT_EQ(Get(name) == "old\r\n", c.Kept.contains(name)) << name;
        }
    });
    if (WIFEXITED(status) && WEXITSTATUS(status) == CannotBecomeUser)
        GTEST_SKIP() << "cannot run as the user nobody in the test's folder here";
    EXPECT_TRUE(PassedInChild(status));
}

// Read in a process whose address space may grow by twice the file's size and a few megabytes.
TEST_F(SettingsStoreTest, ASettingsFileOfTenMillionBlankLinesIsReadInLittleMoreThanItsSize) {
    if (AddressSanitizer)
        GTEST_SKIP() << "AddressSanitizer reserves more address space than any such bound";
    constexpr rlim_t size = 10'000'000;
    Put("default", "[default]\r\n" + QByteArray(size, '\n') + "ColorValType=4\r\n");
    const int status = RunInChild([&] {
        picker = std::make_unique<ColorPicker>(system);
        store = std::make_unique<SettingsStore>(*picker);
        rlim_t pages = 0;
        std::FILE* statm = std::fopen("/proc/self/statm", "r");
        ASSERT_EQ(std::fscanf(statm, "%lu", &pages), 1);
        std::fclose(statm);
        const rlimit bound{pages * ::sysconf(_SC_PAGESIZE) + 2 * size + (8 << 20), RLIM_INFINITY};
        ASSERT_EQ(::setrlimit(RLIMIT_AS, &bound), 0);
        store->LoadSettings(Here());
        EXPECT_EQ(picker->Current.Format(), 4);
    });
    EXPECT_TRUE(PassedInChild(status));
}
#endif

TEST_F(SettingsStoreTest, ASaveThatFailsIsTold) {
    Start({"/proc/tintra/", "/proc/tintra/"});
    End();
    ASSERT_EQ(store->SaveProblems().size(), 3); // the settings, the history and the favourites
    EXPECT_TRUE(store->SaveProblems()[0].startsWith("无法保存/proc/tintra/default"));
}

TEST_F(SettingsStoreTest, AMillionLineHistoryFileComesBackByteForByte) {
    QByteArray rows;
    for (int i = 0; i < 1'000'000; ++i)
        rows += "#" + QByteArray::number(i, 16).rightJustified(6, '0') + "\r\n";
    Put("colors", rows);
    ColorPicker& p = Start();
    EXPECT_EQ(p.History.rowCount(), 1'000'000);
    End();
    EXPECT_EQ(Get("colors"), rows);
}

} // namespace
