# GoogleTest for the libc++ build: Debian's libgtest is built against
# libstdc++, whose std::string a libc++ program cannot share, so GoogleTest is
# compiled here from Debian's own sources (libgtest-dev ships them).
set(KESTRION_GTEST_SOURCE /usr/src/googletest/googletest
    CACHE PATH "GoogleTest's sources, built with the project's standard library")
# It names its targets GTest::gtest and GTest::gtest_main itself.
if(NOT TARGET GTest::gtest_main)
  set(INSTALL_GTEST OFF)
  add_subdirectory(${KESTRION_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()
set(GTest_FOUND TRUE)
