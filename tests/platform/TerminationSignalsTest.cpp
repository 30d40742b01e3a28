#include "platform/TerminationSignals.h"

#include <QObject>

#include <gtest/gtest.h>

#include <cerrno>
#include <memory>
#include <sys/socket.h>
#include <unistd.h>

// The X server gone at the session's end: a write to its closed socket fails, and the program lives
// on to save.
TEST(TerminationSignals, AWriteToAPeerGoneFailsWithoutEndingTheProgram) {
    const std::unique_ptr<QObject> watch(QuitOnTerminationSignals());
    int ends[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, ends), 0);
    ::close(ends[1]);
    const char byte = 1;
    EXPECT_EQ(::write(ends[0], &byte, 1), -1);
    EXPECT_EQ(errno, EPIPE);
    ::close(ends[0]);
}
