#include "copy/win32/copy_select_dlg.h"

#include "catalogue/content_kinds.h"
#include "copy/content_selection.h"
#include "platform/prompt_port.h"
#include "platform/win32/afx_app.h"
#include "res/resource.h"

// Enter would press "次へ", the default button: only a click confirms.
CCopySelectDlg::CCopySelectDlg(TavAppState& app)
    : CDialog(IDD_COPY_SELECT, {.bigIconId = IDR_MAINFRAME, .swallowEnter = true, .ignoreF1 = true}), app_(app) {}

BOOL CCopySelectDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  CWaitCursor wait;
  TavAppState& app = app_;
  SetItemText(IDC_DATASET_LINE, DiscCaptionLine(app.m_szYear, app.m_szSubjectName));
  app.m_nRequiredSize = 0;

  // Runs on every showing: stepping back from the destination dialog brings
  // the default ticks back, not the user's earlier ones.
  for (const ContentKindInfo& kind : kContentKinds) {
    const int k = KindIndex(kind.kind);
    const bool offered = app.m_bKindOffered[k];
    SendItemMessage(kind.checkBoxId, BM_SETCHECK, offered ? BST_CHECKED : BST_UNCHECKED);
    EnableWindow(GetDlgItem(kind.checkBoxId), offered);
    SetItemText(kind.sizeLabelId, offered ? KindSizeLabel(app.m_nKindSize[k]) : "");
    EnableWindow(GetDlgItem(kind.sizeLabelId), offered);
    EnableWindow(GetDlgItem(kind.descriptionId), offered);
  }
  UpdateRequiredSpace();
  return TRUE;
}

bool CCopySelectDlg::IsKindTicked(int kindIndex) const {
  return SendItemMessage(kContentKinds[kindIndex].checkBoxId, BM_GETCHECK) == BST_CHECKED;
}

void CCopySelectDlg::UpdateRequiredSpace() {
  KindFlags ticked{};
  for (int k = 0; k < kKindCount; ++k) ticked[k] = IsKindTicked(k);
  TavAppState& app = app_;
  app.m_nRequiredSize = RequiredSpace(app.m_nKindSize, ticked);
  SetItemText(IDC_REQUIRED_SPACE, RequiredSpaceLine(app.m_nRequiredSize));
}

BOOL CCopySelectDlg::OnCommand(int id, int code) {
  if (code != BN_CLICKED || id < IDC_CHECK_ICHITARO || id > IDC_CHECK_VOICE) return FALSE;
  UpdateRequiredSpace();
  return TRUE;
}

void CCopySelectDlg::OnOK() {
  TavAppState& app = app_;
  bool any = false;
  for (int k = 0; k < kKindCount; ++k) {
    app.m_bKind[k] = IsKindTicked(k);
    any = any || app.m_bKind[k];
  }
  if (!any) {
    ShowMessageBox(kNoKindChosenMessage, kCaption, MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  CDialog::OnOK();
}
