#pragma once
// The wizard port on the real dialogs. One runner lives for one click of a
// command button: the selection, destination and list dialogs are made once
// and run again when the user steps back (every run refills them); the disc
// wait dialog is made afresh for every disc. Each dialog gets the current
// data set and the ports it works with.
#include <memory>

#include "command/app_state.h"
#include "platform/disk_port.h"
#include "platform/file_port.h"
#include "platform/prompt_port.h"
#include "platform/registry_port.h"
#include "platform/wizard_port.h"

class CDialog;

struct DialogPorts {
  IRegistry& registry;
  IDisks& disks;
  IFileSystem& files;
  IPrompts& prompts;
};

class DialogRunner : public IWizard {
 public:
  DialogRunner(TavAppState& app, const DialogPorts& ports);
  ~DialogRunner() override;
  int Run(WizardDialog dialog) override;

 private:
  std::unique_ptr<CDialog>& Slot(WizardDialog dialog);
  TavAppState& app_;
  DialogPorts ports_;
  std::unique_ptr<CDialog> copySelect_, copyDest_, moveList_, moveDest_, deleteList_;
};
