// The start-up floor: the least a program can do to show the main menu's
// template (102, with the same resources and manifest as the tool): a plain
// DialogBox. Its exit button ends it, as the tool's does.
#include <windows.h>

#include "res/resource.h"

namespace {

INT_PTR CALLBACK MinimalDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message == WM_COMMAND && (LOWORD(wParam) == IDC_EXIT || LOWORD(wParam) == IDCANCEL)) {
    EndDialog(dialog, 0);
    return TRUE;
  }
  return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  return static_cast<int>(
      DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_TAVCOPYTOOL_DIALOG), nullptr, MinimalDialogProc, 0));
}
