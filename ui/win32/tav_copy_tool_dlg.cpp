#include "ui/win32/tav_copy_tool_dlg.h"

#include <windows.h>

#include "app/command_context.h"
#include "app/win32/dialog_wizard.h"
#include "app/win32/tav_copy_tool_app.h"
#include "copy/copy_command.h"
#include "delete/delete_command.h"
#include "move/move_command.h"
#include "platform/win32/win32_wait_cursor.h"
#include "res/resource.h"
#include "ui/usage_help.h"
#include "ui/win32/about_dlg.h"
#include "ui/win32/help_document_launch.h"

CTavCopyToolDlg::CTavCopyToolDlg()
    : CDialog(IDD_TAVCOPYTOOL_DIALOG),
      m_hIcon(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME))) {}

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
  SetBigIcon(m_hIcon);
  m_bBusy = false;
  return TRUE;
}

BOOL CTavCopyToolDlg::PreTranslateMessage(MSG* msg) {
  // Enter would press the hidden default button and Escape would close the
  // menu: both are swallowed whichever control has the focus.
  if (msg->message == WM_KEYDOWN && (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE)) return TRUE;
  return CDialog::PreTranslateMessage(msg);
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
  DrawIcon(dc, (rect.right - rect.left - cxIcon + 1) / 2, (rect.bottom - rect.top - cyIcon + 1) / 2, m_hIcon);
  EndPaint(m_hWnd, &paint);
  return TRUE;
}

BOOL CTavCopyToolDlg::OnSetCursor(HWND, UINT, UINT) {
  if (!m_bBusy) return FALSE;
  SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  return TRUE;
}

void CTavCopyToolDlg::OnExit() {
  if (!m_bBusy) EndDialog(IDOK);
}

// Each command runs inside its button's handler over the real ports; its
// dialogs live for this one click.
template <typename Command>
void CTavCopyToolDlg::RunCommand(Command command) {
  if (m_bBusy) return;
  CTavCopyToolApp& app = TavApp();
  DialogWizard wizard;
  Win32WaitCursor waitCursor;
  CommandContext context{app, app.registry, app.disks, app.files, app.profile, app.prompts, wizard, m_bBusy,
                         waitCursor};
  command(context);
}

void CTavCopyToolDlg::OnCopy() { RunCommand(RunCopyCommand); }
void CTavCopyToolDlg::OnMove() { RunCommand(RunMoveCommand); }
void CTavCopyToolDlg::OnDelete() { RunCommand(RunDeleteCommand); }

void CTavCopyToolDlg::OnUsage() {
  CTavCopyToolApp& app = TavApp();
  const HelpTarget target = FindHelpTarget(app.profile, app.m_szAppDir, app.m_szIniPath);
  if (!target.warning && LaunchHelpDocument(m_hWnd, target.path)) return;
  ShowMessageBox(target.warning ? target.warning : kHelpOpenFailedMessage, kCaption, MB_OK | MB_ICONEXCLAMATION);
}
