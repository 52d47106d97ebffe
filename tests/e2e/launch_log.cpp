#include "tests/e2e/launch_log.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/text.h"

namespace e2e {

void AppendLaunch(const Launch& launch) {
  const std::string line =
      launch.program + "\t" + std::to_string(launch.parentProcessId) + "\t" + launch.commandLine + "\r\n";
  // Appended in one write, so that starts at the same moment do not mix.
  const HANDLE file = CreateFileW(Utf8ToUtf16(kLaunchLog).c_str(), FILE_APPEND_DATA,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                  nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(file);
}

std::vector<Launch> ReadLaunches() {
  std::vector<Launch> launches;
  std::ifstream log(Utf8ToUtf16(kLaunchLog).c_str());
  std::string line;
  while (std::getline(log, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    std::istringstream fields(line);
    Launch launch;
    std::string parent;
    std::getline(fields, launch.program, '\t');
    std::getline(fields, parent, '\t');
    std::getline(fields, launch.commandLine);
    launch.parentProcessId = static_cast<DWORD>(std::strtoul(parent.c_str(), nullptr, 10));
    launches.push_back(launch);
  }
  return launches;
}

void ClearLaunches() { DeleteFileW(Utf8ToUtf16(kLaunchLog).c_str()); }

}  // namespace e2e
