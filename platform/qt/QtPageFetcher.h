#pragma once

#include "platform/PageFetcher.h"

#include <memory>

class QNetworkAccessManager;

class QtPageFetcher final : public PageFetcher {
public:
    QtPageFetcher();
    ~QtPageFetcher() override;
    void Fetch(const QUrl& address, std::function<void(const Page&)> done) override;

private:
    std::unique_ptr<QNetworkAccessManager> network_; // made on the first request, not at start-up
};
