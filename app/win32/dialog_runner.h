#pragma once
// The command dialogs on the real dialogs. One runner lives for one click of
// a command button: the selection, destination and list dialogs are made once
// and run again when the user steps back (every run refills them); the disc
// wait dialog is made afresh for every disc. Each dialog gets the current
// data set it reads and the ports it works with, and hands its result back
// through the runner.
#include <memory>
#include <optional>

#include "command/app_state.h"
#include "command/command_dialogs.h"
#include "platform/disk_port.h"
#include "platform/file_port.h"
#include "platform/prompt_port.h"
#include "platform/registry_port.h"

class CCopySelectDlg;
class CCopyDestDlg;
class CMoveListDlg;
class CMoveDestDlg;
class CDeleteListDlg;

struct DialogPorts {
  IRegistry& registry;
  IDisks& disks;
  IFileSystem& files;
  IPrompts& prompts;
};

class DialogRunner : public ICommandDialogs {
 public:
  DialogRunner(const TavAppState& app, const DialogPorts& ports);
  ~DialogRunner() override;
  std::optional<IdentifiedDisc> WaitForDisc() override;
  std::optional<ChosenKinds> SelectKinds() override;
  std::optional<ChosenDestination> ChooseCopyDestination() override;
  std::optional<ChosenDataSet> ChooseDataSetToMove() override;
  std::optional<ChosenDestination> ChooseMoveDestination() override;
  std::optional<ChosenDataSet> ChooseDataSetToDelete() override;

 private:
  const TavAppState& app_;
  DialogPorts ports_;
  std::unique_ptr<CCopySelectDlg> copySelect_;
  std::unique_ptr<CCopyDestDlg> copyDest_;
  std::unique_ptr<CMoveListDlg> moveList_;
  std::unique_ptr<CMoveDestDlg> moveDest_;
  std::unique_ptr<CDeleteListDlg> deleteList_;
};
