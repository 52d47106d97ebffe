#pragma once
// The log that tests/e2e/recorder/launch_recorder.exe, and the batch files
// the tests plant, append to when they are started: one UTF-8 line per start,
// tab-separated: program, parent process id, command line.
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

inline constexpr const char* kLaunchLog = "C:\\tav-e2e-launches.txt";

struct Launch {
  std::string program;
  DWORD parentProcessId = 0;
  std::string commandLine;
};

void AppendLaunch(const Launch& launch);
// Every start recorded so far, oldest first; none when there is no log.
std::vector<Launch> ReadLaunches();
void ClearLaunches();

}  // namespace e2e
