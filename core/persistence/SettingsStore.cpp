#include "core/persistence/SettingsStore.h"

#include "core/collections/ColourList.h"
#include "core/collections/FavouritesList.h"
#include "core/collections/HistoryList.h"
#include "core/persistence/ListFile.h"
#include "ui/picker/SpeedButton.h"
#include "ui/picker/TFrmScreenColor.h"
#include "platform/Folders.h"
#include "platform/Platform.h"
#include "platform/SingleCopy.h"
#include "core/Guard.h"
#include "core/windows/Messages.h"

#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QSignalBlocker>

namespace {

constexpr std::string_view Section = "default";
const QString SettingsName = QStringLiteral("default");
const QString ColorsName = QStringLiteral("colors");
const QString FavName = QStringLiteral("fav");
const QString FavColName = QStringLiteral("favcol");

// The stored index when the list has such a row, else none.
int RowOrNone(int stored, int count) { return stored >= 0 && stored < count ? stored : -1; }

QString Problem(const std::string& message, const FileError& error) {
    return QString::asprintf(message.c_str(), error.Path.toUtf8().constData(),
                             error.Reason.toUtf8().constData());
}

} // namespace

SettingsStore::SettingsStore(TFrmScreenColor& window) : QObject(&window), window_(window) {}

std::optional<QByteArray> SettingsStore::Read(const QString& name) {
    try {
        return ReadFileIfExists(folders_.Read + name);
    } catch (const FileError& error) {
        unreadable_.insert(name);
        readProblems_ << Problem(MsgCannotRead, error);
        return std::nullopt;
    }
}

void SettingsStore::LoadSettings() {
    RunGuarded([this] {
        const Folders& places = window_.Desktop().Places();
        folders_ = ChooseDataFolders(places.ProgramFolder(), places.ConfigFolder(),
                                     {SettingsName, ColorsName, FavName, FavColName});
        // A second copy would write its old lists over what the first one keeps.
        if (!window_.Desktop().Copies().Claim(folders_.Write)) {
            anotherCopyRuns_ = true;
            return;
        }
        // What a copy stopped in the middle of a save left beside the files is of no use to anyone.
        QDir write(folders_.Write);
        for (const QString& name : {SettingsName, ColorsName, FavName, FavColName})
            for (const QString& leftOver :
                 write.entryList({'.' + name + QStringLiteral(".new-*")}, QDir::Files | QDir::Hidden))
                write.remove(leftOver);
        SettingsPath = folders_.Write + SettingsName;
        ColorsPath = folders_.Write + ColorsName;
        FavPath = folders_.Write + FavName;
        FavColPath = folders_.Write + FavColName;
        loaded_ = true;

        const auto bytes = Read(SettingsName);
        settings_ = bytes ? IniDocument(std::string_view(bytes->constData(), bytes->size())) : IniDocument();
        {
            // Selecting here runs neither list's change handler.
            const QSignalBlocker quietPasteType(window_.LbPasteType);
            window_.LbPasteType->setCurrentRow(
                RowOrNone(settings_.ReadInteger(Section, "PasteType", 0), window_.LbPasteType->count()));
            const QSignalBlocker quietFormat(window_.CbColorValType);
            window_.CbColorValType->setCurrentIndex(RowOrNone(
                settings_.ReadInteger(Section, "ColorValType", 0), window_.CbColorValType->count()));
        }

        // The click flips the state back to the stored one and sets the picture and the band with it.
        window_.BtnAlwaysOnTop->Tag = settings_.ReadBool(Section, "AlwaysOnTop", true) ? 0 : 1;
        window_.BtnAlwaysOnTop->click();

        // Each list is read on its own, so one that cannot be read costs no other.
        ColourList& history = window_.History->Model();
        ColourList& favourites = window_.Favourites->Model();
        history.Clear();
        favourites.Clear();
        if (auto rows = Read(ColorsName))
            history.SetRows(ParseListFile(std::move(*rows)));
        if (auto rows = Read(FavName))
            favourites.SetRows(ParseListFile(std::move(*rows)));
        if (auto values = Read(FavColName))
            favourites.SetValues(ParseListFile(std::move(*values)));
        // The favourites' rows and values are saved together or not at all.
        if (unreadable_.contains(FavName) || unreadable_.contains(FavColName))
            unreadable_ += {FavName, FavColName};

        const int prefix = settings_.ReadInteger(Section, "CbColorPre", 0);
        window_.BtnColorPre->Tag = prefix;
        window_.BtnColorPre->LoadGlyph(prefix == 0 ? QStringLiteral("ccolorpre")
                                                   : QStringLiteral("nccolorpre"));
    });
}

void SettingsStore::SaveSettings() {
    saveProblems_.clear();
    if (!loaded_)
        return; // another copy keeps the files
    // Every file is tried, so that the favourites are kept whatever befell the settings before them.
    auto attempt = [this](auto&& save) {
        try {
            save();
        } catch (const FileError& error) {
            saveProblems_ << Problem(MsgCannotSave, error);
        } catch (...) {
        }
    };
    if (!unreadable_.contains(SettingsName))
        attempt([this] {
            settings_.WriteInteger(Section, "PasteType", window_.LbPasteType->currentRow());
            settings_.WriteInteger(Section, "ColorValType", window_.CbColorValType->currentIndex());
            settings_.WriteInteger(Section, "left", window_.x());
            settings_.WriteInteger(Section, "top", window_.y());
            settings_.WriteInteger(Section, "CbColorPre", window_.BtnColorPre->Tag);
            settings_.WriteBool(Section, "AlwaysOnTop", window_.BtnAlwaysOnTop->Tag == 1);
            const std::string bytes = settings_.Bytes();
            WriteFileAtomically(SettingsPath, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
        });
    if (!unreadable_.contains(ColorsName))
        attempt([this] {
            FileReplacement colors(ColorsPath);
            WriteListFile(window_.History->Model().Rows(),
                          [&](const QByteArray& piece) { colors.Write(piece); });
            colors.Finish();
            colors.Commit();
        });
    if (!unreadable_.contains(FavName))
        attempt([this] {
            // Both are written whole and synced before either replaces its old file: a stop between
            // them leaves the old pair or the new one, never rows against the wrong colours.
            const ColourList& favourites = window_.Favourites->Model();
            FileReplacement fav(FavPath), favcol(FavColPath);
            WriteListFile(favourites.Rows(), [&](const QByteArray& piece) { fav.Write(piece); });
            WriteListFile(favourites.Values(), [&](const QByteArray& piece) { favcol.Write(piece); });
            fav.Finish();
            favcol.Finish();
            fav.Commit();
            favcol.Commit();
        });
}
