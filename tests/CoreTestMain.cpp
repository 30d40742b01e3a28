#include "core/windows/Messages.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

// The core's tests need no display, only an event loop for the timers, and the texts the program fills
// at its start.
int main(int argc, char* argv[]) {
    testing::InitGoogleTest(&argc, argv);
    QCoreApplication application(argc, argv);
    InitMessages();
    return RUN_ALL_TESTS();
}
