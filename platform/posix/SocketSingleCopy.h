#pragma once

#include "platform/SingleCopy.h"

#include <memory>

class QSocketNotifier;

// The claim is a listening socket in the abstract namespace, named after the user and the folder: the
// system lets one process bind a name, and frees it the moment that process ends, however it ends.
// A later copy connects to it, which is the request to show; the holder answers, unless it is saving
// its files on the way out, when the later copy waits for it to end and claims the folder itself.
class SocketSingleCopy final : public SingleCopy {
public:
    SocketSingleCopy();
    ~SocketSingleCopy() override;

    bool Claim(const QString& folder) override;

private:
    void Listen(int fd);

    int listening_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
};
