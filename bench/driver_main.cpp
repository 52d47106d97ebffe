// The bench driver: the tool's figures measured from outside its process,
// each alternately with its floor. A GoogleTest program, so that every step
// of the user's path is checked as in the end-to-end tests; scripts/bench.sh
// picks the figures with --gtest_filter and reads the "bench" lines.
// Arguments: --exe=<installed TavCopyTool.exe> --bench-dir=<bench programs>
//   --disc=<disc's TestDoc folder> [--dest-drive=G] [--rounds=N] [--seconds=S]
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "bench/driver_options.h"
#include "tests/e2e/tool_process.h"

namespace bench {

DriverOptions& Options() {
  static DriverOptions options;
  return options;
}

std::string DriverOptions::DataFolder() const {
  // The disc's "TestDoc_X" folder name, under the year folder of the bench disc.
  const std::string subjectFolder = discFolder.substr(discFolder.find_last_of('\\') + 1);
  return std::string(1, destDrive) + ":\\KR_LAB\\Tav2007\\" + subjectFolder;
}

}  // namespace bench

int main(int argc, char** argv) {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  ::testing::InitGoogleTest(&argc, argv);
  bench::DriverOptions& options = bench::Options();
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const auto value = [&](const char* name) {
      const std::string prefix = std::string(name) + "=";
      return arg.rfind(prefix, 0) == 0 ? arg.substr(prefix.size()) : std::string();
    };
    if (!value("--exe").empty()) e2e::Options().builtExe = value("--exe");
    if (!value("--bench-dir").empty()) options.benchDir = value("--bench-dir");
    if (!value("--disc").empty()) options.discFolder = value("--disc");
    if (!value("--dest-drive").empty()) options.destDrive = value("--dest-drive")[0];
    if (!value("--rounds").empty()) options.rounds = std::stoi(value("--rounds"));
    if (!value("--seconds").empty()) options.seconds = std::stoi(value("--seconds"));
  }
  if (e2e::Options().builtExe.empty() || options.benchDir.empty() || options.rounds < 1) {
    fprintf(stderr, "usage: bench_driver --exe=PATH --bench-dir=DIR --disc=DIR [--rounds=N] [--seconds=S]\n");
    return 2;
  }
  // The tool is started where bench.sh installed it, with its INI and help.
  e2e::Options().demo = true;
  return RUN_ALL_TESTS();
}
