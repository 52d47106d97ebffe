#pragma once
// What scripts/bench.sh tells the bench driver (Windows paths).
#include <string>

namespace bench {

struct DriverOptions {
  std::string benchDir;    // folder of the bench programs
  std::string discFolder;  // the disc's subject folder, e.g. E:\TestDoc_B
  char destDrive = 'G';    // the fixed drive the copies go to
  int rounds = 3;          // samples of each figure (and of its floor)
  int seconds = 5;         // length of one CPU reading
  std::string DataFolder() const;  // where the tool puts the disc's data
  std::string Program(const std::string& name) const { return benchDir + "\\" + name + ".exe"; }
};
DriverOptions& Options();

}  // namespace bench
