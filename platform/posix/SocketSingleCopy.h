#pragma once

#include "platform/SingleCopy.h"

#include <memory>

class QSocketNotifier;

// The claim is a listening socket in the abstract namespace, named after the user and the folder: the
// system lets one process bind a name, and frees it the moment that process ends, however it ends.
// A later copy connects to it, which is the request to show.
class SocketSingleCopy final : public SingleCopy {
public:
    SocketSingleCopy();
    ~SocketSingleCopy() override;

    bool Claim(const QString& folder) override;

private:
    int listening_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
};
