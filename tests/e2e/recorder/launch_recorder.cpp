// Stands in for a program that the tool must, or must not, start: records its
// start in the launch log (its path, its parent, its command line) and ends,
// without a window.
#include <windows.h>
#include <tlhelp32.h>

#include "platform/text.h"
#include "tests/e2e/launch_log.h"

namespace {

DWORD ParentProcessId() {
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return 0;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  DWORD parent = 0;
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
    if (entry.th32ProcessID == GetCurrentProcessId()) parent = entry.th32ParentProcessID;
  }
  CloseHandle(snapshot);
  return parent;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  e2e::AppendLaunch({Utf16ToUtf8(self), ParentProcessId(), Utf16ToUtf8(GetCommandLineW())});
  return 0;
}
