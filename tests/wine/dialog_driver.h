#pragma once
// Runs a dialog modally on the test's thread while a driver thread operates
// it as a user would (clicks, keys, message boxes), through tests/support.
// If the driver leaves the dialog open, it is closed so the test never hangs.
#include <windows.h>

#include <functional>
#include <string>
#include <thread>

#include "platform/win32/afx_dialog.h"
#include "tests/support/automation.h"

// Runs `dialog` modally; `driver` gets its window once it is shown.
inline INT_PTR RunDriven(CDialog& dialog, const std::string& title, const std::function<void(HWND)>& driver) {
  std::thread thread([&] {
    HWND window = automation::WaitForTopWindow(GetCurrentProcessId(), title);
    if (window) driver(window);
    // Anything still open (a message box, the dialog) is closed by force.
    for (int i = 0; i < 20 && window && IsWindow(window) && IsWindowVisible(window); ++i) {
      HWND popup = GetLastActivePopup(window);
      if (popup && popup != window) PostMessageW(popup, WM_COMMAND, IDCANCEL, 0);
      PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
      Sleep(100);
    }
  });
  const INT_PTR result = dialog.DoModal();
  thread.join();
  return result;
}

// Where the dialog manager puts a control: origin and size are converted
// from dialog units separately.
inline RECT DialogUnits(HWND window, int x, int y, int cx, int cy) {
  RECT r{x, y, cx, cy};
  MapDialogRect(window, &r);
  return {r.left, r.top, r.left + r.right, r.top + r.bottom};
}

inline RECT ClientRectOf(HWND window, int id) {
  HWND control = GetDlgItem(window, id);
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
  return r;
}
