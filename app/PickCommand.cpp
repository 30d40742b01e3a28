#include "app/PickCommand.h"

#include "platform/Platform.h"
#include "platform/ScreenAccess.h"
#include "platform/ScreenReader.h"

#include <QEventLoop>
#include <QLocale>

#include <optional>

namespace {

// The pixel under the pointer, read now; nothing where the screen cannot be read or no monitor shows it.
std::optional<ColorValue> PixelUnderPointer(ScreenReader& screen) {
    const QPoint pointer = screen.PointerPosition();
    const auto colour = screen.ScreenPixelSource(pointer.x(), pointer.y());
    if (colour == -1)
        return std::nullopt;
    return colour;
}

} // namespace

int RunPickCommand(Platform& platform, ColorTextStyle style, const TextOut& colour, const TextOut& problem) {
    style.DecimalSeparator = QLocale().decimalPoint().toStdString();
    const auto write = [&](ColorValue value) {
        colour(QString::fromStdString(FormatColorValue(value, style, platform.Colours())));
    };
    ScreenAccess& access = platform.Access();
    switch (access.Kind()) {
    case ScreenAccess::Way::None:
        problem(access.Reason().isEmpty()
                    ? QStringLiteral("the screen cannot be read on this desktop")
                    : QStringLiteral("the screen cannot be read on this desktop: %1").arg(access.Reason()));
        return 1;
    case ScreenAccess::Way::Live:
        if (const auto value = PixelUnderPointer(platform.Screen())) {
            write(*value);
            return 0;
        }
        problem(QStringLiteral("the pixel under the pointer could not be read"));
        return 1;
    case ScreenAccess::Way::PickMode:
    case ScreenAccess::Way::OneShot:
        break;
    }

    // The answer may come before the loop runs, from Start itself.
    QEventLoop loop;
    std::optional<int> status;
    const auto finish = [&](int code) {
        status = code;
        loop.exit(code);
    };
    QObject::connect(&access, &ScreenAccess::Picked, &loop, [&](ColorValue value) {
        write(value);
        finish(0);
    });
    QObject::connect(&access, &ScreenAccess::Ended, &loop, [&] {
        problem(QStringLiteral("picking ended without a colour"));
        finish(1);
    });
    QObject::connect(&access, &ScreenAccess::Refused, &loop, [&](const QString& why) {
        problem(why.isEmpty() ? QStringLiteral("the desktop gave no colour") : why);
        finish(1);
    });
    QObject::connect(&access, &ScreenAccess::Explain, &loop, [&](const QString& text) {
        if (!text.isEmpty()) // an empty one takes back what was said
            problem(text);
    });
    access.Start();
    if (!status)
        loop.exec();
    access.Stop();
    return *status;
}
