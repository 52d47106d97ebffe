# Tests under Wine. GoogleTest is built from Debian's sources with the same
# cross compiler; ctest runs each program through scripts/wine-run.sh, which
# uses the test prefix that the "wine_prefix" fixture prepares.
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)  # nothing of it in the release archive
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

set(TAV_WINE_PREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(TAV_WINE_RUN ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh)

add_test(NAME wine_prefix COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-prefix.sh ${TAV_WINE_PREFIX})
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine_prefix)

# The in-process tests: the Win32 ports against Wine's registry, files, shell
# and drives, and every dialog opened and operated by messages.
file(GLOB TAV_WINE_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/wine/*.cpp)
add_executable(wine_tests ${TAV_WINE_TEST_SOURCES} $<TARGET_OBJECTS:tav_resources>)
target_link_libraries(wine_tests PRIVATE tav_win32 tav_test_support gtest gmock)
target_compile_options(wine_tests PRIVATE ${TAV_WARNINGS})

# Shared by both Windows test programs: find windows, click, read message boxes.
file(GLOB TAV_TEST_SUPPORT_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/support/*.cpp)
add_library(tav_test_support STATIC ${TAV_TEST_SUPPORT_SOURCES})
target_include_directories(tav_test_support PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(tav_test_support PUBLIC user32 gdi32 gtest)
target_compile_options(tav_test_support PRIVATE ${TAV_WARNINGS})

# End to end: the real exe driven from a separate automation program.
file(GLOB TAV_E2E_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp)
add_executable(e2e_tests ${TAV_E2E_SOURCES})
target_link_libraries(e2e_tests PRIVATE tav_core tav_test_support gtest)
target_compile_options(e2e_tests PRIVATE ${TAV_WARNINGS})
add_dependencies(e2e_tests TavCopyTool)

function(tav_wine_test name)
  add_test(NAME ${name} COMMAND ${TAV_WINE_RUN} ${TAV_WINE_PREFIX} ${ARGN})
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine_prefix)
endfunction()

tav_wine_test(wine_tests $<TARGET_FILE:wine_tests>)
# The runs with discs have entries of their own below.
tav_wine_test(e2e_tests $<TARGET_FILE:e2e_tests> --gtest_filter=-DiscRun.* --exe=$<TARGET_FILE:TavCopyTool>
              --shots=${CMAKE_BINARY_DIR}/screenshots)

# --- Disc detection with discs in the virtual CD-ROM drives -----------------
# Wine's mount manager reads drive types and volume labels once per session,
# so each set of discs is its own entry: scripts/wine-discs.sh sets the
# drives, restarts the wineserver, runs the tests of that set, and puts the
# drives back. Elsewhere those tests skip; here a skip or an empty selection
# fails, so a set that was not prepared cannot pass unnoticed. The lock keeps
# the restarts away from other Wine entries should ctest run in parallel.
# Each entry: disc set, program, the tests of that set.
set(TAV_DISC_SETS
  "product wine_tests DiscsProductInE.*"
  "foreign-then-product wine_tests DiscsForeignThenProduct.*"
  "foreign wine_tests DiscsForeignOnly.*"
  "nodisc wine_tests DiscsNone.*"
  "product e2e_tests DiscRun.Biology*:DiscRun.DiscOfASubjectWithoutRights*"
  "earth e2e_tests DiscRun.Earth*"
  "alias e2e_tests DiscRun.Alias*"
  "full-drive e2e_tests DiscRun.CopyOnto*")
foreach(entry IN LISTS TAV_DISC_SETS)
  separate_arguments(entry UNIX_COMMAND "${entry}")
  list(GET entry 0 configuration)
  list(GET entry 1 program)
  list(GET entry 2 filter)
  set(arguments --gtest_filter=${filter})
  if(program STREQUAL "e2e_tests")
    list(APPEND arguments --exe=$<TARGET_FILE:TavCopyTool> --shots=${CMAKE_BINARY_DIR}/screenshots)
  endif()
  add_test(NAME ${program}_discs_${configuration}
           COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-discs.sh ${TAV_WINE_PREFIX} ${configuration}
                   $<TARGET_FILE:${program}> ${arguments})
  set_tests_properties(${program}_discs_${configuration} PROPERTIES
    FIXTURES_REQUIRED wine_prefix
    RESOURCE_LOCK wine_session
    FAIL_REGULAR_EXPRESSION "\\[  SKIPPED \\]|\\[  PASSED  \\] 0 tests")
endforeach()
set_tests_properties(wine_tests e2e_tests PROPERTIES RESOURCE_LOCK wine_session)
