#include "platform/win32/win32_wait_cursor.h"

// Innermost first, as the shows nested.
Win32WaitCursor::~Win32WaitCursor() {
  while (!shown_.empty()) Restore();
}

void Win32WaitCursor::Show() { shown_.push_back(std::make_unique<CWaitCursor>()); }

void Win32WaitCursor::Restore() {
  if (!shown_.empty()) shown_.pop_back();
}
