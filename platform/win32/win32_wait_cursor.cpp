#include "platform/win32/win32_wait_cursor.h"

void Win32WaitCursor::Show() { previous_.push_back(SetCursor(LoadCursorW(nullptr, IDC_WAIT))); }

void Win32WaitCursor::Restore() {
  if (previous_.empty()) return;
  SetCursor(previous_.back());
  previous_.pop_back();
}
