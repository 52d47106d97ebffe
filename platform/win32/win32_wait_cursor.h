#pragma once
#include <windows.h>

#include <memory>
#include <vector>

#include "platform/wait_cursor_port.h"
#include "platform/win32/app_base.h"

// The framework's CWaitCursor, one per Show: SetCursor at once, so the cursor
// changes even while no message is handled; each Restore puts back the cursor
// that its Show replaced.
class Win32WaitCursor : public IWaitCursor {
 public:
  Win32WaitCursor() = default;
  Win32WaitCursor(const Win32WaitCursor&) = delete;
  Win32WaitCursor& operator=(const Win32WaitCursor&) = delete;
  ~Win32WaitCursor() override;
  void Show() override;
  void Restore() override;

 private:
  std::vector<std::unique_ptr<CWaitCursor>> shown_;
};
