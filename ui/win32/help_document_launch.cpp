#include "ui/win32/help_document_launch.h"

#include <shellapi.h>

#include "platform/win32/desktop_shell.h"
#include "platform/win32/win_text.h"
#include "ui/help_opening.h"
#include "ui/usage_help.h"

namespace {

bool IsDocumentOnDisk(const std::string& path) {
  WIN32_FIND_DATAW found;
  const HANDLE find = FindFirstFileW(W(path).c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return false;
  FindClose(find);
  return !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && IsHelpDocumentType(U8(found.cFileName));
}

}  // namespace

bool LaunchHelpDocument(HWND owner, const std::string& path) {
  if (!IsDocumentOnDisk(path)) return false;
  const HelpOpenedBy by = OpenHelpDocument(
      IsProcessElevated(), [&] { return OpenThroughDesktopShell(path); },
      [&] {
        const auto result = reinterpret_cast<INT_PTR>(
            ShellExecuteW(owner, L"open", W(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
        return result > 32;
      });
  return by != HelpOpenedBy::Nobody;
}
