#include "core/picker/ColorPicker.h"

#include "core/color/ContrastRatio.h"
#include "core/Guard.h"
#include "core/Logging.h"
#include "core/windows/Messages.h"

#include <optional>
#include <stdexcept>

namespace {

struct FavouriteContrast {
    ColorValue Favourite;
    double Ratio;
};

std::optional<FavouriteContrast> ContrastWithFavourite(const CurrentColor& current,
                                                       const ColorList& favourites) {
    const int row = favourites.FocusedRow();
    if (row < 0)
        return std::nullopt;
    const ColorValue favourite = favourites.PaintColor(row);
    return FavouriteContrast{favourite, ContrastRatio(current.ShownColor(), favourite)};
}

QString FavouriteText(const FavouriteContrast& contrast) {
    return ColorPicker::tr("收藏颜色 #") + QString::fromStdString(ColorToHexText(contrast.Favourite));
}

QString RatioText(const FavouriteContrast& contrast) {
    return QString::fromStdString(ContrastRatioText(contrast.Ratio));
}

QString NoFavouriteToCompare() { return ColorPicker::tr("没有收藏颜色，无从比较对比度"); }

} // namespace

ColorPicker::ColorPicker(const SystemColors& systemColors, QObject* parent)
    : QObject(parent), Current(systemColors), History(systemColors), Favourites(systemColors),
      Clipboard(Current), Adjuster(Current, Clipboard), Picking(Current, History, Clipboard) {
    connect(&Clipboard, &ClipboardOutput::Copied, this, &ColorPicker::SetHint);
    connect(&Picking, &PickLoop::ScreenUnreadable, this, [this] {
        SetHint(accessNote_.isEmpty() ? QString::fromStdString(MsgScreenUnreadable) : accessNote_);
    });
    connect(&Picking, &PickLoop::WaitingForButton, this, [this] { SetHint(startHint_); });
    connect(&Picking, &PickLoop::AccessMissing, this, [this] { SetHint(startHint_); });
    connect(&Current, &CurrentColor::Changed, this, &ColorPicker::ContrastChanged);
    for (auto change : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(&Favourites, change, this, &ColorPicker::ContrastChanged);
    connect(&Favourites, &QAbstractItemModel::modelReset, this, &ColorPicker::ContrastChanged);
    connect(&Favourites, &QAbstractItemModel::dataChanged, this, &ColorPicker::ContrastChanged);
}

void ColorPicker::SetPickingWay(PickingWay way, const QString& reason, const QString& backEnd) {
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

void ColorPicker::ExplainAccess(const QString& text) {
    accessNote_ = text;
    SetHint(text);
}

void ColorPicker::ShowPointerPosition(QPoint pointer, bool read) {
    if (read && pointer == positionPointer_ && hint_ == positionText_ && MsgCursorPosition == positionFormat_)
        return;
    QString position = QString::asprintf(MsgCursorPosition.c_str(), pointer.x(), pointer.y());
    if (!read)
        position += QStringLiteral("，") +
                    (accessNote_.isEmpty() ? QString::fromStdString(MsgScreenUnreadable) : accessNote_);
    SetHint(position);
    if (read) {
        positionPointer_ = pointer;
        positionFormat_ = MsgCursorPosition;
        positionText_ = position;
    }
}

void ColorPicker::TakePickedColor(ColorValue color) {
    RunGuarded([=, this] {
        Picking.SwitchPickingOff();
        TakeColor(color);
    });
}

void ColorPicker::CopyColorUnderPointer() {
    RunGuarded([this] {
        const std::optional<ColorValue> color = Picking.ReadScreen();
        if (!color) {
            qCDebug(lcPicking, "nothing copied: the screen could not be read under the pointer");
            emit Picking.ScreenUnreadable();
            return;
        }
        TakeColor(*color);
    });
}

void ColorPicker::PointerAimRefused() { SetHint(QString::fromStdString(MsgNoPointerAim)); }

void ColorPicker::LinkFailed(const QString& target) {
    SetHint(QString::asprintf(MsgCannotOpenLink.c_str(), qUtf8Printable(target)));
}

void ColorPicker::TakeColor(ColorValue color) {
    Current.ShowAsCurrentColor(color);
    if (!History.RepeatRuleHolds(color))
        History.AddToHistory(Current.Text(), Current.Color());
    CopyCurrentColor();
}

void ColorPicker::HotkeyPressed() {
    qCInfo(lcPicking, "the global hotkey was pressed");
    CopyColorUnderPointer();
}

void ColorPicker::HotkeyRefused(const QString& why) {
    Hotkey.SetProblem(why);
    SetHint(why);
}

void ColorPicker::PickingRefused(const QString& why) {
    RunGuarded([=, this] {
        Picking.SwitchPickingOff();
        SetHint(why);
    });
}

QString ColorPicker::ContrastHint() const {
    const auto contrast = ContrastWithFavourite(Current, Favourites);
    if (!contrast)
        return NoFavouriteToCompare();
    const ContrastLevels levels = ContrastLevelsOf(contrast->Ratio);
    const auto verdict = [](bool met) { return met ? tr("通过") : tr("未通过"); };
    return tr("与%1 的对比度 %2\nAA：普通文字%3，大字%4\nAAA：普通文字%5，大字%6")
        .arg(FavouriteText(*contrast), RatioText(*contrast), verdict(levels.AaNormal),
             verdict(levels.AaLarge), verdict(levels.AaaNormal), verdict(levels.AaaLarge));
}

void ColorPicker::CopyContrast() {
    RunGuarded([this] {
        const auto contrast = ContrastWithFavourite(Current, Favourites);
        if (!contrast) {
            SetHint(NoFavouriteToCompare());
            return;
        }
        Clipboard.WriteText(RatioText(*contrast));
        SetHint(tr("已复制与%1 的对比度 %2").arg(FavouriteText(*contrast), RatioText(*contrast)));
    });
}

void ColorPicker::SetHint(const QString& text) {
    if (text == hint_)
        return;
    hint_ = text;
    emit HintChanged();
}

void ColorPicker::BtnZoomInClick() {
    RunGuarded([this] {
        if (zoomLevel_ < 4) {
            ++zoomLevel_;
            emit ZoomChanged();
        }
    });
}

void ColorPicker::BtnZoomoutClick() {
    RunGuarded([this] {
        if (zoomLevel_ > 1) {
            --zoomLevel_;
            emit ZoomChanged();
        }
    });
}

void ColorPicker::SetSampleSide(int side) {
    const int chosen = side == 3 || side == 5 ? side : 1;
    if (chosen == sampleSide_)
        return;
    sampleSide_ = chosen;
    emit SampleSideChanged();
}

void ColorPicker::BtnAlwaysOnTopClick() {
    RunGuarded([this] {
        alwaysOnTop_ = !alwaysOnTop_;
        emit AlwaysOnTopChanged();
    });
}

void ColorPicker::ApplyAlwaysOnTop(bool onTop) {
    alwaysOnTop_ = !onTop;
    BtnAlwaysOnTopClick();
}

void ColorPicker::SyncAdjusterBars() {
    if (PaletteShown())
        Adjuster.SyncAdjusterBars();
}

void ColorPicker::LbColorsClick(int row) {
    RunGuarded([=, this] {
        History.ChooseRow(row);
        Picking.SwitchPickingOff();
        const auto value = History.ValueText(row);
        if (!value)
            throw std::out_of_range("the chosen row has no value");
        Current.ShowAsCurrentColorFromText(*value);
        CopyCurrentColor();
    });
}

void ColorPicker::LbFavColorClick(int row) {
    RunGuarded([=, this] {
        Favourites.ChooseRow(row);
        Picking.SwitchPickingOff();
        if (const auto value = Favourites.ValueText(row))
            Current.ShowAsCurrentColorFromText(*value);
        else
            Current.ShowAsCurrentColor(ColorWhite);
        CopyCurrentColor();
    });
}

void ColorPicker::BtnCopyColorClick() {
    RunGuarded([this] { CopyCurrentColor(); });
}

void ColorPicker::CopyCurrentColor() {
    Clipboard.PaintCopySample();
    SyncAdjusterBars();
    Clipboard.CopyColorToClipboard();
}

void ColorPicker::LbPasteTypeClick(int row) {
    RunGuarded([=, this] {
        Clipboard.SetPasteType(row);
        Clipboard.CopyColorToClipboard();
    });
}

void ColorPicker::CbColorValTypeChange(int format) {
    RunGuarded([=, this] {
        Current.SetFormat(format);
        Current.ShowAsCurrentColor(Current.Color());
        Clipboard.CopyColorToClipboard();
    });
}

void ColorPicker::BtnAddColorFavClick() {
    RunGuarded([this] { Favourites.InsertTop(Current.Text(), QString::number(Current.Color())); });
}

void ColorPicker::BtnClearAllColorClick() {
    RunGuarded([this] { History.Clear(); });
}

void ColorPicker::BtnClearColorFavClick(const QList<int>& selectedRows) {
    RunGuarded([&] { Favourites.RemoveRows(selectedRows); });
}

void ColorPicker::ClearFavourites() {
    RunGuarded([this] { Favourites.Clear(); });
}

void ColorPicker::TakeRandomColor(ColorValue color) {
    RunGuarded([=, this] {
        Current.ShowAsCurrentColor(color);
        BtnCopyColorClick();
    });
}
