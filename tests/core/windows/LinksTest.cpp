#include "core/windows/Links.h"
#include "core/windows/BannerPage.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {

TEST(Links, OpenUrlAddsAWebSchemeOnlyWhereThereIsNone) {
    EXPECT_EQ(OpenUrlTarget("https://tintra.app/sc/"), "https://tintra.app/sc/");
    EXPECT_EQ(OpenUrlTarget("ftp://host/x"), "ftp://host/x");
    EXPECT_EQ(OpenUrlTarget("tintra.app/sc/"), "http://tintra.app/sc/");
}

TEST(Links, OpenLinkOpensWebAddressesAndExistingPaths) {
    const QSet<QString> folders{"C:\\Colours", "/home/me/colours"};
    const QSet<QString> files{"C:\\Colours\\a.colors"};
    auto isFolder = [&](const QString& p) { return folders.contains(p); };
    auto isFile = [&](const QString& p) { return files.contains(p); };
    const struct {
        const char* Text;
        std::optional<QString> Opened;
    } cases[] = {
        {"https://tintra.app/", QString("https://tintra.app/")},
        {"HTTP://TINTRA.APP/", QString("HTTP://TINTRA.APP/")}, // letters are compared lower-cased
        {"http:\\\\tintra.app", QString("http:\\\\tintra.app")},
        {"tintra.app/sc/", QString("http://tintra.app/sc/")}, // no colon: a host
        {"C:\\Colours", QString("C:\\Colours")},              // an existing folder
        {"C:\\Colours\\a.colors", QString("C:\\Colours\\a.colors")},
        {"C:\\Missing", std::nullopt}, // a drive path that does not exist
        {"mailto:someone@example.org", std::nullopt},
        {"/home/me/colours", QString("/home/me/colours")}, // a folder of this desktop
    };
    for (const auto& c : cases)
        EXPECT_EQ(OpenLinkTarget(c.Text, isFolder, isFile), c.Opened) << c.Text;
}

TEST(Links, AsciiLowerCaseLeavesOtherLettersAlone) {
    EXPECT_EQ(AsciiLowerCase("ABC xyz ÄÖ 颜色"), "abc xyz ÄÖ 颜色");
}

TEST(BannerPage, TheRequestCarriesAnEmptyVAndTheVersion) {
    EXPECT_EQ(BannerRequestAddress("https://tintra.app/", "", 1.6),
              "https://tintra.app/download/update/?v=&n=1.6");
    EXPECT_EQ(BannerRequestAddress("http://127.0.0.1:8080/", "x", 1.6),
              "http://127.0.0.1:8080/download/update/?v=x&n=1.6");
}

TEST(BannerPage, TheMarkerIs54BytesWithoutCapitals) {
    const QByteArray marker(BannerMarker);
    EXPECT_EQ(marker.size(), 54);
    EXPECT_EQ(marker, marker.toLower());
    for (char c : marker)
        EXPECT_LT(static_cast<unsigned char>(c), 128u); // one byte a character in any 8-bit code page
}

TEST(BannerPage, GenuineOnlyWithAnAddressABodyAndTheMarker) {
    const QString marker = QString::fromLatin1(BannerMarker);
    const QString page = "<html><body>" + marker + "</body></html>";
    EXPECT_TRUE(IsGenuineBannerPage("http://site/", page));
    EXPECT_TRUE(IsGenuineBannerPage("http://site/", "<BODY>" + marker.toUpper() + "</BODY>"));
    EXPECT_FALSE(IsGenuineBannerPage("", page));
    EXPECT_FALSE(IsGenuineBannerPage("http://site/", ""));
    EXPECT_FALSE(IsGenuineBannerPage("http://site/", "<html><body>an error page</body></html>"));
    EXPECT_FALSE(IsGenuineBannerPage("http://site/", page.left(page.size() - 20)));
    // Only the body counts: a marker in the head alone is no banner page.
    EXPECT_FALSE(
        IsGenuineBannerPage("http://site/", "<html><head>" + marker + "</head><body>x</body></html>"));
    EXPECT_FALSE(IsGenuineBannerPage("http://site/", "<head><title>" + marker + "</title></head>"));
    EXPECT_TRUE(IsGenuineBannerPage("http://site/", "<head></head>" + marker));
    EXPECT_TRUE(IsGenuineBannerPage("http://site/", "<body class='x'><p>" + marker + "</p>"));
}

} // namespace
