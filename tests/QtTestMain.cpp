#include "app/TintraApplication.h"

#include <gtest/gtest.h>

// Widget tests run inside the program's own application object; listing the tests needs no display.
int main(int argc, char* argv[]) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    TintraApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
