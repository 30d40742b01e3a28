#pragma once

#include <QObject>
#include <QString>

#include <array>
#include <optional>

class ClipboardOutput;
class CurrentColor;

// The red, green and blue bars: moving one composes the current colour and copies it; choosing or
// copying a colour sets them without feeding back.
class ColorAdjuster : public QObject {
    Q_OBJECT
public:
    enum Bar { Red = 0, Green = 1, Blue = 2 };

    ColorAdjuster(CurrentColor& current, ClipboardOutput& clipboard, QObject* parent = nullptr);

    int Position(Bar bar) const { return positions_[bar]; }
    // The number beside the bar: "___" until the bar is first set.
    QString Label(Bar bar) const;

    // A bar the user moved (a click, a key, each position of a dragged thumb): SbRChange, SbGChange
    // and SbBChange.
    void BarChange(Bar bar, int position);
    // The bars and labels follow the current colour; the caller knows whether the palette shows.
    void SyncAdjusterBars();

signals:
    void Changed();

private:
    CurrentColor& current_;
    ClipboardOutput& clipboard_;
    std::array<int, 3> positions_{};
    std::array<std::optional<int>, 3> labels_{};
    bool barsUpdating_ = false; // true only while the bars are set from the current colour
};
