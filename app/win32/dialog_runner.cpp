#include "app/win32/dialog_runner.h"

#include "copy/win32/copy_select_dlg.h"
#include "copy/win32/disc_wait_dlg.h"
#include "ui/win32/data_list_dlg.h"
#include "ui/win32/dest_dlg.h"

namespace {

// Makes the dialog on its first run, runs it modally and hands back what the
// user confirmed; nothing when the dialog ended otherwise.
template <typename Dialog, typename... Args>
auto RunKept(std::unique_ptr<Dialog>& slot, Args&&... args) -> std::optional<std::decay_t<decltype(slot->Chosen())>> {
  if (!slot) slot = std::make_unique<Dialog>(std::forward<Args>(args)...);
  if (slot->DoModal() != IDOK) return std::nullopt;
  return slot->Chosen();
}

}  // namespace

DialogRunner::DialogRunner(const TavAppState& app, const DialogPorts& ports) : app_(app), ports_(ports) {}
DialogRunner::~DialogRunner() = default;

std::optional<IdentifiedDisc> DialogRunner::WaitForDisc() {
  CDiscWaitDlg discWait(ports_.disks);
  if (discWait.DoModal() != IDOK) return std::nullopt;
  return discWait.Identified();
}

std::optional<ChosenKinds> DialogRunner::SelectKinds() { return RunKept(copySelect_, app_); }

std::optional<ChosenDestination> DialogRunner::ChooseCopyDestination() {
  return RunKept(copyDest_, DestDialogInputs{app_, ports_.registry, ports_.disks, ports_.files, ports_.prompts});
}

std::optional<ChosenDataSet> DialogRunner::ChooseDataSetToMove() { return RunKept(moveList_, app_, ports_.registry); }

std::optional<ChosenDestination> DialogRunner::ChooseMoveDestination() {
  return RunKept(moveDest_, DestDialogInputs{app_, ports_.registry, ports_.disks, ports_.files, ports_.prompts});
}

std::optional<ChosenDataSet> DialogRunner::ChooseDataSetToDelete() { return RunKept(deleteList_, app_, ports_.registry); }
