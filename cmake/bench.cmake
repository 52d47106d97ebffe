# Bench programs: built by scripts/bench.sh (target bench_programs); only the
# walk is built with the tree as well. They time the tool from outside and
# give each figure its floor; see scripts/bench.sh for what each one measures.
set(TAV_BENCH_DIR ${CMAKE_SOURCE_DIR}/bench)
set(TAV_BENCH_OUTPUT ${CMAKE_BINARY_DIR}/bench)

# The start-up floor: a bare DialogBox of the main menu's template.
add_executable(bench_min_dialog WIN32 EXCLUDE_FROM_ALL ${TAV_BENCH_DIR}/min_dialog.cpp $<TARGET_OBJECTS:tav_resources>)
target_include_directories(bench_min_dialog PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(bench_min_dialog PRIVATE user32)

# The bare shell copy, in the build variants that the investigation swaps:
# console or windows subsystem, without or with the tool's resources
# (manifest, templates, icon).
set(TAV_BENCH_SHELL_COPIES)
foreach(variant IN ITEMS "" _res _gui _gui_res)
  set(target bench_shell_copy${variant})
  set(sources ${TAV_BENCH_DIR}/shell_copy.cpp ${TAV_BENCH_DIR}/wine_cpu.cpp)
  if(variant MATCHES "_res")
    list(APPEND sources $<TARGET_OBJECTS:tav_resources>)
  endif()
  if(variant MATCHES "_gui")
    add_executable(${target} WIN32 EXCLUDE_FROM_ALL ${sources})
  else()
    add_executable(${target} EXCLUDE_FROM_ALL ${sources})
  endif()
  target_link_libraries(${target} PRIVATE tav_core shell32 ole32 user32)
  list(APPEND TAV_BENCH_SHELL_COPIES ${target})
endforeach()

# The disc size walk and the arrival check on a large disc.
# Built with the tree (not only by bench.sh): it calls the content measurement
# the copy command uses, so a change there must keep it compiling.
add_executable(bench_walk ${TAV_BENCH_DIR}/walk.cpp)
target_link_libraries(bench_walk PRIVATE tav_win32)

# The driver: the tool's figures from outside, with the end-to-end steps.
add_executable(bench_driver EXCLUDE_FROM_ALL
  ${TAV_BENCH_DIR}/driver_main.cpp ${TAV_BENCH_DIR}/driver_support.cpp ${TAV_BENCH_DIR}/wine_cpu.cpp
  ${TAV_BENCH_DIR}/tool_timings.cpp ${TAV_BENCH_DIR}/shell_copy_conditions.cpp
  ${CMAKE_SOURCE_DIR}/tests/e2e/tool_process.cpp ${CMAKE_SOURCE_DIR}/tests/e2e/tool_steps.cpp)
target_link_libraries(bench_driver PRIVATE tav_core tav_test_support gtest)

set(TAV_BENCH_PROGRAMS bench_min_dialog ${TAV_BENCH_SHELL_COPIES} bench_walk bench_driver)
foreach(target IN LISTS TAV_BENCH_PROGRAMS)
  target_compile_options(${target} PRIVATE ${TAV_WARNINGS})
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TAV_BENCH_OUTPUT})
endforeach()
add_custom_target(bench_programs DEPENDS TavCopyTool ${TAV_BENCH_PROGRAMS})
