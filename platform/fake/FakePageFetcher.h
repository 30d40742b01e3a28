#pragma once

#include "platform/PageFetcher.h"

#include <QList>

// Keeps the requests; a test answers them when it likes.
class FakePageFetcher final : public PageFetcher {
public:
    struct Request {
        QUrl Address;
        std::function<void(const Page&)> Done;
    };
    QList<Request> Requests;

    void Fetch(const QUrl& address, std::function<void(const Page&)> done) override {
        Requests.append({address, std::move(done)});
    }
};
