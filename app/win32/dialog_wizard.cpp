#include "app/win32/dialog_wizard.h"

#include "copy/win32/copy_select_dlg.h"
#include "copy/win32/disc_wait_dlg.h"
#include "ui/win32/data_list_dlg.h"
#include "ui/win32/dest_dlg.h"

DialogWizard::DialogWizard() = default;
DialogWizard::~DialogWizard() = default;

std::unique_ptr<CDialog>& DialogWizard::Slot(WizardDialog dialog) {
  switch (dialog) {
    case WizardDialog::CopySelect:
      if (!copySelect_) copySelect_ = std::make_unique<CCopySelectDlg>();
      return copySelect_;
    case WizardDialog::CopyDest:
      if (!copyDest_) copyDest_ = std::make_unique<CCopyDestDlg>();
      return copyDest_;
    case WizardDialog::MoveList:
      if (!moveList_) moveList_ = std::make_unique<CMoveListDlg>();
      return moveList_;
    case WizardDialog::MoveDest:
      if (!moveDest_) moveDest_ = std::make_unique<CMoveDestDlg>();
      return moveDest_;
    case WizardDialog::DeleteList:
    default:
      if (!deleteList_) deleteList_ = std::make_unique<CDeleteListDlg>();
      return deleteList_;
  }
}

int DialogWizard::Run(WizardDialog dialog) {
  if (dialog == WizardDialog::DiscWait) {
    CDiscWaitDlg discWait;
    return static_cast<int>(discWait.DoModal());
  }
  return static_cast<int>(Slot(dialog)->DoModal());
}
