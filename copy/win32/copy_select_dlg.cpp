#include "copy/win32/copy_select_dlg.h"

#include <algorithm>

#include "catalogue/content_kinds.h"
#include "copy/content_selection.h"
#include "copy/kind_sizes.h"
#include "platform/prompt_port.h"
#include "platform/win32/app_base.h"
#include "res/resource.h"

// Enter would press "次へ", the default button: only a click confirms.
CCopySelectDlg::CCopySelectDlg(const TavAppState& app)
    : CDialog(IDD_COPY_SELECT, {.bigIconId = IDR_MAINFRAME, .swallowEnter = true, .ignoreF1 = true}), app_(app) {}

BOOL CCopySelectDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  CWaitCursor wait;
  const TavAppState& app = app_;
  SetItemText(IDC_DATASET_LINE, DiscCaptionLine(app.m_szYear, app.m_szSubjectName));

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

KindFlags CCopySelectDlg::TickedKinds() const {
  KindFlags ticked{};
  for (int k = 0; k < kKindCount; ++k) ticked[k] = IsKindTicked(k);
  return ticked;
}

void CCopySelectDlg::UpdateRequiredSpace() {
  SetItemText(IDC_REQUIRED_SPACE, RequiredSpaceLine(RequiredSpace(app_.m_nKindSize, TickedKinds())));
}

BOOL CCopySelectDlg::OnCommand(int id, int code) {
  if (code != BN_CLICKED || id < IDC_CHECK_ICHITARO || id > IDC_CHECK_VOICE) return FALSE;
  UpdateRequiredSpace();
  return TRUE;
}

void CCopySelectDlg::OnOK() {
  const KindFlags ticked = TickedKinds();
  if (std::find(ticked.begin(), ticked.end(), true) == ticked.end()) {
    ShowMessageBox(kNoKindChosenMessage, kCaption, MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  chosen_ = {ticked, RequiredSpace(app_.m_nKindSize, ticked)};
  CDialog::OnOK();
}
