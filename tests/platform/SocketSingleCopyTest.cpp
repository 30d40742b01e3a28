#include "platform/posix/SocketSingleCopy.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include <chrono>
#include <future>
#include <memory>

namespace {

using namespace std::chrono_literals;

std::future<bool> LaterCopyClaims(const QString& folder) {
    return std::async(std::launch::async, [folder] { return SocketSingleCopy().Claim(folder); });
}

// A later copy brings a running first one to the front and ends; while the first is saving its files
// on the way out (its events no longer handled), the later one waits for it to end and then starts.
TEST(SocketSingleCopy, ALaterCopyWaitsForOneThatIsSavingAndThenStarts) {
    QTemporaryDir folder;
    auto first = std::make_unique<SocketSingleCopy>();
    ASSERT_TRUE(first->Claim(folder.path()));
    int shown = 0;
    first->ShowRequested = [&shown] { ++shown; };

    std::future<bool> later = LaterCopyClaims(folder.path());
    while (later.wait_for(10ms) != std::future_status::ready)
        QCoreApplication::processEvents();
    EXPECT_FALSE(later.get());
    EXPECT_EQ(shown, 1);

    std::future<bool> afterTheSave = LaterCopyClaims(folder.path());
    EXPECT_EQ(afterTheSave.wait_for(300ms), std::future_status::timeout);
    first.reset(); // saved and gone
    EXPECT_TRUE(afterTheSave.get());
    EXPECT_EQ(shown, 1);
}

} // namespace
