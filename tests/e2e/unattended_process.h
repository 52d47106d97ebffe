#pragma once
// The tool started unattended, as a script starts it with its output
// redirected: standard output into a file, the run awaited, its exit code
// and output read back, and whether a window of it showed meanwhile.
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

struct UnattendedResult {
  bool exited = false;  // false: still running after the timeout, then ended
  DWORD exitCode = 0;
  std::string output;   // standard output as written, bytes
  bool windowSeen = false;
};

// Starts InstallDir()'s exe with `arguments` and waits for it to end.
UnattendedResult RunUnattendedTool(const std::string& arguments, DWORD timeoutMs = 30000);

// The lines of a text whose lines end in CRLF; a last line without one is
// kept too, so a missing line end shows.
std::vector<std::string> CrlfLines(const std::string& text);

}  // namespace e2e
