#include "persistence/SettingsStore.h"

#include "collections/ColourList.h"
#include "collections/FavouritesList.h"
#include "collections/HistoryList.h"
#include "persistence/FileStore.h"
#include "persistence/ListFile.h"
#include "picker/SpeedButton.h"
#include "picker/TFrmScreenColor.h"
#include "platform/Folders.h"
#include "platform/Platform.h"
#include "windows/Guard.h"

#include <QComboBox>
#include <QListWidget>
#include <QSignalBlocker>

namespace {

constexpr std::string_view Section = "default";

// The stored index when the list has such a row, else none.
int RowOrNone(int stored, int count) { return stored >= 0 && stored < count ? stored : -1; }

} // namespace

SettingsStore::SettingsStore(TFrmScreenColor& window) : QObject(&window), window_(window) {}

void SettingsStore::LoadSettings() {
    RunGuarded([this] {
        const Folders& places = window_.Desktop().Places();
        const QString folder = ChooseDataFolder(places.ProgramFolder(), places.ConfigFolder());
        SettingsPath = folder + QStringLiteral("default");
        const auto bytes = ReadFileIfExists(SettingsPath);
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

        ColourList& history = window_.History->Model();
        ColourList& favourites = window_.Favourites->Model();
        history.ClearRows();
        favourites.ClearRows();
        ColorsPath = folder + QStringLiteral("colors");
        if (auto rows = ReadFileIfExists(ColorsPath))
            history.SetRows(ParseListFile(std::move(*rows)));
        FavPath = folder + QStringLiteral("fav");
        FavColPath = folder + QStringLiteral("favcol");
        if (auto rows = ReadFileIfExists(FavPath))
            favourites.SetRows(ParseListFile(std::move(*rows)));
        auto values = ReadFileIfExists(FavColPath);
        favourites.SetValues(values ? ParseListFile(std::move(*values)) : ListEntries());
        history.SetValues({});
        listsLoaded_ = true;

        const int prefix = settings_.ReadInteger(Section, "CbColorPre", 0);
        window_.BtnColorPre->Tag = prefix;
        window_.BtnColorPre->LoadGlyph(prefix == 0 ? QStringLiteral("ccolorpre")
                                                   : QStringLiteral("nccolorpre"));
    });
}

void SettingsStore::SaveSettings() {
    RunGuarded([this] {
        settings_.WriteInteger(Section, "PasteType", window_.LbPasteType->currentRow());
        settings_.WriteInteger(Section, "ColorValType", window_.CbColorValType->currentIndex());
        settings_.WriteInteger(Section, "left", window_.x());
        settings_.WriteInteger(Section, "top", window_.y());
        settings_.WriteInteger(Section, "CbColorPre", window_.BtnColorPre->Tag);
        settings_.WriteBool(Section, "AlwaysOnTop", window_.BtnAlwaysOnTop->Tag == 1);
        const std::string bytes = settings_.Bytes();
        WriteFileAtomically(SettingsPath, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));

        if (!listsLoaded_)
            return;
        WriteFileAtomically(ColorsPath, FormatListFile(window_.History->Model().Rows()));
        WriteFileAtomically(FavPath, FormatListFile(window_.Favourites->Model().Rows()));
        WriteFileAtomically(FavColPath, FormatListFile(window_.Favourites->Model().Values()));
    });
}
