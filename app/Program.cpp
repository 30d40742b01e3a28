#include "app/Program.h"

#include "core/color/MeanColor.h"
#include "core/Guard.h"
#include "core/windows/Messages.h"
#include "platform/Clipboard.h"
#include "platform/DesktopWindows.h"
#include "platform/Folders.h"
#include "platform/GlobalHotkey.h"
#include "platform/LinkOpener.h"
#include "platform/Platform.h"
#include "platform/ScreenAccess.h"
#include "platform/ScreenReader.h"
#include "platform/SingleCopy.h"
#include "ui/controls/QtColor.h"
#include "ui/picker/MainWindow.h"

#include <algorithm>
#include <vector>

namespace {

// The mean colour of the square round the pointer, of the pixels that a monitor shows.
std::optional<ColorValue> MeanAround(ScreenReader& screen, QPoint pointer, int side) {
    const QRect square(pointer - QPoint(side / 2, side / 2), QSize(side, side));
    const QImage pixels = screen.GrabRegion(square);
    if (pixels.isNull())
        return std::nullopt;
    const QList<Monitor> monitors = screen.Monitors();
    std::vector<ColorValue> shown;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const QPoint at = square.topLeft() + QPoint(x, y);
            if (std::none_of(monitors.cbegin(), monitors.cend(),
                             [at](const Monitor& monitor) { return monitor.Device.contains(at); }))
                continue;
            const QRgb rgb = pixels.pixel(x, y);
            shown.push_back(PackRgb(qRed(rgb), qGreen(rgb), qBlue(rgb)));
        }
    if (shown.empty())
        return ColorValue(-1);
    return MeanColor(shown);
}

} // namespace

Program::Program(Platform& platform) : platform_(platform), picker_(platform.Colors()), settings_(picker_) {
    InitMessages();
    picker_.Picking.ReadScreen = [this, &platform]() -> std::optional<ColorValue> {
        ScreenReader& screen = platform.Screen(); // the pointer and the pixels, all in device pixels
        const QPoint pointer = screen.PointerPosition();
        if (picker_.SampleSide() == 1)
            return screen.ScreenPixelSource(pointer.x(), pointer.y());
        return MeanAround(screen, pointer, picker_.SampleSide());
    };
    picker_.Clipboard.WriteText = [&platform](const QString& text) { platform.Clipboard().SetText(text); };
    picker_.Clipboard.WriteSample = [&platform](ColorValue color) {
        platform.Clipboard().SetImage(SamplePicture(color));
    };

    const ::Folders& places = platform.Folders();
    folders_ = ChooseDataFolders(places.ProgramFolder(), places.ConfigFolder(), SettingsStore::FileNames);
    // A second copy would write its old lists over what the first one keeps.
    if (!platform.SingleCopy().Claim(folders_.Write))
        return;
    settings_.LoadSettings(folders_);
    ConnectScreenAccess();
    ConnectHotkey();
    platform.Links().Failed = [this](const QString& target) { picker_.LinkFailed(target); };
    window_ = std::make_unique<MainWindow>(picker_, platform);
    window_->ReportFileProblems(settings_.ReadProblems());
    platform.SingleCopy().ShowRequested = [this] { platform_.Windows().BringToFront(window_.get()); };
}

void Program::ConnectScreenAccess() {
    ScreenAccess& access = platform_.Access();
    picker_.SetPickingWay(access.Kind(), access.Reason(), access.Name());
    access.UseShareToken(picker_.ScreenShare);
    PickLoop& picking = picker_.Picking;
    QObject::connect(&picking, &PickLoop::PickingChanged, &access,
                     [&access, &picking] { picking.PickingOn() ? access.Start() : access.Stop(); });
    QObject::connect(&picking, &PickLoop::OneShotRequested, &access, &ScreenAccess::Start);
    QObject::connect(&access, &ScreenAccess::Picked, &picker_, &ColorPicker::TakePickedColor);
    QObject::connect(&access, &ScreenAccess::Ended, &picking, &PickLoop::SwitchPickingOff);
    QObject::connect(&access, &ScreenAccess::Refused, &picker_, &ColorPicker::PickingRefused);
    QObject::connect(&access, &ScreenAccess::Explain, &picker_, &ColorPicker::ExplainAccess);
    QObject::connect(&access, &ScreenAccess::ZoomAsked, &picker_,
                     [this](bool in) { in ? picker_.BtnZoomInClick() : picker_.BtnZoomoutClick(); });
}

void Program::ConnectHotkey() {
    GlobalHotkey& hotkey = platform_.Hotkey();
    HotkeyChoice& choice = picker_.Hotkey;
    const auto follow = [&hotkey, &choice] {
        choice.SetProblem({});
        if (choice.On() && hotkey.Offered())
            hotkey.Bind(choice.Keys());
        else
            hotkey.Release();
    };
    QObject::connect(&choice, &HotkeyChoice::Changed, &hotkey, follow);
    QObject::connect(&hotkey, &GlobalHotkey::OfferedChanged, &hotkey, follow);
    QObject::connect(&hotkey, &GlobalHotkey::Pressed, &picker_, &ColorPicker::HotkeyPressed);
    QObject::connect(&hotkey, &GlobalHotkey::Refused, &picker_, &ColorPicker::HotkeyRefused);
    follow();
}

Program::~Program() {
    End();
    platform_.Hotkey().Release();
    platform_.SingleCopy().ShowRequested = nullptr;
    platform_.Links().Failed = nullptr;
}

const QStringList& Program::Save() {
    if (window_)
        RunGuarded([this] { settings_.SaveSettings(window_->pos()); });
    return settings_.SaveProblems();
}

const QStringList& Program::End() {
    if (!ended_) {
        ended_ = true;
        Save();
    }
    return settings_.SaveProblems();
}
