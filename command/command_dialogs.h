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

