#pragma once
#include <windows.h>

#include <vector>

#include "platform/wait_cursor_port.h"

// SetCursor at once, so the cursor changes even while no message is handled;
// each Restore puts back the cursor that its Show replaced.
class Win32WaitCursor : public IWaitCursor {
 public:
  void Show() override;
  void Restore() override;

 private:
  std::vector<HCURSOR> previous_;
};
