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
  bool listed = false;
  {
    CWaitCursor wait;
    // A reused dialog object gets a new window, so the list starts empty on
    // every showing. The list box sorts the lines: by year, then by name in
    // the system's order for Japanese text.
    for (const std::string& line : BuildDataListLines(registry_, app_.m_bAdmin)) {
      const std::wstring text = W(line);
      SendItemMessage(IDC_DATA_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
      listed = true;
    }
  }
  if (!listed) {
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
  const LRESULT length = SendItemMessage(IDC_DATA_LIST, LB_GETTEXTLEN, static_cast<WPARAM>(index));
  if (length == LB_ERR) return;
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendItemMessage(IDC_DATA_LIST, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));

  auto chosen = ConfirmChosenLine(registry_, m_variant, U8(text));
  if (!chosen) {
    // The record went away after the list was built.
    ShowMessageBox(kRegistryReadFailedMessage, kCaption, MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  chosen_ = std::move(*chosen);
  CDialog::OnOK();
}
