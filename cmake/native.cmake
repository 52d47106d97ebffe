# Native tier: the portable core and its tests, built with the host compiler
# against the system GoogleTest.
find_package(GTest REQUIRED)
file(GLOB TAV_NATIVE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/native/*.cpp)
add_executable(native_tests ${TAV_NATIVE_TESTS})
target_link_libraries(native_tests PRIVATE tav_fakes GTest::gtest GTest::gmock GTest::gtest_main)
target_compile_options(native_tests PRIVATE ${TAV_WARNINGS})
include(GoogleTest)
gtest_discover_tests(native_tests DISCOVERY_MODE PRE_TEST)
