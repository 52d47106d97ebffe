#pragma once
// Runs a dialog modally on the test's thread while a driver thread operates
// it as a user would (clicks, keys, message boxes), through tests/support,
// and flushes it (tests/wine/dialog_flush.h) where it must know that the
// dialog has handled what it was sent. If the driver leaves the dialog open,
// it is closed so the test never hangs.
#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <thread>

#include "platform/win32/dialog_base.h"
#include "tests/support/automation.h"
#include "tests/wine/dialog_flush.h"

// Runs `dialog` modally; `driver` gets its window once it is shown.
inline INT_PTR RunDriven(CDialog& dialog, const std::string& title, const std::function<void(HWND)>& driver) {
  PrepareFlush();
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

inline RECT ClientRectOf(HWND window, HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

inline RECT ClientRectOf(HWND window, int id) { return ClientRectOf(window, GetDlgItem(window, id)); }

// The control sits where the template puts it, in dialog units.
inline void ExpectAt(HWND dialog, HWND control, int x, int y, int cx, int cy) {
  const RECT expected = DialogUnits(dialog, x, y, cx, cy);
  const RECT actual = ClientRectOf(dialog, control);
  const int id = GetDlgCtrlID(control);
  EXPECT_EQ(actual.left, expected.left) << "control " << id;
  EXPECT_EQ(actual.top, expected.top) << "control " << id;
  EXPECT_EQ(actual.right, expected.right) << "control " << id;
  EXPECT_EQ(actual.bottom, expected.bottom) << "control " << id;
}

// The dialog's client area has the template's size, in dialog units.
inline void ExpectClientSize(HWND dialog, int cx, int cy) {
  RECT client;
  GetClientRect(dialog, &client);
  const RECT size = DialogUnits(dialog, 0, 0, cx, cy);
  EXPECT_EQ(client.right, size.right);
  EXPECT_EQ(client.bottom, size.bottom);
}

inline void ExpectAt(HWND dialog, int id, int x, int y, int cx, int cy) {
  ExpectAt(dialog, GetDlgItem(dialog, id), x, y, cx, cy);
}

// The controls as the dialog manager creates them from a template, seen
// through a creation hook on this thread while the object lives: their style
// and size before a control adjusts itself (a list box drops WS_VSCROLL while
// nothing scrolls; the dialog manager has already made a border of an edit or
// list box a client edge; a combo box's window
// is only its selection field, the template's height being the dropped one).
class TemplateCapture {
 public:
  struct Created {
    LONG style = 0;
    LONG exStyle = 0;
    int cx = 0, cy = 0;
  };
  TemplateCapture() {
    current_ = this;
    hook_ = SetWindowsHookExW(WH_CBT, &TemplateCapture::Hook, nullptr, GetCurrentThreadId());
  }
  ~TemplateCapture() {
    UnhookWindowsHookEx(hook_);
    current_ = nullptr;
  }
  TemplateCapture(const TemplateCapture&) = delete;
  TemplateCapture& operator=(const TemplateCapture&) = delete;

  // The last control created with `id`.
  std::map<int, Created> byId;

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && current_) {
      const CREATESTRUCTW* cs = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
      if (cs->style & WS_CHILD)
        current_->byId[static_cast<int>(reinterpret_cast<INT_PTR>(cs->hMenu))] = {static_cast<LONG>(cs->style),
                                                                                  static_cast<LONG>(cs->dwExStyle),
                                                                                  cs->cx, cs->cy};
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static inline thread_local TemplateCapture* current_ = nullptr;
  HHOOK hook_ = nullptr;
};
