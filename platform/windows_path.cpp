#include "platform/windows_path.h"

#include "platform/text.h"

bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool IsDriveRootedPath(std::string_view path) {
  return path.size() >= 3 && IsDriveLetter(path[0]) && path[1] == ':' && path[2] == '\\';
}

std::string DriveRoot(char letter) { return {letter, ':', '\\'}; }

bool FitsShellPath(std::string_view path) { return Utf16Length(path) <= kMaxFolderPathChars; }

std::wstring ToShellList(const std::vector<std::string>& paths) {
  std::wstring list;
  for (const auto& path : paths) {
    if (path.empty()) continue;
    list += Utf8ToUtf16(path);
    list.push_back(L'\0');
  }
  list.push_back(L'\0');
  return list;
}
