#include "tests/support/unix_link.h"

#include <windows.h>

#include <memory>
#include <vector>

namespace unix_link {
namespace {

// Wine's own exports of kernel32, looked up so that the test programs still
// load on Windows (where they are absent and every call here fails).
using ToUnix = char*(CDECL*)(LPCWSTR);

template <typename F>
F WineExport(const char* name) {
  return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), name)));
}

std::wstring Wide(const std::string& utf8) {
  const int units = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(units, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), units);
  return wide;
}

struct HeapFreer {
  void operator()(void* p) const { HeapFree(GetProcessHeap(), 0, p); }
};

std::string UnixPath(const std::string& windowsPath) {
  const auto toUnix = WineExport<ToUnix>("wine_get_unix_file_name");
  if (!toUnix) return "";
  std::unique_ptr<char, HeapFreer> path(toUnix(Wide(windowsPath).c_str()));
  return path ? std::string(path.get()) : std::string();
}

// The Unix path of a folder that exists and a last name below it: the link
// does not exist yet.
std::string UnixPathOfNew(const std::string& windowsPath) {
  const auto slash = windowsPath.find_last_of('\\');
  if (slash == std::string::npos) return "";
  const std::string folder = UnixPath(windowsPath.substr(0, slash));
  return folder.empty() ? "" : folder + "/" + windowsPath.substr(slash + 1);
}

// Runs a host program with its arguments (Unix paths) and waits for it to
// end. Through CreateProcessW Wine starts a Unix program without a handle
// to wait on; ntdll's own spawn waits. True when it ran and exited 0.
bool RunHost(std::vector<std::string> argv) {
  using Spawn = LONG(CDECL*)(char** argv, int wait);
  const auto spawn =
      reinterpret_cast<Spawn>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "__wine_unix_spawnvp")));
  if (!spawn) return false;
  std::vector<char*> pointers;
  for (auto& arg : argv) pointers.push_back(arg.data());
  pointers.push_back(nullptr);
  return spawn(pointers.data(), 1) == 0;
}

bool IsLink(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

}  // namespace

bool Plant(const std::string& target, const std::string& link) {
  // ln would put the link inside a folder already there.
  if (GetFileAttributesW(Wide(link).c_str()) != INVALID_FILE_ATTRIBUTES) return false;
  const std::string from = UnixPath(target), to = UnixPathOfNew(link);
  if (from.empty() || to.empty()) return false;
  return RunHost({"/bin/ln", "-s", from, to}) && IsLink(link);
}

bool Remove(const std::string& link) {
  if (!IsLink(link)) return GetFileAttributesW(Wide(link).c_str()) == INVALID_FILE_ATTRIBUTES;
  const std::string path = UnixPathOfNew(link);
  if (path.empty()) return false;
  // No -r: the link goes, never what it leads to.
  RunHost({"/bin/rm", "-f", path});
  return GetFileAttributesW(Wide(link).c_str()) == INVALID_FILE_ATTRIBUTES;
}

}  // namespace unix_link
