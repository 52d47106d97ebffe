#pragma once
// Runs one modal dialog of a command and returns IDOK or IDCANCEL. The dialogs
// leave their results in the application state, as the commands expect.
enum class WizardDialog { DiscWait, CopySelect, CopyDest, MoveList, MoveDest, DeleteList };

class IWizard {
 public:
  virtual ~IWizard() = default;
  virtual int Run(WizardDialog dialog) = 0;
};
