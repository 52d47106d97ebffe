#pragma once
// The wait cursor, shown while a command works without handling messages
// (tree walks, shell operations, free-space queries) so that a frozen window
// at least says why. Shows nest; each Show is matched by one Restore.
class IWaitCursor {
 public:
  virtual ~IWaitCursor() = default;
  virtual void Show() = 0;
  virtual void Restore() = 0;
};
