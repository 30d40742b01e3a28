#include "core/windows/BannerPage.h"

#include "core/windows/Links.h"

// 54 bytes, the same in every 8-bit code page: plain ASCII without capitals.
const char* const BannerMarker = "<!-- tintra banner: genuine page of the tintra site-->";

QString BannerRequestAddress(const QString& siteAddress, const QString& v, double version) {
    return QString::asprintf("%s?v=%s&n=%1.1f",
                             (siteAddress + QStringLiteral("download/update/")).toUtf8().constData(),
                             v.toUtf8().constData(), version);
}

namespace {

// The part of a page its body holds, as a browser makes it: from "<body" to "</body>", or what follows
// the head where the page writes no body tag. The page is lower-cased already.
QStringView BodyOf(QStringView page) {
    qsizetype begin = page.indexOf(QLatin1String("<body"));
    if (begin < 0) {
        const qsizetype headEnd = page.indexOf(QLatin1String("</head>"));
        if (headEnd >= 0)
            begin = headEnd + 7;
        else
            begin = page.contains(QLatin1String("<head")) ? page.size() : 0;
    }
    const qsizetype end = page.indexOf(QLatin1String("</body>"), begin);
    return page.mid(begin, end < 0 ? -1 : end + 7 - begin);
}

} // namespace

bool IsGenuineBannerPage(const QString& location, const QString& html) {
    if (location.isEmpty() || html.isEmpty())
        return false;
    const QString page = AsciiLowerCase(html);
    return BodyOf(page).contains(QLatin1String(BannerMarker));
}
