#pragma once

#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

// Runs part of a test in a process of its own, which may give up its rights or its memory for good, or
// be stopped, while the test goes on; gives the child's wait status. A failed check is printed by the
// child and ends it with status 1.
template <class Body>
int RunInChild(Body&& body) {
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        body();
        std::fflush(nullptr);
        ::_exit(testing::Test::HasFailure() ? 1 : 0);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    return status;
}

inline bool PassedInChild(int status) { return WIFEXITED(status) && WEXITSTATUS(status) == 0; }

// Where the tests run as root, who may read and write any file, the body runs as the unprivileged user
// nobody, made the folder's owner; otherwise as the user running the tests. A child that cannot become
// nobody, or cannot reach the folder as nobody, ends with status 77.
constexpr int CannotBecomeUser = 77;
template <class Body>
int RunAsUser(const QString& folder, Body&& body) {
    constexpr uid_t Nobody = 65534;
    constexpr gid_t NoGroup = 65534;
    const bool root = ::geteuid() == 0;
    if (root) {
        EXPECT_EQ(::chown(QFile::encodeName(folder).constData(), Nobody, NoGroup), 0);
    }
    return RunInChild([&] {
        if (root && (::setgroups(0, nullptr) != 0 || ::setgid(NoGroup) != 0 || ::setuid(Nobody) != 0 ||
                     ::access(QFile::encodeName(folder).constData(), R_OK | W_OK | X_OK) != 0))
            ::_exit(CannotBecomeUser);
        body();
    });
}
