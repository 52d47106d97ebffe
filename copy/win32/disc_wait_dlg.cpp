#include "copy/win32/disc_wait_dlg.h"

#include "app/win32/tav_copy_tool_app.h"
#include "copy/disc_label.h"
#include "platform/prompt_port.h"
#include "res/resource.h"

CDiscWaitDlg::CDiscWaitDlg() : CDiscWaitDlg(TavApp().disks) {}

CDiscWaitDlg::CDiscWaitDlg(IDisks& disks)
    : CDialog(IDD_DISC_WAIT),
      disks_(disks),
      m_hIcon(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME))) {}

BOOL CDiscWaitDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetBigIcon(m_hIcon);
  m_bDetecting = false;
  return TRUE;
}

BOOL CDiscWaitDlg::PreTranslateMessage(MSG* msg) {
  // OK is not the default button, yet the dialog manager would still turn
  // Enter into IDOK and start a scan. Escape is left alone: it cancels.
  if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) return TRUE;
  return CDialog::PreTranslateMessage(msg);
}

void CDiscWaitDlg::OnOK() {
  // The hidden button and the one-shot timer keep a second scan from
  // starting inside the first one's message pumping.
  ShowWindow(GetDlgItem(IDOK), SW_HIDE);
  SetTimer(m_hWnd, kDetectTimer, kDetectDelayMs, nullptr);
  m_bDetecting = true;
}

void CDiscWaitDlg::OnCancel() {
  KillTimer(m_hWnd, kDetectTimer);
  m_bDetecting = false;
  CDialog::OnCancel();
}

void CDiscWaitDlg::OnTimer(UINT_PTR id) {
  if (id != kDetectTimer) return;
  KillTimer(m_hWnd, kDetectTimer);
  if (DetectDisc()) {
    EndDialog(IDOK);
  } else {
    ShowWindow(GetDlgItem(IDOK), SW_SHOW);
  }
}

BOOL CDiscWaitDlg::OnSetCursor(HWND, UINT, UINT) {
  if (!m_bDetecting) return FALSE;
  SetCursor(LoadCursorW(nullptr, IDC_APPSTARTING));
  return TRUE;
}

bool CDiscWaitDlg::PumpOneMessage() {
  // The flag is looked at before anything else: a cancel handled by an
  // earlier pump must end the run even when no message is waiting now, so a
  // disc found a moment later cannot turn a cancelled dialog into IDOK.
  if (!m_bDetecting) return false;
  if (!PumpWaitingMessage()) m_bDetecting = false;  // a quit request ends the scan
  return m_bDetecting;
}

bool CDiscWaitDlg::RestBetweenPasses() {
  // Passing over the drives again at once would hold a core at 100 % and
  // poll the optical drives without a break for as long as the user takes to
  // insert a disc. Rest instead, still dispatching whatever arrives (a click
  // on Cancel, a repaint) as it comes; a stream of input does not shorten
  // the rest. MWMO_INPUTAVAILABLE: a message that was only peeked at still
  // counts as waiting.
  const ULONGLONG until = GetTickCount64() + kPassPauseMs;
  for (;;) {
    if (!PumpOneMessage()) return false;
    const ULONGLONG now = GetTickCount64();
    if (now >= until) return true;
    MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(until - now), QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
}

BOOL CDiscWaitDlg::DetectDisc() {
  for (;;) {
    switch (RunDetectionPass(disks_, [this] { return PumpOneMessage(); }, TavApp())) {
      case DetectionResult::Found:
        return TRUE;
      case DetectionResult::Cancelled:
        return FALSE;
      case DetectionResult::ForeignSeen:
        m_bDetecting = false;
        ShowMessageBox(kCheckDiscMessage, kCaption, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
      case DetectionResult::NothingFound:
        if (!RestBetweenPasses()) return FALSE;
        break;
    }
  }
}
