#pragma once
// The dialogs of the copy, move and delete commands as the commands see
// them: each runs modally over the application state it reads and hands back
// what the user chose, or nothing when the user cancelled or stepped back.
#include <optional>

#include "command/dialog_results.h"

class ICommandDialogs {
 public:
  virtual ~ICommandDialogs() = default;
  virtual std::optional<IdentifiedDisc> WaitForDisc() = 0;
  virtual std::optional<ChosenKinds> SelectKinds() = 0;
  virtual std::optional<ChosenDestination> ChooseCopyDestination() = 0;
  virtual std::optional<ChosenDataSet> ChooseDataSetToMove() = 0;
  virtual std::optional<ChosenDestination> ChooseMoveDestination() = 0;
  virtual std::optional<ChosenDataSet> ChooseDataSetToDelete() = 0;
};

// For a command's steps run without a user: every dialog is cancelled.
class NoCommandDialogs : public ICommandDialogs {
 public:
  std::optional<IdentifiedDisc> WaitForDisc() override { return std::nullopt; }
  std::optional<ChosenKinds> SelectKinds() override { return std::nullopt; }
  std::optional<ChosenDestination> ChooseCopyDestination() override { return std::nullopt; }
  std::optional<ChosenDataSet> ChooseDataSetToMove() override { return std::nullopt; }
  std::optional<ChosenDestination> ChooseMoveDestination() override { return std::nullopt; }
  std::optional<ChosenDataSet> ChooseDataSetToDelete() override { return std::nullopt; }
};
