#pragma once

#include "core/collections/ClipboardOutput.h"
#include "core/collections/ColorAdjuster.h"
#include "core/collections/ColorList.h"
#include "core/collections/HistoryList.h"
#include "core/color/CurrentColor.h"
#include "core/picker/HotkeyChoice.h"
#include "core/picker/PickLoop.h"
#include "core/picker/ShareToken.h"

#include <QObject>
#include <QPoint>
#include <QString>

#include <string>

class SystemColors;

// The program without its windows: the current colour, the history and favourites, the adjuster, the
// clipboard output, picking, the magnifier's zoom, always-on-top and the hint line, with the rules
// that run across them. Windows show it and pass the user's actions in; each handler keeps its
// name and runs guarded.
class ColorPicker : public QObject {
    Q_OBJECT
public:
    explicit ColorPicker(const SystemColors& systemColors, QObject* parent = nullptr);

    CurrentColor Current;
    HistoryList History;
    ColorList Favourites;
    ClipboardOutput Clipboard;
    ColorAdjuster Adjuster;
    PickLoop Picking;
    ShareToken ScreenShare;
    HotkeyChoice Hotkey;

    // The hint line at the foot of the window.
    const QString& Hint() const { return hint_; }
    void SetHint(const QString& text);

    // The magnifier's zoom level, 1 to 4: it magnifies twice that.
    int ZoomLevel() const { return zoomLevel_; }
    void BtnZoomInClick();
    void BtnZoomoutClick();

    // The side of the square whose mean colour a pick reads round the pointer: 1 (the pixel), 3 or 5.
    int SampleSide() const { return sampleSide_; }
    // Any other side reads the pixel.
    void SetSampleSide(int side);

    bool AlwaysOnTop() const { return alwaysOnTop_; }
    void BtnAlwaysOnTopClick();
    // A stored setting goes through the click, so the window's band always follows the state.
    void ApplyAlwaysOnTop(bool onTop);

    // How picking reaches the screen here, through which back end; where there is no way, the
    // desktop's reason (if any) for the hint line.
    void SetPickingWay(PickingWay way, const QString& reason = {}, const QString& backEnd = {});
    // What the desktop's back end says before it asks the user (empty once that is past): the hint line
    // shows it, and says it again after the position while the screen cannot be read.
    void ExplainAccess(const QString& text);
    // The magnifier's word at each tick: where the pointer is, and whether the screen there was read.
    void ShowPointerPosition(QPoint pointer, bool read);
    // A colour chosen with a click in the pick mode or with the desktop's tool: it goes into the
    // history (unless it repeats the focused row) and becomes current, copied as a history click
    // copies; the pick mode ends.
    void TakePickedColor(ColorValue color);
    // The colour under the pointer read now, taken as a pick takes it (the pick mode stays) and copied
    // as the copy button copies; nothing is taken where the screen cannot be read there.
    void CopyColorUnderPointer();
    // The keyboard asked to move the pointer where the desktop keeps it to the user's hand.
    void PointerAimRefused();
    // The desktop had nothing to open the help page or the maker's site with.
    void LinkFailed(const QString& target);
    // The desktop or the user refused the screen: picking goes off, and the hint line says why.
    void PickingRefused(const QString& why);
    // The global hotkey, pressed in any window: the colour under the pointer is taken as a pick takes
    // it and copied as the copy button copies; picking stays as it was.
    void HotkeyPressed();
    // The desktop would not give the hotkey: the hint line says why, and so does the menu.
    void HotkeyRefused(const QString& why);

    // The palette panel, with the adjuster, shows exactly while picking is off.
    bool PaletteShown() const { return !Picking.PickingOn(); }

    // The user's actions.
    void LbColorsClick(int row);
    void LbFavColorClick(int row);
    void BtnCopyColorClick();
    void LbPasteTypeClick(int row);
    void CbColorValTypeChange(int format);
    void BtnAddColorFavClick();
    void BtnClearAllColorClick();
    void BtnClearColorFavClick(const QList<int>& selectedRows);
    void ClearFavourites();
    // What the random colour command does once a colour was picked in its window.
    void TakeRandomColor(ColorValue color);
    void SyncAdjusterBars();

    // The current colour's WCAG contrast with the favourites' focused row, as the desktop paints both:
    // what the value field's hint says (the levels passed), and what the menu copies.
    QString ContrastHint() const;
    void CopyContrast();

signals:
    void HintChanged();
    // The current colour or the favourites changed, and with them the contrast.
    void ContrastChanged();
    void ZoomChanged();
    void SampleSideChanged();
    void AlwaysOnTopChanged();

private:
    // The current colour as a click on it or on a row takes it: sample, bars, clipboard.
    void CopyCurrentColor();
    // A colour read from the screen becomes current, goes into the history unless it repeats the
    // focused row, and is copied.
    void TakeColor(ColorValue color);

    QString hint_;
    QString startHint_;
    QString accessNote_;
    // The position last written where the screen was read, and in what words: at a tick where the
    // pointer rests, the hint still saying it is not written again.
    QPoint positionPointer_;
    std::string positionFormat_;
    QString positionText_;
    int sampleSide_ = 1;
    int zoomLevel_ = 1;
    bool alwaysOnTop_ = false;
};
