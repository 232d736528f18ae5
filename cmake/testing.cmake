# GoogleTest, built from Debian's sources with the cross compiler, and the
# ctest wiring: one ctest entry per test program, each run through Wine inside
# a session (private Xvfb display, persistent wineserver) that ctest brings up
# before the first test and ends after the last.
enable_testing()

set(GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources (Debian package googletest)")
if(NOT EXISTS ${GTEST_SOURCE_DIR}/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest sources not found in ${GTEST_SOURCE_DIR}: apt-get install googletest")
endif()
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

set(WINE_SESSION ${CMAKE_SOURCE_DIR}/cmake/wine-session.sh)
add_test(NAME wine_session_start COMMAND ${WINE_SESSION} start ${CMAKE_BINARY_DIR})
add_test(NAME wine_session_stop COMMAND ${WINE_SESSION} stop ${CMAKE_BINARY_DIR})
set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP wine)
set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP wine)

# add_wine_test(name SOURCES ... [LIBS ...] [NEEDS ...])
# Builds a GoogleTest program and registers it with ctest. NEEDS names targets
# that must be built before the test runs (the deliverables it starts or loads).
function(add_wine_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;NEEDS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main project_options)
  if(T_NEEDS)
    add_dependencies(${name} ${T_NEEDS})
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    FIXTURES_REQUIRED wine
    ENVIRONMENT "APP_DIR=${APP_DIR};TEST_SOURCE_DIR=${CMAKE_SOURCE_DIR}/tests")
endfunction()
