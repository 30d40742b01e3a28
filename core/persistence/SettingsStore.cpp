#include "core/persistence/SettingsStore.h"

#include "core/Guard.h"
#include "core/Logging.h"
#include "core/persistence/ListFile.h"
#include "core/picker/ColorPicker.h"
#include "core/windows/Messages.h"

#include <QDir>

#include <algorithm>

namespace {

constexpr std::string_view Section = "default";
constexpr std::string_view ScreenShareTokenKey = "ScreenShareToken";
constexpr std::string_view SampleSizeKey = "SampleSize";
constexpr std::string_view HotkeyKey = "GlobalHotkey";
constexpr std::string_view HotkeyKeysKey = "GlobalHotkeyKeys";
const QString SettingsName = QStringLiteral("default");
const QString ColorsName = QStringLiteral("colors");
const QString FavName = QStringLiteral("fav");
const QString FavColName = QStringLiteral("favcol");
// Names the favourites' new files while they replace the old ones. Named like fav's left-overs, so that
// an older version sweeps it with them.
const QString FavouritesMarkerName = QStringLiteral(".fav.new-pair");

// The stored index when the list has such a row, else none.
int RowOrNone(int stored, int count) { return stored >= 0 && stored < count ? stored : -1; }

} // namespace

const QStringList SettingsStore::FileNames{SettingsName, ColorsName, FavName, FavColName};

namespace {

// The document's bytes, not copied.
QByteArray BytesOf(const IniDocument& document) {
    const std::string& bytes = document.Bytes();
    return QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::optional<IniDocument> ReadSettingsFile(const QString& path) {
    try {
        const QByteArray bytes = ReadFileIfExists(path).value_or(QByteArray());
        return IniDocument(std::string_view(bytes.constData(), bytes.size()));
    } catch (const FileError&) {
        return std::nullopt;
    }
}

} // namespace

std::optional<QString> StoredShareToken(const QString& path) {
    const auto settings = ReadSettingsFile(path);
    if (!settings)
        return std::nullopt;
    return QString::fromStdString(settings->ReadString(Section, ScreenShareTokenKey).value_or(""));
}

bool StoreShareToken(const QString& readPath, const QString& writePath, const QString& token) {
    auto settings = ReadSettingsFile(readPath);
    if (!settings)
        return false;
    settings->WriteString(Section, ScreenShareTokenKey, token.toStdString());
    try {
        WriteFileAtomically(writePath, BytesOf(*settings));
        return true;
    } catch (const FileError&) {
        return false;
    }
}

SettingsStore::SettingsStore(ColorPicker& picker) : picker_(picker) {}

std::optional<QByteArray> SettingsStore::Read(const QString& name) {
    try {
        auto bytes = ReadFileIfExists(folders_.Read + name);
        unreadable_.remove(name);
        return bytes;
    } catch (const FileError& error) {
        unreadable_.insert(name);
        qCInfo(lcFiles) << "cannot read" << error.Path << "-" << error.Reason;
        readProblems_ << error.Told(MsgCannotRead);
        return std::nullopt;
    }
}

void SettingsStore::LoadSettings(const DataFolders& folders) {
    folders_ = folders;
    loaded_ = true;
    // A file counts as unreadable until it has been read: one that a failure kept from being read is
    // never written over either.
    unreadable_ = QSet<QString>(FileNames.cbegin(), FileNames.cend());
    RunGuarded([this] {
        // A save stopped between the favourites' renames is finished before its new files would be
        // swept; if it cannot be, the favourites are left as they are, new files and all.
        bool favouritesWhole = true;
        try {
            FinishInterruptedCommit(folders_.Write + FavouritesMarkerName);
        } catch (const FileError& error) {
            qCInfo(lcFiles) << "cannot read" << error.Path << "-" << error.Reason;
            readProblems_ << error.Told(MsgCannotRead);
            favouritesWhole = false;
        }
        // What a copy stopped in the middle of a save left beside the files is of no use to anyone. The
        // names are told by their beginnings, as a wildcard would match them, without one: a wildcard
        // is a compiled pattern, whose code and memory stay for the program's life.
        QStringList leftOvers{'.' + FavouritesMarkerName + QStringLiteral(".new-")};
        for (const QString& name : FileNames)
            if (favouritesWhole || (name != FavName && name != FavColName))
                leftOvers << '.' + name + QStringLiteral(".new-");
        QDir written(folders_.Write);
        for (const QString& file : written.entryList(QDir::Files | QDir::Hidden))
            if (std::any_of(leftOvers.cbegin(), leftOvers.cend(), [&](const QString& leftOver) {
                    return file.startsWith(leftOver, Qt::CaseInsensitive);
                }))
                written.remove(file);

        const auto bytes = Read(SettingsName);
        settings_ = bytes ? IniDocument(std::string_view(bytes->constData(), bytes->size())) : IniDocument();
        picker_.Clipboard.SetPasteType(RowOrNone(settings_.ReadInteger(Section, "PasteType", 0), 2));
        picker_.Current.SetFormat(
            RowOrNone(settings_.ReadInteger(Section, "ColorValType", 0), ColorFormatCount));
        picker_.ApplyAlwaysOnTop(settings_.ReadBool(Section, "AlwaysOnTop", true));
        picker_.ScreenShare.Set(
            QString::fromStdString(settings_.ReadString(Section, ScreenShareTokenKey).value_or("")));

        // Each list is read on its own, so one that cannot be read costs no other.
        picker_.History.Clear();
        picker_.Favourites.Clear();
        if (auto rows = Read(ColorsName))
            picker_.History.SetRows(ParseListFile(std::move(*rows)));
        if (favouritesWhole) {
            if (auto rows = Read(FavName))
                picker_.Favourites.SetRows(ParseListFile(std::move(*rows)));
            if (auto values = Read(FavColName))
                picker_.Favourites.SetValues(ParseListFile(std::move(*values)));
        }
        // The favourites' rows and values are saved together or not at all.
        if (unreadable_.contains(FavName) || unreadable_.contains(FavColName))
            unreadable_ += {FavName, FavColName};

        picker_.Current.SetPrefixTag(settings_.ReadInteger(Section, "CbColorPre", 0));
        picker_.SetSampleSide(settings_.ReadInteger(Section, SampleSizeKey, 1));
        picker_.Hotkey.SetKeys(
            QString::fromStdString(settings_.ReadString(Section, HotkeyKeysKey).value_or("")));
        picker_.Hotkey.SetOn(settings_.ReadBool(Section, HotkeyKey, false));
    });
    if (!readProblems_.isEmpty())
        picker_.SetHint(readProblems_.join(QStringLiteral("；")));
}

void SettingsStore::SaveSettings(QPoint windowPosition) {
    saveProblems_.clear();
    if (!loaded_)
        return;
    // Every file is tried, so that the favourites are kept whatever befell the settings before them.
    auto attempt = [this](auto&& save) {
        try {
            save();
        } catch (const FileError& error) {
            qCInfo(lcFiles) << "cannot save" << error.Path << "-" << error.Reason;
            saveProblems_ << error.Told(MsgCannotSave);
        } catch (...) {
        }
    };
    if (!unreadable_.contains(SettingsName))
        attempt([&] {
            settings_.WriteInteger(Section, "PasteType", picker_.Clipboard.PasteType());
            settings_.WriteInteger(Section, "ColorValType", picker_.Current.Format());
            settings_.WriteInteger(Section, "left", windowPosition.x());
            settings_.WriteInteger(Section, "top", windowPosition.y());
            settings_.WriteInteger(Section, "CbColorPre", picker_.Current.PrefixTag());
            settings_.WriteBool(Section, "AlwaysOnTop", picker_.AlwaysOnTop());
            // Written once chosen, so that older files stay as they were.
            if (picker_.SampleSide() != 1 || settings_.ReadString(Section, SampleSizeKey))
                settings_.WriteInteger(Section, SampleSizeKey, picker_.SampleSide());
            // The hotkey's keys, once it has been turned on.
            if (picker_.Hotkey.On() || settings_.ReadString(Section, HotkeyKey)) {
                settings_.WriteBool(Section, HotkeyKey, picker_.Hotkey.On());
                settings_.WriteString(Section, HotkeyKeysKey, picker_.Hotkey.Keys().toStdString());
            }
            // Written only on desktops that gave one, so that other files stay as they were.
            const std::string token = picker_.ScreenShare.Value().toStdString();
            if (!token.empty() || settings_.ReadString(Section, ScreenShareTokenKey))
                settings_.WriteString(Section, ScreenShareTokenKey, token);
            WriteFileAtomically(folders_.Write + SettingsName, BytesOf(settings_));
        });
    if (!unreadable_.contains(ColorsName))
        attempt([this] {
            FileReplacement colors(folders_.Write + ColorsName);
            WriteListFile(picker_.History.Rows(), [&](const QByteArray& piece) { colors.Write(piece); });
            colors.Finish();
            colors.Commit();
        });
    if (!unreadable_.contains(FavName))
        attempt([this] {
            // Replaced as one: a stop at any point leaves the old pair or the new one to the next
            // start, never rows against the wrong colours.
            FileReplacement fav(folders_.Write + FavName), favcol(folders_.Write + FavColName);
            WriteListFile(picker_.Favourites.Rows(), [&](const QByteArray& piece) { fav.Write(piece); });
            WriteListFile(picker_.Favourites.Values(), [&](const QByteArray& piece) { favcol.Write(piece); });
            CommitTogether(fav, favcol, folders_.Write + FavouritesMarkerName);
        });
}
