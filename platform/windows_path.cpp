#include "platform/windows_path.h"

#include "platform/text.h"

bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool IsDriveRootedPath(std::string_view path) {
  return path.size() >= 3 && IsDriveLetter(path[0]) && path[1] == ':' && path[2] == '\\';
}

bool IsUncSharePath(std::string_view path) {
  if (path.size() < 5 || path.substr(0, 2) != "\\\\") return false;
  const std::string_view rest = path.substr(2);
  const auto serverEnd = rest.find('\\');
  if (serverEnd == 0 || serverEnd == std::string_view::npos) return false;
  const std::string_view server = rest.substr(0, serverEnd);
  if (server == "?" || server == ".") return false;
  const std::string_view afterServer = rest.substr(serverEnd + 1);
  const auto shareEnd = afterServer.find('\\');
  return shareEnd != 0 && shareEnd != std::string_view::npos;
}

bool IsAbsoluteFolderPath(std::string_view path) { return IsDriveRootedPath(path) || IsUncSharePath(path); }

bool IsDosDeviceName(std::string_view name) {
  std::string_view base = name.substr(0, name.find('.'));
  while (!base.empty() && base.back() == ' ') base.remove_suffix(1);
  const std::string upper = AsciiUpper(base);
  if (upper == "CON" || upper == "PRN" || upper == "AUX" || upper == "NUL" || upper == "CONIN$" ||
      upper == "CONOUT$")
    return true;
  if (upper.rfind("COM", 0) != 0 && upper.rfind("LPT", 0) != 0) return false;
  const std::string_view digit = std::string_view(upper).substr(3);
  return (digit.size() == 1 && digit[0] >= '0' && digit[0] <= '9') ||
         digit == "\u00B9" || digit == "\u00B2" || digit == "\u00B3";  // superscript 1, 2, 3
}

std::string DriveRoot(char letter) { return {letter, ':', '\\'}; }

bool FitsShellPath(std::string_view path) { return Utf16Length(path) <= kMaxFolderPathChars; }

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!path.empty() && path.back() != '\\') path += '\\';
  path += name;
  return path;
}

std::string LastLevel(std::string_view path) {
  const auto slash = path.find_last_of('\\');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

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
