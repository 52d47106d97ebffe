#pragma once
// Counts how deep the wait cursor is shown, so a test can see it up while
// the core works and down when it is done.
#include "platform/wait_cursor_port.h"

class FakeWaitCursor : public IWaitCursor {
 public:
  void Show() override { ++depth; }
  void Restore() override { --depth; }
  int depth = 0;
};
