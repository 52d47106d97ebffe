#include "ui/win32/data_list_dlg.h"

#include <string>

#include "app/win32/tav_copy_tool_app.h"
#include "catalogue/data_dir_records.h"
#include "platform/win32/win_text.h"
#include "res/resource.h"

namespace {

UINT TemplateFor(DataListVariant variant) {
  return variant == DataListVariant::Delete ? IDD_DELETE_LIST : IDD_MOVE_LIST;
}

}  // namespace

CDataListDlg::CDataListDlg(DataListVariant variant)
    : CDialog(TemplateFor(variant)),
      m_variant(variant),
      m_hIcon(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME))) {}

BOOL CDataListDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  bool listed = false;
  {
    CWaitCursor wait;
    SetBigIcon(m_hIcon);
    // A reused dialog object gets a new window, so the list starts empty on
    // every showing. The list box sorts the lines: by year, then by name in
    // the system's order for Japanese text.
    const CTavCopyToolApp& app = TavApp();
    for (const std::string& line : BuildDataListLines(TavApp().registry, app.m_bAdmin)) {
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

BOOL CDataListDlg::PreTranslateMessage(MSG* msg) {
  // Neither Enter nor Escape ends the dialog, whichever control has the
  // focus: only "次へ", "戻る" and the close box do.
  if (msg->message == WM_KEYDOWN && (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE)) return TRUE;
  return CDialog::PreTranslateMessage(msg);
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

  CTavCopyToolApp& app = TavApp();
  if (!ConfirmChosenLine(app.registry, m_variant, U8(text), app)) {
    // The record went away after the list was built.
    ShowMessageBox(kRegistryReadFailedMessage, kCaption, MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  CDialog::OnOK();
}
