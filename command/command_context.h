#pragma once
// What a command works with: the application state, its dialogs, the ports, the main
// menu's busy flag (TRUE around free-space queries, tree walks and shell
// operations, so re-entry through nested message loops finds the buttons
// inert) and the wait cursor shown meanwhile.
#include "command/app_state.h"
#include "command/command_dialogs.h"
#include "platform/disk_port.h"
#include "platform/file_port.h"
#include "platform/profile_port.h"
#include "platform/prompt_port.h"
#include "platform/registry_port.h"
#include "platform/wait_cursor_port.h"

struct CommandContext {
  TavAppState& app;
  IRegistry& registry;
  IDisks& disks;
  IFileSystem& files;
  IProfile& profile;
  IPrompts& prompts;
  ICommandDialogs& dialogs;
  bool& busy;
  IWaitCursor& waitCursor;
};

// Sets the busy flag and shows the wait cursor for a scope; both come down
// on every way out.
class BusyScope {
 public:
  explicit BusyScope(CommandContext& ctx) : busy_(ctx.busy), cursor_(ctx.waitCursor) {
    busy_ = true;
    cursor_.Show();
  }
  ~BusyScope() {
    cursor_.Restore();
    busy_ = false;
  }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  bool& busy_;
  IWaitCursor& cursor_;
};
