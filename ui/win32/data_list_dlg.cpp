#include "ui/win32/data_list_dlg.h"

#include <string>

#include "catalogue/data_dir_records.h"
#include "platform/win32/win_text.h"
#include "platform/prompt_port.h"
#include "platform/win32/app_base.h"
#include "res/resource.h"

namespace {

UINT TemplateFor(DataListVariant variant) {
  return variant == DataListVariant::Delete ? IDD_DELETE_LIST : IDD_MOVE_LIST;
}

}  // namespace

// Neither Enter nor Escape ends the dialog, whichever control has the focus:
// only "次へ", "戻る" and the close box do.
CDataListDlg::CDataListDlg(DataListVariant variant, const TavAppState& app, IRegistry& registry)
    : CDialog(TemplateFor(variant),
              {.bigIconId = IDR_MAINFRAME, .swallowEnter = true, .swallowEscape = true, .ignoreF1 = true}),
      m_variant(variant),
      app_(app),
      registry_(registry) {}

BOOL CDataListDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  {
    CWaitCursor wait;
    // A reused dialog object gets a new window, so the list starts empty on
    // every showing. The list box sorts the lines: by year, then by name in
    // the system's order for Japanese text. Sorting moves lines, not their
    // item data, which stays the index into listed_.
    listed_ = BuildDataList(registry_, app_.m_bAdmin);
    for (std::size_t i = 0; i < listed_.size(); ++i) {
      const std::wstring text = W(listed_[i].line);
      const LRESULT at = SendItemMessage(IDC_DATA_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
      SendItemMessage(IDC_DATA_LIST, LB_SETITEMDATA, static_cast<WPARAM>(at), static_cast<LPARAM>(i));
    }
  }
  if (listed_.empty()) {
    // The dialog is not shown yet and never will be: the box stands alone.
    ::MessageBoxW(nullptr, W(DataListTextsFor(m_variant).emptyListMessage).c_str(), W(kCaption).c_str(),
                  MB_OK | MB_ICONEXCLAMATION);
    EndDialog(IDCANCEL);
  }
  return TRUE;
}

void CDataListDlg::OnOK() {
  const LRESULT index = SendItemMessage(IDC_DATA_LIST, LB_GETCURSEL);
  if (index == LB_ERR) {
    ShowMessageBox(DataListTextsFor(m_variant).noSelectionMessage, kCaption, MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  const LRESULT item = SendItemMessage(IDC_DATA_LIST, LB_GETITEMDATA, static_cast<WPARAM>(index));
  if (item == LB_ERR || static_cast<std::size_t>(item) >= listed_.size()) return;

  auto chosen = ConfirmChosenDataSet(registry_, m_variant, listed_[static_cast<std::size_t>(item)]);
  if (!chosen) {
    // The record went away after the list was built.
    ShowMessageBox(kRegistryReadFailedMessage, kCaption, MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  chosen_ = std::move(*chosen);
  CDialog::OnOK();
}
