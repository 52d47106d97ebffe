#pragma once
// Runs a command's dialogs from a script: each entry says which dialog is
// expected, what it returns, and what it leaves in the application state.
#include <deque>
#include <functional>
#include <vector>

#include "platform/wizard_port.h"

struct ScriptedDialog {
  WizardDialog dialog;
  int result;
  std::function<void()> effect = {};  // runs before the result is returned
};

class FakeWizard : public IWizard {
 public:
  int Run(WizardDialog dialog) override {
    ran.push_back(dialog);
    if (script.empty() || script.front().dialog != dialog) {
      unexpected = true;
      return 2;  // IDCANCEL: an unscripted dialog ends the command
    }
    ScriptedDialog step = script.front();
    script.pop_front();
    if (step.effect) step.effect();
    return step.result;
  }

  std::deque<ScriptedDialog> script;
  std::vector<WizardDialog> ran;
  bool unexpected = false;
};
