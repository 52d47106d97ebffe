#include "app/win32/dialog_runner.h"

#include "copy/win32/copy_select_dlg.h"
#include "copy/win32/disc_wait_dlg.h"
#include "ui/win32/data_list_dlg.h"
#include "ui/win32/dest_dlg.h"

DialogRunner::DialogRunner(TavAppState& app, const DialogPorts& ports) : app_(app), ports_(ports) {}
DialogRunner::~DialogRunner() = default;

std::unique_ptr<CDialog>& DialogRunner::Slot(WizardDialog dialog) {
  const DestDialogInputs dest{app_, ports_.registry, ports_.disks, ports_.files, ports_.prompts};
  switch (dialog) {
    case WizardDialog::CopySelect:
      if (!copySelect_) copySelect_ = std::make_unique<CCopySelectDlg>(app_);
      return copySelect_;
    case WizardDialog::CopyDest:
      if (!copyDest_) copyDest_ = std::make_unique<CCopyDestDlg>(dest);
      return copyDest_;
    case WizardDialog::MoveList:
      if (!moveList_) moveList_ = std::make_unique<CMoveListDlg>(app_, ports_.registry);
      return moveList_;
    case WizardDialog::MoveDest:
      if (!moveDest_) moveDest_ = std::make_unique<CMoveDestDlg>(dest);
      return moveDest_;
    case WizardDialog::DeleteList:
    default:
      if (!deleteList_) deleteList_ = std::make_unique<CDeleteListDlg>(app_, ports_.registry);
      return deleteList_;
  }
}

int DialogRunner::Run(WizardDialog dialog) {
  if (dialog == WizardDialog::DiscWait) {
    CDiscWaitDlg discWait(ports_.disks, app_);
    return static_cast<int>(discWait.DoModal());
  }
  return static_cast<int>(Slot(dialog)->DoModal());
}
