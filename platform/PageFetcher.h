#pragma once

#include <QString>
#include <QUrl>

#include <functional>

// Loads a web page without showing it: where it ended up (after redirections) and its HTML. A page that
// could not be loaded comes back with its address and no HTML.
class PageFetcher {
public:
    struct Page {
        QString Location;
        QString Html;
    };
    virtual ~PageFetcher() = default;
    virtual void Fetch(const QUrl& address, std::function<void(const Page&)> done) = 0;
};
