// End-to-end automation program: starts the real TavCopyTool.exe in the test
// prefix and operates it from outside, as a user would.
// Arguments: --exe=<path of the built exe> [--shots=<folder for screenshots>]
// [--demo: run the demo walk against the exe where it is installed]
// [--release=<release folder> --unpacked=<the archive unpacked>
//  --next-msi=<installer of the next version>: the package tests]
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/e2e/tool_process.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg.rfind("--exe=", 0) == 0) e2e::Options().builtExe = arg.substr(6);
    if (arg.rfind("--shots=", 0) == 0) e2e::Options().shotsDir = arg.substr(8);
    if (arg == "--demo") e2e::Options().demo = true;
    if (arg.rfind("--release=", 0) == 0) e2e::Options().releaseDir = arg.substr(10);
    if (arg.rfind("--unpacked=", 0) == 0) e2e::Options().unpackedDir = arg.substr(11);
    if (arg.rfind("--next-msi=", 0) == 0) e2e::Options().nextMsi = arg.substr(11);
  }
  if (e2e::Options().builtExe.empty()) {
    fprintf(stderr, "usage: e2e_tests --exe=PATH [--shots=DIR]\n");
    return 2;
  }
  return RUN_ALL_TESTS();
}
