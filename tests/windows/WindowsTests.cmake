# The tests of the Windows build, run under Wine on a private X server. Debian has no GoogleTest for
# this compiler, so it is built here from the sources the Linux package ships.
set(TINTRA_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's sources, built for Windows with the tests")
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${TINTRA_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# The ones that check rules run as they are; the banner's test needs the Linux page-fetch helper.
add_executable(tintra_core_tests ${core_test_sources})
target_link_libraries(tintra_core_tests PRIVATE tintra_core GTest::gtest)
target_compile_definitions(tintra_core_tests PRIVATE TINTRA_SOURCE_DIR="${PROJECT_SOURCE_DIR}")

list(REMOVE_ITEM ui_test_sources ui/windows/WebBannerTest.cpp)
add_executable(tintra_ui_tests ${ui_test_sources})
target_compile_definitions(tintra_ui_tests PRIVATE TINTRA_HELPERS_FROM_PROGRAM="${helpers_from_program}")
target_link_libraries(tintra_ui_tests PRIVATE tintra_app GTest::gtest)
qt_import_plugins(tintra_ui_tests INCLUDE Qt6::QOffscreenIntegrationPlugin)

# The Windows back end against the desktop Wine draws on the X server.
add_executable(tintra_win_tests QtTestMain.cpp platform/WinPlatformTest.cpp)
target_link_libraries(tintra_win_tests PRIVATE tintra_app GTest::gtest gdi32 user32)

set(with_xvfb ${CMAKE_CURRENT_SOURCE_DIR}/e2e/with-xvfb.sh)
set(with_wine ${CMAKE_CURRENT_SOURCE_DIR}/windows/with-wine.sh)

# One Wine prefix for all, made first; its server runs one program at a time.
add_test(NAME win.prefix COMMAND ${with_xvfb} ${with_wine} wineboot -i)
set_tests_properties(win.prefix PROPERTIES FIXTURES_SETUP wine)
add_test(NAME win.core COMMAND ${with_xvfb} ${with_wine} $<TARGET_FILE:tintra_core_tests>)
# On Qt's offscreen platform, as on Linux; named on the command line, since Wine hands no QT_ variable
# to a Windows program (so the 144 dpi runs stay Linux's). Whether the texts fit is left to Linux too:
# neither Wine nor the offscreen platform has the faces a Windows system has.
add_test(NAME win.ui COMMAND ${with_xvfb} ${with_wine} $<TARGET_FILE:tintra_ui_tests> -platform offscreen
                             --gtest_filter=-TextFitTest.*)
add_test(NAME win.platform COMMAND ${with_xvfb} --wm ${with_wine} $<TARGET_FILE:tintra_win_tests>)
add_test(NAME win.e2e
         COMMAND ${with_xvfb} --wm ${CMAKE_CURRENT_SOURCE_DIR}/windows/e2e.sh $<TARGET_FILE:tintra>)
set_tests_properties(win.prefix win.core win.ui win.platform win.e2e PROPERTIES
  TIMEOUT 300 RESOURCE_LOCK wine ENVIRONMENT_MODIFICATION "WINEPREFIX=set:${CMAKE_BINARY_DIR}/wine")
set_tests_properties(win.core win.ui win.platform win.e2e PROPERTIES FIXTURES_REQUIRED wine)
