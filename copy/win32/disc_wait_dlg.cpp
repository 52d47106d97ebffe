#include "copy/win32/disc_wait_dlg.h"

#include "copy/disc_detection.h"
#include "platform/prompt_port.h"
#include "platform/win32/app_base.h"
#include "res/resource.h"

// OK is not the default button, yet the dialog manager would still turn
// Enter into IDOK and start a scan: Enter is swallowed. Escape cancels.
CDiscWaitDlg::CDiscWaitDlg(IDisks& disks)
    : CDialog(IDD_DISC_WAIT, {.bigIconId = IDR_MAINFRAME, .swallowEnter = true, .ignoreF1 = true}), disks_(disks) {}

BOOL CDiscWaitDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_bDetecting = false;
  return TRUE;
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
    DetectionOutcome pass = RunDetectionPass(disks_, [this] { return PumpOneMessage(); });
    switch (pass.result) {
      case DetectionResult::Found:
        identified_ = std::move(pass.found);
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
