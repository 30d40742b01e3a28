#pragma once

#include "core/color/FakeSystemColors.h"
#include "core/picker/ColorPicker.h"

#include "../ListTexts.h"

#include <stdexcept>
#include <variant>
#include <vector>

// The picker with no window: the pixel under the pointer is whatever the test says, and the
// clipboard keeps every write, or refuses them all.
class PickerFixture {
public:
    PickerFixture() {
        picker.Picking.ReadScreen = [this]() -> std::optional<ColorValue> {
            ++pixelReads;
            if (unreadable)
                return std::nullopt;
            return underPointer;
        };
        picker.Clipboard.WriteText = [this](const QString& text) { Write(text); };
        picker.Clipboard.WriteSample = [this](ColorValue sample) { Write(sample); };
    }

    // The first tick: picking switches on and the history is emptied.
    void StartPicking() { picker.Picking.TimerGetColorTimer(); }
    void Tick() { picker.Picking.TimerGetColorTimer(); }
    void TickOn(ColorValue color) {
        underPointer = color;
        Tick();
    }

    QStringList Rows() const { return Texts(picker.History.Rows()); }
    QStringList Values() const { return Texts(picker.History.Values()); }
    QString LastText() const { return std::get<QString>(copies.back()); }
    ColorValue LastSample() const { return std::get<ColorValue>(copies.back()); }

    FakeSystemColors system;
    ColorPicker picker{system};
    ColorValue underPointer = 0;
    int pixelReads = 0;
    bool unreadable = false;
    std::vector<std::variant<QString, ColorValue>> copies;
    bool refuse = false;

private:
    template <class What>
    void Write(const What& what) {
        if (refuse)
            throw std::runtime_error("clipboard refused");
        copies.emplace_back(what);
    }
};
