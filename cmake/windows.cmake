# Windows tree: the Win32 layer, TavCopyTool.exe and the programs that test
# them under Wine.
enable_language(RC)
add_compile_definitions(UNICODE _UNICODE NOMINMAX _WIN32_WINNT=0x0A00)

set(TAV_WIN_MAIN ${CMAKE_SOURCE_DIR}/app/win32/win_main.cpp)
list(REMOVE_ITEM TAV_WIN32_SOURCES ${TAV_WIN_MAIN})

add_library(tav_win32 STATIC ${TAV_WIN32_SOURCES})
target_link_libraries(tav_win32 PUBLIC tav_core shell32 comctl32 advapi32 user32 gdi32)
target_compile_options(tav_win32 PRIVATE ${TAV_WARNINGS})

# Dialog templates, icon, strings, version block and manifest, shared by the
# exe and the test programs (which open the dialogs for real).
add_library(tav_resources OBJECT ${CMAKE_SOURCE_DIR}/res/TavCopyTool.rc)
set_source_files_properties(${CMAKE_SOURCE_DIR}/res/TavCopyTool.rc PROPERTIES
  OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/res/disc_wait.rc;${CMAKE_SOURCE_DIR}/res/copy_select.rc;${CMAKE_SOURCE_DIR}/res/dest.rc;${CMAKE_SOURCE_DIR}/res/data_list.rc;${CMAKE_SOURCE_DIR}/res/TavCopyTool.ico;${CMAKE_SOURCE_DIR}/res/TavCopyTool.manifest;${CMAKE_SOURCE_DIR}/res/resource.h")

add_executable(TavCopyTool WIN32 ${TAV_WIN_MAIN} $<TARGET_OBJECTS:tav_resources>)
target_link_libraries(TavCopyTool PRIVATE tav_win32)
target_compile_options(TavCopyTool PRIVATE ${TAV_WARNINGS})

# Shipped beside the exe: the INI and the help document it names.
add_custom_command(TARGET TavCopyTool POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/res/TavCopyTool.INI $<TARGET_FILE_DIR:TavCopyTool>/TavCopyTool.INI
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/res/TavCopyTool.html $<TARGET_FILE_DIR:TavCopyTool>/TavCopyTool.html)

include(cmake/wine_tests.cmake)
include(cmake/bench.cmake)
