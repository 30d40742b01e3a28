#include <QCoreApplication>

#include <gtest/gtest.h>

// The portal tests need the event loop for the bus's answers, and no display.
int main(int argc, char* argv[]) {
    testing::InitGoogleTest(&argc, argv);
    QCoreApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
