#include "core/picker/ColourPicker.h"

#include "core/Guard.h"
#include "core/Logging.h"
#include "core/windows/Messages.h"

#include <stdexcept>

ColourPicker::ColourPicker(const SystemColours& systemColours, QObject* parent)
    : QObject(parent), Current(systemColours), History(systemColours), Favourites(systemColours),
      Clipboard(Current), Adjuster(Current, Clipboard), Picking(Current, History, Clipboard) {
    connect(&Clipboard, &ClipboardOutput::Copied, this, &ColourPicker::SetHint);
    connect(&Picking, &PickLoop::ScreenUnreadable, this, [this] {
        SetHint(accessNote_.isEmpty() ? QString::fromStdString(MsgScreenUnreadable) : accessNote_);
    });
    connect(&Picking, &PickLoop::WaitingForButton, this, [this] { SetHint(startHint_); });
    connect(&Picking, &PickLoop::AccessMissing, this, [this] { SetHint(startHint_); });
}

void ColourPicker::SetPickingWay(PickingWay way, const QString& reason, const QString& backEnd) {
    Picking.SetWay(way);
    switch (way) {
    case PickingWay::Live:
        startHint_.clear();
        break;
    case PickingWay::PickMode:
        startHint_ = QString::fromStdString(MsgPickModeHowTo);
        break;
    case PickingWay::OneShot:
        startHint_ = QString::fromStdString(MsgOneShotHowTo);
        break;
    case PickingWay::None:
        startHint_ = QString::fromStdString(MsgNoScreenAccess);
        if (!reason.isEmpty())
            startHint_ += QStringLiteral("：") + reason;
        break;
    }
    // Where picking is not as usual, the hint says which desktop back end it goes through.
    if (way != PickingWay::Live && !backEnd.isEmpty())
        startHint_ += QStringLiteral("（") + backEnd + QStringLiteral("）");
}

void ColourPicker::ExplainAccess(const QString& text) {
    accessNote_ = text;
    SetHint(text);
}

void ColourPicker::ShowPointerPosition(QPoint pointer, bool read) {
    QString position = QString::asprintf(MsgCursorPosition.c_str(), pointer.x(), pointer.y());
    if (!read)
        position += QStringLiteral("，") +
                    (accessNote_.isEmpty() ? QString::fromStdString(MsgScreenUnreadable) : accessNote_);
    SetHint(position);
}

void ColourPicker::TakePickedColour(ColorValue colour) {
    RunGuarded([=, this] {
        Picking.SwitchPickingOff();
        TakeColour(colour);
    });
}

void ColourPicker::CopyColourUnderPointer() {
    RunGuarded([this] {
        const std::optional<ColorValue> colour = Picking.ReadScreen();
        if (!colour) {
            qCDebug(lcPicking, "nothing copied: the screen could not be read under the pointer");
            emit Picking.ScreenUnreadable();
            return;
        }
        TakeColour(*colour);
    });
}

void ColourPicker::PointerAimRefused() { SetHint(QString::fromStdString(MsgNoPointerAim)); }

void ColourPicker::TakeColour(ColorValue colour) {
    Current.ShowAsCurrentColor(colour);
    if (!History.RepeatRuleHolds(colour))
        History.AddToHistory(Current.Text(), Current.Color());
    CopyCurrentColour();
}

void ColourPicker::HotkeyPressed() {
    qCInfo(lcPicking, "the global hotkey was pressed");
    CopyColourUnderPointer();
}

void ColourPicker::HotkeyRefused(const QString& why) {
    Hotkey.SetProblem(why);
    SetHint(why);
}

void ColourPicker::PickingRefused(const QString& why) {
    RunGuarded([=, this] {
        Picking.SwitchPickingOff();
        SetHint(why);
    });
}

void ColourPicker::SetHint(const QString& text) {
    if (text == hint_)
        return;
    hint_ = text;
    emit HintChanged();
}

void ColourPicker::BtnZoomInClick() {
    RunGuarded([this] {
        if (zoomLevel_ < 4) {
            ++zoomLevel_;
            emit ZoomChanged();
        }
    });
}

void ColourPicker::BtnZoomoutClick() {
    RunGuarded([this] {
        if (zoomLevel_ > 1) {
            --zoomLevel_;
            emit ZoomChanged();
        }
    });
}

void ColourPicker::SetSampleSide(int side) {
    const int chosen = side == 3 || side == 5 ? side : 1;
    if (chosen == sampleSide_)
        return;
    sampleSide_ = chosen;
    emit SampleSideChanged();
}

void ColourPicker::BtnAlwaysOnTopClick() {
    RunGuarded([this] {
        alwaysOnTop_ = !alwaysOnTop_;
        emit AlwaysOnTopChanged();
    });
}

void ColourPicker::ApplyAlwaysOnTop(bool onTop) {
    alwaysOnTop_ = !onTop;
    BtnAlwaysOnTopClick();
}

void ColourPicker::SyncAdjusterBars() {
    if (PaletteShown())
        Adjuster.SyncAdjusterBars();
}

void ColourPicker::LbColorsClick(int row) {
    RunGuarded([=, this] {
        History.ChooseRow(row);
        Picking.SwitchPickingOff();
        const auto value = History.ValueText(row);
        if (!value)
            throw std::out_of_range("the chosen row has no value");
        Current.ShowAsCurrentColorFromText(*value);
        CopyCurrentColour();
    });
}

void ColourPicker::LbFavColorClick(int row) {
    RunGuarded([=, this] {
        Favourites.ChooseRow(row);
        Picking.SwitchPickingOff();
        if (const auto value = Favourites.ValueText(row))
            Current.ShowAsCurrentColorFromText(*value);
        else
            Current.ShowAsCurrentColor(ColorWhite);
        CopyCurrentColour();
    });
}

void ColourPicker::BtnCopyColorClick() {
    RunGuarded([this] { CopyCurrentColour(); });
}

void ColourPicker::CopyCurrentColour() {
    Clipboard.PaintCopySample();
    SyncAdjusterBars();
    Clipboard.CopyColorToClipboard();
}

void ColourPicker::LbPasteTypeClick(int row) {
    RunGuarded([=, this] {
        Clipboard.SetPasteType(row);
        Clipboard.CopyColorToClipboard();
    });
}

void ColourPicker::CbColorValTypeChange(int format) {
    RunGuarded([=, this] {
        Current.SetFormat(format);
        Current.ShowAsCurrentColor(Current.Color());
        Clipboard.CopyColorToClipboard();
    });
}

void ColourPicker::BtnAddColorFavClick() {
    RunGuarded([this] { Favourites.InsertTop(Current.Text(), QString::number(Current.Color())); });
}

void ColourPicker::BtnClearAllColorClick() {
    RunGuarded([this] { History.Clear(); });
}

void ColourPicker::BtnClearColorFavClick(const QList<int>& selectedRows) {
    RunGuarded([&] { Favourites.RemoveRows(selectedRows); });
}

void ColourPicker::ClearFavourites() {
    RunGuarded([this] { Favourites.Clear(); });
}

void ColourPicker::TakeRandomColour(ColorValue colour) {
    RunGuarded([=, this] {
        Current.ShowAsCurrentColor(colour);
        BtnCopyColorClick();
    });
}
