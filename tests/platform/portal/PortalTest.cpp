// The portal back ends against a stand-in portal and a real PipeWire daemon on a private bus.
#include "PortalRig.h"
#include "StandInScreen.h"

#include "platform/portal/PortalColorPick.h"
#include "platform/portal/PortalGlobalHotkey.h"
#include "platform/portal/PortalScreenCast.h"

#include <gtest/gtest.h>

#include <QDBusArgument>

#include <algorithm>
#include <set>

namespace {

// What a back end said, in order.
struct Heard {
    QStringList Explained, Refused, Tokens;
    QList<ColorValue> Picked;
    int DialogsWhenExplained = -1;

    ShareToken Kept;

    // The screen access keeps its key here, starting from the key kept from an earlier run.
    Heard(ScreenAccess& access, PortalRig& rig, const QString& keptKey = {}) {
        Kept.Set(keptKey);
        access.UseShareToken(Kept);
        QObject::connect(&access, &ScreenAccess::Explain, [this, &rig](const QString& text) {
            if (Explained.isEmpty())
                DialogsWhenExplained = rig.Seen().value("dialogs").toInt();
            Explained.append(text);
        });
        QObject::connect(&access, &ScreenAccess::Refused,
                         [this](const QString& why) { Refused.append(why); });
        QObject::connect(&Kept, &ShareToken::Changed, [this](const QString& token) { Tokens.append(token); });
        QObject::connect(&access, &ScreenAccess::Picked, [this](ColorValue color) { Picked.append(color); });
    }
};

bool OnThePointersPath(QPoint point) {
    for (int frame = 0; frame < 1600; ++frame)
        if (StandInScreen::PointerAt(frame) == point)
            return true;
    return false;
}

bool Reading(PortalScreenCast& cast) {
    return WaitFor([&] {
        const QPoint pointer = cast.PointerPosition();
        return cast.ScreenPixelSource(pointer.x(), pointer.y()).has_value();
    });
}

class PortalTest : public testing::Test {
protected:
    void SetUp() override {
        if (!rig_.Problem().isEmpty())
            GTEST_SKIP() << rig_.Problem().toStdString();
    }
    PortalRig rig_;
};

class PortalFormatTest : public PortalTest, public testing::WithParamInterface<const char*> {};

TEST_P(PortalFormatTest, ReadsThePixelUnderTheMovingPointer) {
    ASSERT_TRUE(rig_.StartPortal(QString::fromLatin1(GetParam()))) << rig_.Problem().toStdString();
    PortalScreenCast cast(rig_.Bus());
    Heard heard(cast, rig_);
    cast.Start();
    ASSERT_TRUE(Reading(cast)) << heard.Refused.join(' ').toStdString();

    // The second monitor's frames have twice its size on the desktop (80 by 60 at (160, 40)).
    EXPECT_EQ(cast.Monitors(), (QList<Monitor>{{QRect(0, 0, 160, 120), 1, QPoint(0, 0)},
                                               {QRect(320, 80, 160, 120), 2, QPoint(160, 40)}}));
    std::set<std::pair<int, int>> pointers;
    std::set<int> blues;
    ASSERT_TRUE(WaitFor([&] {
        const QPoint pointer = cast.PointerPosition();
        const auto color = cast.ScreenPixelSource(pointer.x(), pointer.y());
        EXPECT_TRUE(OnThePointersPath(pointer)) << pointer.x() << "," << pointer.y();
        EXPECT_TRUE(color.has_value());
        if (color) {
            EXPECT_EQ(RedOf(*color), pointer.x() % 256) << pointer.x() << "," << pointer.y();
            EXPECT_EQ(GreenOf(*color), pointer.y() % 256) << pointer.x() << "," << pointer.y();
            blues.insert(BlueOf(*color));
        }
        pointers.insert({pointer.x(), pointer.y()});
        // Read on each monitor: the pointer on the second one is offset by its place.
        return HasFailure() ||
               (pointers.size() >= 3 && blues.size() >= 3 &&
                std::any_of(pointers.begin(), pointers.end(), [](auto p) { return p.first < 160; }) &&
                std::any_of(pointers.begin(), pointers.end(), [](auto p) { return p.first >= 320; }));
    }));

    // A region across the second monitor's corner: its pixels from it (rows padded), black outside.
    const QImage region = cast.GrabRegion(QRect(310, 70, 20, 20));
    ASSERT_EQ(region.size(), QSize(20, 20));
    for (const QPoint at : {QPoint(320, 80), QPoint(329, 89), QPoint(325, 81)}) {
        const QRgb pixel = region.pixel(at - QPoint(310, 70));
        EXPECT_EQ(qRed(pixel), at.x() % 256) << at.x() << "," << at.y();
        EXPECT_EQ(qGreen(pixel), at.y()) << at.x() << "," << at.y();
    }
    EXPECT_EQ(region.pixel(5, 15), qRgb(0, 0, 0)); // (315, 85): left of the second monitor
    EXPECT_EQ(cast.ScreenPixelSource(200, 85), -1);
    const auto corner = cast.ScreenPixelSource(159, 119); // the first monitor's last pixel
    ASSERT_TRUE(corner.has_value());
    EXPECT_EQ(RedOf(*corner), 159);
    EXPECT_EQ(GreenOf(*corner), 119);
    EXPECT_TRUE(heard.Refused.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(EachPixelFormat, PortalFormatTest, testing::Values("BGRx", "BGRA", "RGBx", "RGBA"));

TEST_F(PortalTest, KeepsTheDesktopsKeyAndAsksNoMoreWithIt) {
    ASSERT_TRUE(rig_.StartPortal()) << rig_.Problem().toStdString();
    QString key, asked;
    {
        PortalScreenCast cast(rig_.Bus());
        Heard heard(cast, rig_);
        cast.Start();
        ASSERT_TRUE(Reading(cast));
        // Said before the desktop asked, and taken back once the pointer is seen.
        ASSERT_TRUE(WaitFor([&] { return heard.Explained.size() == 2; }));
        EXPECT_EQ(heard.DialogsWhenExplained, 0);
        EXPECT_FALSE(heard.Explained.front().isEmpty());
        EXPECT_TRUE(heard.Explained.back().isEmpty());
        asked = heard.Explained.front();
        ASSERT_EQ(heard.Tokens.size(), 1);
        key = heard.Tokens.front();
        const QVariantMap seen = rig_.Seen();
        EXPECT_EQ(seen.value("dialogs").toInt(), 1);
        const auto selection = qdbus_cast<QVariantMap>(seen.value("selection"));
        EXPECT_EQ(selection.value("types").toUInt(), 1u);
        EXPECT_EQ(selection.value("multiple").toBool(), true);
        EXPECT_EQ(selection.value("cursor_mode").toUInt(), 4u);
        EXPECT_EQ(selection.value("persist_mode").toUInt(), 2u);
        EXPECT_FALSE(selection.contains("restore_token"));

        // Picking off ends the share, and the desktop's sign of it.
        cast.Stop();
        EXPECT_TRUE(WaitFor([&] { return rig_.Seen().value("closed_sessions").toInt() == 1; }));
        EXPECT_EQ(rig_.Seen().value("open_sessions").toInt(), 0);
        EXPECT_FALSE(cast.ScreenPixelSource(10, 10).has_value());
    }

    // The next start (of the program, here) brings the key: no question, nor word of one, a new key.
    PortalScreenCast cast(rig_.Bus());
    Heard heard(cast, rig_, key);
    cast.Start();
    ASSERT_TRUE(Reading(cast));
    EXPECT_FALSE(heard.Explained.contains(asked));
    ASSERT_EQ(heard.Tokens.size(), 1);
    EXPECT_NE(heard.Tokens.front(), key);
    const QVariantMap seen = rig_.Seen();
    EXPECT_EQ(seen.value("dialogs").toInt(), 1);
    EXPECT_EQ(qdbus_cast<QVariantMap>(seen.value("selection")).value("restore_token").toString(), key);
}

struct Refusal {
    const char* Name;
    uint Answer;      // the user's answer to the dialog
    uint CursorModes; // what the desktop offers
    int Dialogs;      // how many the user saw
};

class PortalRefusalTest : public PortalTest, public testing::WithParamInterface<Refusal> {};

TEST_P(PortalRefusalTest, IsSaidAndNothingIsRead) {
    ASSERT_TRUE(rig_.StartPortal()) << rig_.Problem().toStdString();
    rig_.Steer("SetAnswer", {GetParam().Answer});
    rig_.Steer("SetCursorModes", {GetParam().CursorModes});
    PortalScreenCast cast(rig_.Bus());
    Heard heard(cast, rig_);
    cast.Start();
    ASSERT_TRUE(WaitFor([&] { return !heard.Refused.isEmpty(); }));
    EXPECT_EQ(heard.Refused.size(), 1);
    EXPECT_FALSE(heard.Refused.front().isEmpty());
    EXPECT_TRUE(heard.Tokens.isEmpty());
    EXPECT_EQ(rig_.Seen().value("dialogs").toInt(), GetParam().Dialogs);
    EXPECT_TRUE(WaitFor([&] { return rig_.Seen().value("open_sessions").toInt() == 0; }));
    EXPECT_FALSE(cast.ScreenPixelSource(10, 10).has_value());
    EXPECT_TRUE(cast.GrabRegion(QRect(0, 0, 4, 4)).isNull());
}

INSTANTIATE_TEST_SUITE_P(Cases, PortalRefusalTest,
                         testing::Values(Refusal{"UserSaysNo", 1, 7, 1},
                                         Refusal{"DialogEndsOtherwise", 2, 7, 1},
                                         Refusal{"NoPointerBesideTheFrames", 0, 3, 0}),
                         [](const auto& test) { return std::string(test.param.Name); });

class PortalEndTest : public PortalTest, public testing::WithParamInterface<const char*> {};

TEST_P(PortalEndTest, AShareThatEndsUnderTheProgramIsSaid) {
    ASSERT_TRUE(rig_.StartPortal()) << rig_.Problem().toStdString();
    PortalScreenCast cast(rig_.Bus());
    Heard heard(cast, rig_);
    cast.Start();
    ASSERT_TRUE(Reading(cast));
    rig_.Steer(QString::fromLatin1(GetParam()));
    ASSERT_TRUE(WaitFor([&] { return !heard.Refused.isEmpty(); }));
    EXPECT_FALSE(cast.ScreenPixelSource(10, 10).has_value());
}

INSTANTIATE_TEST_SUITE_P(Ways, PortalEndTest, testing::Values("EndStreams", "CloseSessions"));

// A share whose pictures never tell where the pointer is cannot be picked from: said, not shown as a
// pointer resting at the corner.
TEST_F(PortalTest, PicturesWithoutThePointerAreSaid) {
    ASSERT_TRUE(rig_.StartPortal()) << rig_.Problem().toStdString();
    rig_.Steer("HidePointer");
    PortalScreenCast cast(rig_.Bus());
    Heard heard(cast, rig_);
    cast.Start();
    ASSERT_TRUE(WaitFor([&] { return !heard.Refused.isEmpty(); }));
    EXPECT_EQ(heard.Refused, QStringList{"此桌面共享屏幕时不提供鼠标位置，无法取色"});
    EXPECT_FALSE(cast.PointerKnown());
}

TEST_F(PortalTest, ProbesSayWhatTheDesktopOffers) {
    EXPECT_FALSE(PortalScreenCast::Offered(rig_.Bus())) << "no portal yet";
    EXPECT_FALSE(PortalColorPick::Offered(rig_.Bus())) << "no portal yet";
    ASSERT_TRUE(rig_.StartPortal()) << rig_.Problem().toStdString();
    EXPECT_TRUE(PortalScreenCast::Offered(rig_.Bus()));
    EXPECT_TRUE(PortalColorPick::Offered(rig_.Bus()));
    rig_.Steer("SetCursorModes", {3u}); // hidden and embedded only
    EXPECT_FALSE(PortalScreenCast::Offered(rig_.Bus()));
}

// A shortcut service that answers late is still found, and said when it answers, not taken as absent.
TEST_F(PortalTest, TheHotkeyIsOfferedWhenTheDesktopAnswersLate) {
    ASSERT_TRUE(rig_.StartPortal()) << rig_.Problem().toStdString();
    PortalGlobalHotkey hotkey(rig_.Bus());
    int said = 0;
    QObject::connect(&hotkey, &GlobalHotkey::OfferedChanged, [&said] { ++said; });
    EXPECT_FALSE(hotkey.Offered()) << "the desktop has not answered yet";
    EXPECT_TRUE(WaitFor([&] { return hotkey.Offered(); }));
    EXPECT_EQ(said, 1);
}

struct Pick {
    double Red, Green, Blue;
    ColorValue Color;
};

class PortalPickTest : public PortalTest, public testing::WithParamInterface<Pick> {};

TEST_P(PortalPickTest, GivesTheDesktopsColor) {
    ASSERT_TRUE(rig_.StartPortal()) << rig_.Problem().toStdString();
    rig_.Steer("SetPickColour", {GetParam().Red, GetParam().Green, GetParam().Blue});
    PortalColorPick pick(rig_.Bus());
    Heard heard(pick, rig_);
    pick.Start();
    ASSERT_TRUE(WaitFor([&] { return !heard.Picked.isEmpty() || !heard.Refused.isEmpty(); }));
    EXPECT_EQ(heard.Picked, QList<ColorValue>{GetParam().Color});
    EXPECT_TRUE(heard.Refused.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Colors, PortalPickTest,
    testing::Values(Pick{1, 0, 0, PackRgb(255, 0, 0)}, Pick{0, 0, 1, PackRgb(0, 0, 255)},
                    Pick{0.2, 0.4, 0.6, PackRgb(51, 102, 153)}, Pick{0, 1, 1, PackRgb(0, 255, 255)},
                    // A little past either end of 0..1 counts as that end; 127.5 rounds up.
                    Pick{1.002, -0.001, 0.5, PackRgb(255, 0, 128)}));

TEST_F(PortalTest, ACancelledPickGivesNoColor) {
    ASSERT_TRUE(rig_.StartPortal()) << rig_.Problem().toStdString();
    rig_.Steer("SetAnswer", {1u});
    PortalColorPick pick(rig_.Bus());
    Heard heard(pick, rig_);
    pick.Start();
    ASSERT_TRUE(WaitFor([&] { return !heard.Refused.isEmpty(); }));
    EXPECT_TRUE(heard.Picked.isEmpty());
}

} // namespace
