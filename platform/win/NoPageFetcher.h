#pragma once

#include "platform/PageFetcher.h"

// Without a browser engine the maker's banner page could never be shown, so it is not asked for:
// every page comes back at once as one that could not be loaded.
class NoPageFetcher final : public PageFetcher {
public:
    void Fetch(const QUrl& address, std::function<void(const Page&)> done) override {
        done({address.toString(), {}});
    }
};
