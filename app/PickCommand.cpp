#include "app/PickCommand.h"

#include "platform/Platform.h"
#include "platform/ScreenAccess.h"
#include "platform/ScreenReader.h"

#include "core/persistence/FileStore.h"
#include "core/persistence/SettingsStore.h"
#include "core/picker/ShareToken.h"
#include "platform/Folders.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLocale>
#include <QTimer>

#include <optional>

namespace {

// The pixel under the pointer, read now; nothing where the screen cannot be read or no monitor shows it.
std::optional<ColorValue> PixelUnderPointer(ScreenReader& screen) {
    const QPoint pointer = screen.PointerPosition();
    const auto color = screen.ScreenPixelSource(pointer.x(), pointer.y());
    if (color == -1)
        return std::nullopt;
    return color;
}

// How often a starting share is looked at, and how long a pointer may be shown without a picture.
constexpr int PollMilliseconds = 50;
constexpr int PictureWaitMilliseconds = 3000;

// Where the window keeps its settings file, to read and to write.
std::pair<QString, QString> SettingsFile(Platform& platform) {
    const ::Folders& places = platform.Folders();
    const DataFolders folders =
        ChooseDataFolders(places.ProgramFolder(), places.ConfigFolder(), SettingsStore::FileNames);
    const QString& name = SettingsStore::FileNames.constFirst();
    return {folders.Read + name, folders.Write + name};
}

std::optional<QString> ReadShareToken(Platform& platform) {
    return StoredShareToken(SettingsFile(platform).first);
}

// The desktop's last key is the only one it still takes, so it replaces the stored one; a window that
// runs meanwhile keeps its own, and writes it at its end.
void KeepShareToken(Platform& platform, const QString& token) {
    const auto [read, write] = SettingsFile(platform);
    StoreShareToken(read, write, token);
}

} // namespace

int RunPickCommand(Platform& platform, ColorTextStyle style, const TextOut& color, const TextOut& problem) {
    style.DecimalSeparator = QLocale().decimalPoint().toStdString();
    const auto write = [&](ColorValue value) {
        color(QString::fromStdString(FormatColorValue(value, style, platform.Colors())));
    };
    ScreenAccess& access = platform.Access();
    ScreenReader& screen = platform.Screen();
    switch (access.Kind()) {
    case PickingWay::None:
        problem(
            access.Reason().isEmpty()
                ? QCoreApplication::translate("PickCommand", "the screen cannot be read on this desktop")
                : QCoreApplication::translate("PickCommand", "the screen cannot be read on this desktop: %1")
                      .arg(access.Reason()));
        return 1;
    case PickingWay::Live:
        // Where the screen is shared only once asked for, the share is started and its first picture
        // with the pointer awaited.
        if (!screen.PointerKnown())
            break;
        if (const auto value = PixelUnderPointer(screen)) {
            write(*value);
            return 0;
        }
        problem(QCoreApplication::translate("PickCommand", "the pixel under the pointer could not be read"));
        return 1;
    case PickingWay::PickMode:
    case PickingWay::OneShot:
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
        problem(QCoreApplication::translate("PickCommand", "picking ended without a colour"));
        finish(1);
    });
    QObject::connect(&access, &ScreenAccess::Refused, &loop, [&](const QString& why) {
        problem(why.isEmpty() ? QCoreApplication::translate("PickCommand", "the desktop gave no colour")
                              : why);
        finish(1);
    });
    QObject::connect(&access, &ScreenAccess::Explain, &loop, [&](const QString& text) {
        if (!text.isEmpty()) // an empty one takes back what was said
            problem(text);
    });
    ShareToken token;
    token.Set(ReadShareToken(platform).value_or(QString()));
    access.UseShareToken(token);
    QObject::connect(&token, &ShareToken::Changed, &loop,
                     [&](const QString& next) { KeepShareToken(platform, next); });
    // A live share: the pixel once the pointer is seen; a share that shows the pointer but no picture
    // for a while cannot be read.
    QTimer watch;
    QElapsedTimer pointerSeen;
    if (access.Kind() == PickingWay::Live) {
        QObject::connect(&watch, &QTimer::timeout, &loop, [&] {
            if (!screen.PointerKnown())
                return;
            if (!pointerSeen.isValid())
                pointerSeen.start();
            if (const auto value = PixelUnderPointer(screen)) {
                write(*value);
                finish(0);
            } else if (pointerSeen.hasExpired(PictureWaitMilliseconds)) {
                problem(QCoreApplication::translate("PickCommand",
                                                    "the pixel under the pointer could not be read"));
                finish(1);
            }
        });
        watch.start(PollMilliseconds);
    }
    access.Start();
    if (!status)
        loop.exec();
    access.Stop();
    return *status;
}
