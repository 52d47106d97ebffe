#include "ui/win32/tav_copy_tool_dlg.h"

#include <windows.h>

#include "platform/win32/app_base.h"
#include "res/resource.h"
#include "ui/win32/about_dlg.h"

// Enter would press the hidden default button and Escape would close the
// menu: both are swallowed whichever control has the focus.
CTavCopyToolDlg::CTavCopyToolDlg(IMainMenuCommands& commands)
    : CDialog(IDD_TAVCOPYTOOL_DIALOG,
              {.bigIconId = IDR_MAINFRAME, .swallowEnter = true, .swallowEscape = true, .ignoreF1 = true}),
      commands_(commands) {}

BOOL CTavCopyToolDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (HMENU systemMenu = GetSystemMenu(m_hWnd, FALSE)) {
    wchar_t* text = nullptr;  // points into the resource; length returned
    const int length = LoadStringW(GetModuleHandleW(nullptr), IDS_ABOUTBOX, reinterpret_cast<LPWSTR>(&text), 0);
    if (length > 0) {
      const std::wstring entry(text, static_cast<std::size_t>(length));
      AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
      AppendMenuW(systemMenu, MF_STRING, IDM_ABOUTBOX, entry.c_str());
    }
  }
  m_bBusy = false;
  return TRUE;
}

BOOL CTavCopyToolDlg::OnCommand(int id, int code) {
  if (code != BN_CLICKED) return FALSE;
  switch (id) {
    case IDC_MOVE: OnMove(); return TRUE;
    case IDC_DELETE: OnDelete(); return TRUE;
    case IDC_COPY: OnCopy(); return TRUE;
    case IDC_EXIT: OnExit(); return TRUE;
    case IDC_USAGE: OnUsage(); return TRUE;
    default: return FALSE;
  }
}

BOOL CTavCopyToolDlg::OnSysCommand(UINT id, LPARAM) {
  if ((id & 0xFFF0) != IDM_ABOUTBOX) return FALSE;
  CAboutDlg about;
  about.DoModal();
  return TRUE;
}

BOOL CTavCopyToolDlg::OnPaint() {
  if (!IsIconic(m_hWnd)) return FALSE;
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(m_hWnd, &paint);
  SendMessageW(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  const int cxIcon = GetSystemMetrics(SM_CXICON);
  const int cyIcon = GetSystemMetrics(SM_CYICON);
  RECT rect;
  GetClientRect(m_hWnd, &rect);
  DrawIcon(dc, (rect.right - rect.left - cxIcon + 1) / 2, (rect.bottom - rect.top - cyIcon + 1) / 2, BigIcon());
  EndPaint(m_hWnd, &paint);
  return TRUE;
}

BOOL CTavCopyToolDlg::OnSetCursor(HWND, UINT, UINT) {
  if (!m_bBusy) return FALSE;
  SetWaitCursor();
  return TRUE;
}

void CTavCopyToolDlg::OnExit() {
  if (!m_bBusy) EndDialog(IDOK);
}

void CTavCopyToolDlg::OnCopy() {
  if (!m_bBusy) commands_.Copy(m_bBusy);
}
void CTavCopyToolDlg::OnMove() {
  if (!m_bBusy) commands_.Move(m_bBusy);
}
void CTavCopyToolDlg::OnDelete() {
  if (!m_bBusy) commands_.Delete(m_bBusy);
}
void CTavCopyToolDlg::OnUsage() { commands_.Usage(m_hWnd); }
