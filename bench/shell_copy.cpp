// The copy step's floor: one bare SHFileOperationW copy of kind folders into a
// data folder, with the tool's flags, timed around the call alone. Built four
// times (console or windows subsystem, without or with the tool's resources:
// manifest, templates, icon), and its switches add one more of the tool's
// conditions each, so that a slower call inside the tool can be traced to one
// difference.
// Usage: bench_shell_copy --to=DATA_FOLDER [--owner] [--com] [--wait-cursor] FOLDER...
// Prints: shell_copy <wall ms> <CPU ms of this process> <CPU ms of the
//         wineserver> <SHFileOperationW result> <fAnyOperationsAborted>
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/bench_timing.h"
#include "bench/wine_cpu.h"
#include "catalogue/content_kinds.h"
#include "platform/text.h"
#include "platform/windows_path.h"

namespace {

void Print(const std::string& line) {
  // Written to the handle itself: a windows-subsystem build has no console,
  // only the pipe that the driver handed over.
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

// A visible top-level dialog window, as the main menu is when the tool calls the shell.
HWND CreateOwnerWindow() {
  HWND owner = CreateWindowExW(WS_EX_APPWINDOW, L"#32770", L"owner", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE,
                               100, 100, 300, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  return owner;
}

}  // namespace

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  std::string to;
  std::vector<std::string> from;
  bool owner = false, com = false, waitCursor = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = Utf16ToUtf8(argv[i]);
    if (arg.rfind("--to=", 0) == 0) to = arg.substr(5);
    else if (arg == "--owner") owner = true;
    else if (arg == "--com") com = true;
    else if (arg == "--wait-cursor") waitCursor = true;
    else from.push_back(arg);
  }
  if (to.empty() || from.empty()) {
    Print("usage: bench_shell_copy --to=DATA_FOLDER [--owner] [--com] [--wait-cursor] FOLDER...\n");
    return 2;
  }
  if (com) CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  HWND window = owner ? CreateOwnerWindow() : nullptr;
  // The data folder exists when the tool copies: the user agreed to create it.
  CreateDirectoryW(Utf8ToUtf16(to).c_str(), nullptr);

  const std::wstring source = ToShellList(from);
  const std::wstring target = ToShellList({to});
  SHFILEOPSTRUCTW operation{};
  operation.hwnd = window;
  operation.wFunc = FO_COPY;
  operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMMKDIR;
  operation.pFrom = source.c_str();
  operation.pTo = target.c_str();
  HCURSOR previous = waitCursor ? SetCursor(LoadCursorW(nullptr, IDC_WAIT)) : nullptr;
  const bench::CpuMeter cpu(bench::OwnHostPid());
  const bench::Stopwatch watch;
  const int result = SHFileOperationW(&operation);
  const double ms = watch.Ms();
  const double processMs = cpu.ProcessMs(), serverMs = cpu.ServerMs();
  if (waitCursor) SetCursor(previous);

  char line[128];
  snprintf(line, sizeof line, "shell_copy %.2f %.2f %.2f %d %d\n", ms, processMs, serverMs, result,
           operation.fAnyOperationsAborted ? 1 : 0);
  Print(line);
  if (window) DestroyWindow(window);
  if (com) CoUninitialize();
  return result == 0 ? 0 : 1;
}
