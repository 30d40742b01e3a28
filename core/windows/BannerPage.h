#pragma once

#include <QString>

// The banner's request and its test of a genuine banner page.

// A fixed lower-case text that only a genuine banner page of the maker's site carries.
extern const char* const BannerMarker;

// "<site>download/update/?v=<v>&n=<version>", the version printed "%1.1f".
QString BannerRequestAddress(const QString& siteAddress, const QString& v, double version);

// Genuine when a page was loaded (an address and some HTML) and its body, ASCII letters lower-cased,
// holds the marker; a marker in the page's head does not count.
bool IsGenuineBannerPage(const QString& location, const QString& html);
