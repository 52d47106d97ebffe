#include "bench/wine_cpu.h"

#include <windows.h>

#include <cstdlib>
#include <functional>
#include <sstream>

#include "platform/text.h"

namespace bench {

namespace {

// A file of the host, read through drive Z:.
std::string ReadHostFile(const std::string& path) {
  HANDLE file = CreateFileW(Utf8ToUtf16("Z:" + path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "";
  std::string text;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got) text.append(buffer, got);
  CloseHandle(file);
  return text;
}

// Calls `visit` with the host pid of every process of this prefix (its
// environment names the prefix) until it returns false.
void ForEachPrefixProcess(const std::function<bool(const std::string&)>& visit) {
  const char* prefix = getenv("TAV_WINEPREFIX_UNIX");
  if (!prefix) return;
  const std::string nul(1, '\0');
  const std::string wanted = nul + "WINEPREFIX=" + prefix + nul;
  WIN32_FIND_DATAW entry;
  HANDLE find = FindFirstFileW(L"Z:\\proc\\*", &entry);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const std::string pid = Utf16ToUtf8(entry.cFileName);
    if (pid.find_first_not_of("0123456789") != std::string::npos) continue;
    if ((nul + ReadHostFile("/proc/" + pid + "/environ")).find(wanted) == std::string::npos) continue;
    if (!visit(pid)) break;
  } while (FindNextFileW(find, &entry));
  FindClose(find);
}

}  // namespace

std::string FindHostProcess(const std::string& name) {
  std::string found;
  ForEachPrefixProcess([&](const std::string& pid) {
    if (ReadHostFile("/proc/" + pid + "/comm").rfind(name, 0) == 0) found = pid;
    return found.empty();
  });
  return found;
}

std::string OwnHostPid() {
  // The host names a process after its executable, cut to 15 bytes.
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  const std::string exe = Utf16ToUtf8(std::wstring(path, length));
  static const std::string pid = FindHostProcess(exe.substr(exe.find_last_of('\\') + 1, 15));
  return pid;
}

double HostCpuMs(const std::string& hostPid) {
  if (hostPid.empty()) return 0;
  // After the command name: the state is field 3, user time field 14 and
  // system time field 15, in clock ticks of 10 ms.
  const std::string stat = ReadHostFile("/proc/" + hostPid + "/stat");
  const std::size_t nameEnd = stat.rfind(") ");
  if (nameEnd == std::string::npos) return 0;
  std::istringstream fields(stat.substr(nameEnd + 2));
  std::string field;
  double ticks = 0;
  for (int index = 3; index <= 15 && fields >> field; ++index)
    if (index >= 14) ticks += std::stod(field);
  return ticks * 10;
}

double WineServerCpuMs() {
  static const std::string pid = FindHostProcess("wineserver");
  return HostCpuMs(pid);
}

double SessionCpuMs() {
  const std::string selfPid = OwnHostPid();
  double ms = 0;
  ForEachPrefixProcess([&](const std::string& pid) {
    if (pid != selfPid) ms += HostCpuMs(pid);
    return true;
  });
  return ms;
}

}  // namespace bench
