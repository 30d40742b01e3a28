#pragma once

#include "platform/PageFetcher.h"

#include <QString>

// Pages fetched by tintra_fetch, a helper beside the program run once a request: the network and TLS
// libraries stay out of the program, which would otherwise keep them for its whole run.
class ProcessPageFetcher final : public PageFetcher {
public:
    // The helper is looked for where the program's files lie (ProgramFiles) unless another folder is named.
    explicit ProcessPageFetcher(QString helperFolder = {});

    void Fetch(const QUrl& address, std::function<void(const Page&)> done) override;

private:
    QString helperFolder_;
};
