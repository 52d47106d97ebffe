#pragma once
// The wizard port on the real dialogs. One wizard lives for one click of a
// command button: the selection, destination and list dialogs are made once
// and run again when the user steps back (every run refills them); the disc
// wait dialog is made afresh for every disc.
#include <memory>

#include "platform/wizard_port.h"

class CDialog;

class DialogWizard : public IWizard {
 public:
  DialogWizard();
  ~DialogWizard() override;
  int Run(WizardDialog dialog) override;

 private:
  std::unique_ptr<CDialog>& Slot(WizardDialog dialog);
  std::unique_ptr<CDialog> copySelect_, copyDest_, moveList_, moveDest_, deleteList_;
};
