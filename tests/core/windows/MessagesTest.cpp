#include "core/windows/Messages.h"
#include "core/Guard.h"
#include "core/windows/SiteAddress.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::vector<std::string> PickerMessages() {
    return {MsgCopyColor,  MsgAddToFavourites, MsgValueCopied,  MsgSampleCopied,
            MsgPasteValue, MsgPasteSample,     MsgZoomHint1,    MsgZoomHint2,
            MsgZoomHint3,  MsgCursorPosition,  MsgRandomColors, MsgRandomPickHint};
}

TEST(Messages, InitMessagesFillsTheSimplifiedChineseTexts) {
    InitMessages();
    EXPECT_EQ(MsgAbout, "关于");
    EXPECT_EQ(ProductShortName, "Tintra");
    EXPECT_EQ(SiteAddress, std::string(MakerSiteAddress) + "sc/");
    EXPECT_EQ(HelpPageAddress, std::string(MakerSiteAddress) + "demo/sc/");
    EXPECT_EQ(UpdateQueryV, "");
    EXPECT_EQ(MsgCursorPosition, "当前位置x=%d,y=%d");
    for (const auto& text : PickerMessages())
        EXPECT_FALSE(text.empty());
}

TEST(Messages, SiteAddressIsASchemeAndHostEndingInASlash) {
    const std::string site = MakerSiteAddress;
    EXPECT_TRUE(site.starts_with("https://") || site.starts_with("http://")) << site;
    EXPECT_TRUE(site.ends_with("/")) << site;
}

TEST(Messages, SelectLanguage) {
    const struct {
        int Language;
        const char* About;
    } cases[] = {{0, "关于"}, {1, "關於"}, {2, "About"}, {3, "关于"}, {-1, "关于"}};
    for (const auto& c : cases) {
        SelectLanguage(c.Language);
        EXPECT_EQ(MsgAbout, c.About) << c.Language;
    }
}

TEST(Messages, PickerMessagesDoNotDependOnTheLanguage) {
    InitMessages();
    const auto chinese = PickerMessages();
    SelectLanguage(2);
    FillProgramMessages();
    EXPECT_EQ(PickerMessages(), chinese);
    EXPECT_EQ(MsgAbout, "About");
    InitMessages();
}

TEST(Guard, FailureSkipsTheRestAndKeepsWhatWasDone) {
    std::vector<int> steps;
    RunGuarded([&] {
        steps.push_back(1);
        throw std::runtime_error("step 2 fails");
        steps.push_back(3);
    });
    EXPECT_EQ(steps, std::vector<int>{1});

    bool cleanedUp = false;
    RunGuarded([] { throw 42; }, [&] { cleanedUp = true; });
    EXPECT_TRUE(cleanedUp);

    cleanedUp = false;
    RunGuarded([] {}, [&] { cleanedUp = true; });
    EXPECT_FALSE(cleanedUp);

    // A clean-up that fails as well is dropped too.
    EXPECT_NO_THROW(RunGuarded([] { throw 1; }, [] { throw std::logic_error("again"); }));
}

} // namespace
