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
add_dependencies(wine_tests tav_planted)

# Found beside wine_tests.exe by the DLL search test.
add_library(tav_planted SHARED ${CMAKE_SOURCE_DIR}/tests/wine/planted/planted_library.cpp)
set_target_properties(tav_planted PROPERTIES PREFIX "")
target_link_options(tav_planted PRIVATE -static)

# Shared by both Windows test programs: find windows, click, read message boxes.
file(GLOB TAV_TEST_SUPPORT_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/support/*.cpp)
add_library(tav_test_support STATIC ${TAV_TEST_SUPPORT_SOURCES})
target_include_directories(tav_test_support PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(tav_test_support PUBLIC user32 gdi32 gtest)
target_compile_options(tav_test_support PRIVATE ${TAV_WARNINGS})

# End to end: the real exe driven from a separate automation program.
file(GLOB TAV_E2E_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp)
add_executable(e2e_tests ${TAV_E2E_SOURCES})
target_link_libraries(e2e_tests PRIVATE tav_core tav_test_support gtest msi ole32 uuid version shell32)
target_compile_options(e2e_tests PRIVATE ${TAV_WARNINGS})
add_dependencies(e2e_tests TavCopyTool launch_recorder)

# Stands in, beside e2e_tests.exe, for programs the tool must not start and
# for the browser that opens the help document.
add_executable(launch_recorder WIN32 ${CMAKE_SOURCE_DIR}/tests/e2e/recorder/launch_recorder.cpp
               ${CMAKE_SOURCE_DIR}/tests/e2e/launch_log.cpp)
target_link_libraries(launch_recorder PRIVATE tav_core)
target_compile_options(launch_recorder PRIVATE ${TAV_WARNINGS})

function(tav_wine_test name)
  add_test(NAME ${name} COMMAND ${TAV_WINE_RUN} ${TAV_WINE_PREFIX} ${ARGN})
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine_prefix)
endfunction()

tav_wine_test(wine_tests $<TARGET_FILE:wine_tests>)
# The runs with discs have entries of their own below.
tav_wine_test(e2e_tests $<TARGET_FILE:e2e_tests> --gtest_filter=-DiscRun.*:UnattendedDiscRun.*:AllOrNothing.*:Package.* --exe=$<TARGET_FILE:TavCopyTool>
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
  "product e2e_tests DiscRun.Biology*:DiscRun.DiscOfASubjectWithoutRights*:UnattendedDiscRun.Product*"
  "earth e2e_tests DiscRun.Earth*"
  "alias e2e_tests DiscRun.Alias*"
  "full-drive e2e_tests DiscRun.CopyOnto*:UnattendedDiscRun.FullDrive*"
  "cross-device e2e_tests AllOrNothing.CrossDevice*:AllOrNothing.LockedFile*"
  "few-inodes e2e_tests AllOrNothing.FewInodes*"
  "absent-drive e2e_tests AllOrNothing.AbsentDrive*")
# tav_disc_test(NAME CONFIGURATION PROGRAM FILTER [ARGS...])
function(tav_disc_test name configuration program filter)
  set(arguments --gtest_filter=${filter} ${ARGN})
  if(program STREQUAL "e2e_tests")
    list(APPEND arguments --exe=$<TARGET_FILE:TavCopyTool> --shots=${CMAKE_BINARY_DIR}/screenshots)
  endif()
  add_test(NAME ${name}
           COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-discs.sh ${TAV_WINE_PREFIX} ${configuration}
                   $<TARGET_FILE:${program}> ${arguments})
  set_tests_properties(${name} PROPERTIES
    FIXTURES_REQUIRED wine_prefix
    RESOURCE_LOCK wine_session
    FAIL_REGULAR_EXPRESSION "\\[  SKIPPED \\]|\\[  PASSED  \\] 0 tests")
endfunction()
foreach(entry IN LISTS TAV_DISC_SETS)
  separate_arguments(entry UNIX_COMMAND "${entry}")
  list(GET entry 0 configuration)
  list(GET entry 1 program)
  list(GET entry 2 filter)
  tav_disc_test(${program}_discs_${configuration} ${configuration} ${program} ${filter})
endforeach()

# --- The release package ------------------------------------------------------
# Its tests run on what the `release` target builds, built here so that the
# test command builds the package it tests, with the archive unpacked into
# the prefix (C:\tav-package) as an administrator would unpack it.
# The package is built signed, with a throw-away certificate the entry makes,
# so that the tests below run the signed exe and install the signed MSI;
# release_signatures checks both signatures against that certificate.
set(TAV_SIGNING_TEST_DIR ${CMAKE_BINARY_DIR}/signing-test)
add_test(NAME release_package
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/package/release_signing.sh build ${TAV_SIGNING_TEST_DIR}
                 ${CMAKE_COMMAND} ${CMAKE_BINARY_DIR})
set_tests_properties(release_package PROPERTIES FIXTURES_SETUP release_package)
add_test(NAME release_signatures
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/package/release_signing.sh verify ${TAV_SIGNING_TEST_DIR}
                 ${TAV_ZIP} ${TAV_MSI} ${TAV_NEXT_MSI} $<TARGET_FILE:TavCopyTool>
         WORKING_DIRECTORY ${CMAKE_SOURCE_DIR})
set_tests_properties(release_signatures PROPERTIES FIXTURES_REQUIRED release_package)
set(TAV_UNPACKED_FOLDER tav-package)
add_test(NAME release_unpacked
         COMMAND sh -c "rm -rf \"$1\" && mkdir -p \"$1\" && cd \"$1\" && \"$2\" -E tar xf \"$3\""
                 unpack ${TAV_WINE_PREFIX}/drive_c/${TAV_UNPACKED_FOLDER} ${CMAKE_COMMAND} ${TAV_ZIP})
set_tests_properties(release_unpacked PROPERTIES
  FIXTURES_SETUP release_unpacked FIXTURES_REQUIRED "wine_prefix;release_package")
tav_disc_test(e2e_tests_package product e2e_tests Package.*
              --release=${TAV_RELEASE_DIR} "--unpacked=C:\\${TAV_UNPACKED_FOLDER}" --next-msi=${TAV_NEXT_MSI})
set_tests_properties(e2e_tests_package PROPERTIES FIXTURES_REQUIRED "wine_prefix;release_unpacked")
set_tests_properties(wine_tests e2e_tests PROPERTIES RESOURCE_LOCK wine_session)
