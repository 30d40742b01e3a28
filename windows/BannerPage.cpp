#include "windows/BannerPage.h"

#include "windows/Links.h"

// 54 bytes, the same in every 8-bit code page: plain ASCII without capitals.
const char* const BannerMarker = "<!-- tintra banner: genuine page of the tintra site-->";

QString BannerRequestAddress(const QString& siteAddress, const QString& v, double version) {
    return QString::asprintf("%s?v=%s&n=%1.1f",
                             (siteAddress + QStringLiteral("download/update/")).toUtf8().constData(),
                             v.toUtf8().constData(), version);
}

bool IsGenuineBannerPage(const QString& location, const QString& bodyHtml) {
    if (location.isEmpty() || bodyHtml.isEmpty())
        return false;
    return AsciiLowerCase(bodyHtml).contains(QLatin1String(BannerMarker));
}
