#pragma once
// The ports a command gets in an unattended run, where nothing may show: no
// message box, no dialog, no cursor. A command that still asks is a fault of
// the run, not a question for nobody: the text goes to the log, a question
// counts as "いいえ" and a dialog as cancelled, so nothing is done on an
// answer no one gave.
#include "command/command_dialogs.h"
#include "platform/prompt_port.h"
#include "platform/wait_cursor_port.h"
#include "unattended/run_log.h"

class HeadlessPrompts : public IPrompts {
 public:
  explicit HeadlessPrompts(IRunLog& log) : log_(log) {}
  int Show(PromptOwner owner, const std::string& text, const std::string& caption, unsigned flags) override;

 private:
  IRunLog& log_;
};

class HeadlessCommandDialogs : public ICommandDialogs {
 public:
  explicit HeadlessCommandDialogs(IRunLog& log) : log_(log) {}
  std::optional<IdentifiedDisc> WaitForDisc() override { return Cancelled<IdentifiedDisc>(); }
  std::optional<ChosenKinds> SelectKinds() override { return Cancelled<ChosenKinds>(); }
  std::optional<ChosenDestination> ChooseCopyDestination() override { return Cancelled<ChosenDestination>(); }
  std::optional<ChosenDataSet> ChooseDataSetToMove() override { return Cancelled<ChosenDataSet>(); }
  std::optional<ChosenDestination> ChooseMoveDestination() override { return Cancelled<ChosenDestination>(); }
  std::optional<ChosenDataSet> ChooseDataSetToDelete() override { return Cancelled<ChosenDataSet>(); }

 private:
  template <typename Result>
  std::optional<Result> Cancelled() {
    LogCancelledDialog();
    return std::nullopt;
  }
  void LogCancelledDialog();
  IRunLog& log_;
};

class NoWaitCursor : public IWaitCursor {
 public:
  void Show() override {}
  void Restore() override {}
};
