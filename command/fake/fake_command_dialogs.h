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

enum class CommandDialog { DiscWait, CopySelect, CopyDest, MoveList, MoveDest, DeleteList };

using DialogResult = std::variant<std::monostate, IdentifiedDisc, ChosenKinds, ChosenDestination, ChosenDataSet>;

struct ScriptedDialog {
  CommandDialog dialog;
  std::function<DialogResult()> run;
};

class FakeCommandDialogs : public ICommandDialogs {
 public:
  std::optional<IdentifiedDisc> WaitForDisc() override { return Next<IdentifiedDisc>(CommandDialog::DiscWait); }
  std::optional<ChosenKinds> SelectKinds() override { return Next<ChosenKinds>(CommandDialog::CopySelect); }
  std::optional<ChosenDestination> ChooseCopyDestination() override {
    return Next<ChosenDestination>(CommandDialog::CopyDest);
  }
  std::optional<ChosenDataSet> ChooseDataSetToMove() override { return Next<ChosenDataSet>(CommandDialog::MoveList); }
  std::optional<ChosenDestination> ChooseMoveDestination() override {
    return Next<ChosenDestination>(CommandDialog::MoveDest);
  }
  std::optional<ChosenDataSet> ChooseDataSetToDelete() override {
    return Next<ChosenDataSet>(CommandDialog::DeleteList);
  }

  std::deque<ScriptedDialog> script;
  std::vector<CommandDialog> ran;
  bool unexpected = false;  // a dialog ran that the script did not name next

 private:
  template <typename Result>
  std::optional<Result> Next(CommandDialog dialog) {
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
