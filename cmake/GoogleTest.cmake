# Natively the system's GoogleTest; for a cross build, GoogleTest compiled
# from the system's source with the cross compiler.
if(CMAKE_CROSSCOMPILING)
  set(MORWICK_GTEST_SOURCE "/usr/src/googletest" CACHE PATH "GoogleTest source tree for cross builds")
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${MORWICK_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # GoogleTest 1.11 and later name these aliases itself.
  if(NOT TARGET GTest::gtest)
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gtest_main ALIAS gtest_main)
    add_library(GTest::gmock ALIAS gmock)
  endif()
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)
