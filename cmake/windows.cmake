# Windows tree: the Win32 layer, TavCopyTool.exe and the programs that test
# them under Wine.
enable_language(RC)
add_compile_definitions(UNICODE _UNICODE NOMINMAX _WIN32_WINNT=0x0A00)

# Linked into the exe alone: its entry point and its load configuration.
set(TAV_WIN_MAIN ${CMAKE_SOURCE_DIR}/app/win32/win_main.cpp)
set(TAV_LOAD_CONFIG ${CMAKE_SOURCE_DIR}/app/win32/load_config.cpp)
list(REMOVE_ITEM TAV_WIN32_SOURCES ${TAV_WIN_MAIN} ${TAV_LOAD_CONFIG})

add_library(tav_win32 STATIC ${TAV_WIN32_SOURCES})
target_link_libraries(tav_win32 PUBLIC tav_core shell32 ole32 oleaut32 uuid comctl32 advapi32 user32 gdi32)
target_compile_options(tav_win32 PRIVATE ${TAV_WARNINGS})

# Dialog templates, icon, strings, version block and manifest, shared by the
# exe and the test programs (which open the dialogs for real).
configure_file(${CMAKE_SOURCE_DIR}/res/tav_version.h.in ${CMAKE_BINARY_DIR}/generated/tav_version.h @ONLY)
add_library(tav_resources OBJECT ${CMAKE_SOURCE_DIR}/res/TavCopyTool.rc)
target_include_directories(tav_resources PRIVATE ${CMAKE_BINARY_DIR}/generated)
# windres reports no dependencies: every template, header, icon and the
# manifest in res/ is one, so a new template rebuilds the resources too.
file(GLOB TAV_RESOURCE_INPUTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/res/*.rc ${CMAKE_SOURCE_DIR}/res/*.h
     ${CMAKE_SOURCE_DIR}/res/*.ico ${CMAKE_SOURCE_DIR}/res/*.manifest)
list(REMOVE_ITEM TAV_RESOURCE_INPUTS ${CMAKE_SOURCE_DIR}/res/TavCopyTool.rc)
set_source_files_properties(${CMAKE_SOURCE_DIR}/res/TavCopyTool.rc PROPERTIES
  OBJECT_DEPENDS "${TAV_RESOURCE_INPUTS};${CMAKE_BINARY_DIR}/generated/tav_version.h")

add_executable(TavCopyTool WIN32 ${TAV_WIN_MAIN} ${TAV_LOAD_CONFIG} $<TARGET_OBJECTS:tav_resources>)
target_link_libraries(TavCopyTool PRIVATE tav_win32)
target_compile_options(TavCopyTool PRIVATE ${TAV_WARNINGS})

# The header's load-configuration entry (DependentLoadFlags: imports from
# System32 only), which this linker leaves empty; then, shipped beside the
# exe, the INI and the help document it names.
add_custom_command(TARGET TavCopyTool POST_BUILD
  COMMAND ${CMAKE_SOURCE_DIR}/scripts/pe-load-config.sh link $<TARGET_FILE:TavCopyTool> ${CMAKE_NM}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/res/TavCopyTool.INI $<TARGET_FILE_DIR:TavCopyTool>/TavCopyTool.INI
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/res/TavCopyTool.html $<TARGET_FILE_DIR:TavCopyTool>/TavCopyTool.html)

add_test(NAME exe_load_config COMMAND ${CMAKE_SOURCE_DIR}/scripts/pe-load-config.sh check $<TARGET_FILE:TavCopyTool>)

include(cmake/release.cmake)
include(cmake/wine_tests.cmake)
include(cmake/bench.cmake)
