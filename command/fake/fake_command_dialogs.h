#pragma once
// A command's dialogs from a script: each entry names the dialog expected
// next and produces what it hands back (an empty result: the user cancelled
// or stepped back).
#include <deque>
#include <functional>
#include <optional>
#include <variant>
#include <vector>

#include "command/command_dialogs.h"

enum class WizardDialog { DiscWait, CopySelect, CopyDest, MoveList, MoveDest, DeleteList };

using DialogResult = std::variant<std::monostate, IdentifiedDisc, ChosenKinds, ChosenDestination, ChosenDataSet>;

struct ScriptedDialog {
  WizardDialog dialog;
  std::function<DialogResult()> run;
};

class FakeCommandDialogs : public ICommandDialogs {
 public:
  std::optional<IdentifiedDisc> WaitForDisc() override { return Next<IdentifiedDisc>(WizardDialog::DiscWait); }
  std::optional<ChosenKinds> SelectKinds() override { return Next<ChosenKinds>(WizardDialog::CopySelect); }
  std::optional<ChosenDestination> ChooseCopyDestination() override {
    return Next<ChosenDestination>(WizardDialog::CopyDest);
  }
  std::optional<ChosenDataSet> ChooseDataSetToMove() override { return Next<ChosenDataSet>(WizardDialog::MoveList); }
  std::optional<ChosenDestination> ChooseMoveDestination() override {
    return Next<ChosenDestination>(WizardDialog::MoveDest);
  }
  std::optional<ChosenDataSet> ChooseDataSetToDelete() override {
    return Next<ChosenDataSet>(WizardDialog::DeleteList);
  }

  std::deque<ScriptedDialog> script;
  std::vector<WizardDialog> ran;
  bool unexpected = false;  // a dialog ran that the script did not name next

 private:
  template <typename Result>
  std::optional<Result> Next(WizardDialog dialog) {
    ran.push_back(dialog);
    if (script.empty() || script.front().dialog != dialog) {
      unexpected = true;
      return std::nullopt;  // an unscripted dialog ends the command
    }
    ScriptedDialog step = std::move(script.front());
    script.pop_front();
    const DialogResult result = step.run ? step.run() : DialogResult{};
    if (const auto* chosen = std::get_if<Result>(&result)) return *chosen;
    return std::nullopt;
  }
};
