#pragma once
// The ports a command gets in an unattended run, where nothing may show: no
// message box, no dialog, no cursor. A command that still asks is a fault of
// the run, not a question for nobody: the text goes to the log, a question
// counts as "いいえ" and a dialog as cancelled, so nothing is done on an
// answer no one gave.
#include "platform/prompt_port.h"
#include "platform/wait_cursor_port.h"
#include "platform/wizard_port.h"
#include "unattended/run_log.h"

class HeadlessPrompts : public IPrompts {
 public:
  explicit HeadlessPrompts(IRunLog& log) : log_(log) {}
  int Show(PromptOwner owner, const std::string& text, const std::string& caption, unsigned flags) override;

 private:
  IRunLog& log_;
};

class HeadlessWizard : public IWizard {
 public:
  explicit HeadlessWizard(IRunLog& log) : log_(log) {}
  int Run(WizardDialog dialog) override;

 private:
  IRunLog& log_;
};

class NoWaitCursor : public IWaitCursor {
 public:
  void Show() override {}
  void Restore() override {}
};
