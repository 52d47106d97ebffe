#pragma once
// The tool under test: installed into a folder of its own with its INI and
// help document, started as a separate process, and the registry it reads
// prepared and cleaned for each test.
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

struct E2eOptions {
  std::string builtExe;  // the exe the build produced (its folder holds the INI and help)
  std::string shotsDir;  // where screenshots go; empty: none
  bool demo = false;     // the demo walk: use the exe where the demo installed it
  // The release package tests: the folder of the archive and the installer,
  // the folder the archive was unpacked into, and an installer of the next
  // version built for the upgrade.
  std::string releaseDir;
  std::string unpackedDir;
  std::string nextMsi;
};
E2eOptions& Options();

// Where each test installs the tool: C:\tav-e2e\ (the demo: where it lies).
std::string InstallDir();
// Copies the built exe, its INI and help document into InstallDir();
// `ini` replaces the INI's text when not empty.
void InstallTool(const std::string& ini = "");

// Removes every key the tool reads or writes (both registry views).
void ResetRegistry();
void GrantUserLevel(const std::string& subjectKey, const std::string& level = "ADMIN");
// A record as the 32-bit product application sees it; nullopt-like "" when missing.
std::string ReadRecord32(const std::string& subjectKey, const std::string& valueName);
// Writes a record where the 32-bit product application keeps it.
void WriteRecord32(const std::string& subjectKey, const std::string& valueName, const std::string& path);

class ToolProcess {
 public:
  // Starts InstallDir()'s exe, or `exe` when given.
  explicit ToolProcess(const std::string& arguments = "", const std::string& exe = "");
  ~ToolProcess();  // ends the process if the test left it running
  ToolProcess(const ToolProcess&) = delete;
  ToolProcess& operator=(const ToolProcess&) = delete;

  DWORD pid() const { return info_.dwProcessId; }
  bool WaitForExit(DWORD timeoutMs = 15000) const;
  // True while the process has no visible top-level window.
  bool HasNoWindow() const;
  // The main menu window, once it is shown.
  HWND WaitForMainMenu() const;

 private:
  PROCESS_INFORMATION info_{};
};

// Saves a screenshot named `name` (PNG conversion happens after the run).
void Shot(const std::string& name);

}  // namespace e2e
