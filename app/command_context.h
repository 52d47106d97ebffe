#pragma once
// What a command works with: the application state, the ports, and the main
// menu's busy flag (TRUE around free-space queries and shell operations, so
// re-entry through nested message loops finds the buttons inert).
#include "app/app_state.h"
#include "platform/disk_port.h"
#include "platform/file_port.h"
#include "platform/profile_port.h"
#include "platform/prompt_port.h"
#include "platform/registry_port.h"
#include "platform/wizard_port.h"

struct CommandContext {
  TavAppState& app;
  IRegistry& registry;
  IDisks& disks;
  IFileSystem& files;
  IProfile& profile;
  IPrompts& prompts;
  IWizard& wizard;
  bool& busy;
};

// Sets the busy flag for a scope and clears it on every way out.
class BusyScope {
 public:
  explicit BusyScope(bool& busy) : busy_(busy) { busy_ = true; }
  ~BusyScope() { busy_ = false; }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  bool& busy_;
};
