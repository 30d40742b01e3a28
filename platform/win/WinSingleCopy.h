#pragma once

#include "platform/SingleCopy.h"

#include <memory>

class QWinEventNotifier;

// The claim is a named event in the user's session, named after the folder: the first copy makes it,
// and the system removes it the moment that copy ends, however it ends. A later copy finds it there
// and sets it, which is the request to show.
class WinSingleCopy final : public SingleCopy {
public:
    WinSingleCopy();
    ~WinSingleCopy() override;
    WinSingleCopy(const WinSingleCopy&) = delete;
    WinSingleCopy& operator=(const WinSingleCopy&) = delete;

    bool Claim(const QString& folder) override;

private:
    void* event_ = nullptr;
    std::unique_ptr<QWinEventNotifier> notifier_;
};
