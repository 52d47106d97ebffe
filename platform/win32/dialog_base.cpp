#include "platform/win32/dialog_base.h"

#include "platform/win32/app_base.h"
#include "platform/win32/win_text.h"

CDialog::CDialog(UINT templateId, DialogOptions options, CDialog* parent)
    : templateId_(templateId), options_(options) {
  if (parent) owner_ = parent->m_hWnd;
  // Shared icons (LoadIcon) are never destroyed.
  if (options_.bigIconId) bigIcon_ = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(options_.bigIconId));
}

CDialog::~CDialog() {
  if (m_hWnd) DestroyWindow(m_hWnd);
}

INT_PTR CDialog::DoModal() {
  HWND owner = owner_ ? owner_ : AfxGetMainHwnd();
  if (owner == m_hWnd) owner = nullptr;  // the main window owns no one but others
  ended_ = false;
  result_ = IDCANCEL;

  HINSTANCE instance = GetModuleHandleW(nullptr);
  // The owner is disabled before the dialog is created, as the framework
  // does: OnInitDialog may pump messages or show an unowned message box, and
  // the owner must not take clicks meanwhile.
  ownerToEnable_ = owner && IsWindowEnabled(owner) ? owner : nullptr;
  if (ownerToEnable_) EnableWindow(ownerToEnable_, FALSE);
  m_hWnd = CreateDialogParamW(instance, MAKEINTRESOURCEW(templateId_), owner, &CDialog::DialogProc,
                              reinterpret_cast<LPARAM>(this));
  if (!m_hWnd) {
    EnableOwner();
    return -1;
  }
  if (!ended_) ShowWindow(m_hWnd, SW_SHOW);

  MSG msg;
  while (!ended_) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == -1) break;
    if (got == 0) {  // WM_QUIT: end the dialog and let the outer loop see it too
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (!PreTranslateMessage(&msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }

  EnableOwner();  // when the loop ended without EndDialog (a quit request)
  if (owner) SetActiveWindow(owner);
  DestroyWindow(m_hWnd);
  m_hWnd = nullptr;
  return result_;
}

void CDialog::EndDialog(int result) {
  result_ = result;
  ended_ = true;
  // The owner is enabled before the dialog is hidden, as the system's own
  // EndDialog does: hiding the active window activates another one, and a
  // still disabled owner would hand the activation to whatever other
  // program has a window open.
  EnableOwner();
  if (m_hWnd) {
    const bool wasActive = GetActiveWindow() == m_hWnd;
    SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    HWND owner = GetWindow(m_hWnd, GW_OWNER);
    if (wasActive && owner) SetForegroundWindow(owner);
  }
  PostMessageW(nullptr, WM_NULL, 0, 0);  // wake the modal loop
}

void CDialog::EnableOwner() {
  if (ownerToEnable_) EnableWindow(ownerToEnable_, TRUE);
  ownerToEnable_ = nullptr;
}

BOOL CDialog::PreTranslateMessage(MSG* msg) {
  // Swallowed whichever control has the focus: the dialog manager would turn
  // Enter into the default button and Escape into IDCANCEL.
  if (msg->message == WM_KEYDOWN && ((msg->wParam == VK_RETURN && options_.swallowEnter) ||
                                     (msg->wParam == VK_ESCAPE && options_.swallowEscape)))
    return TRUE;
  return m_hWnd && IsDialogMessageW(m_hWnd, msg);
}

std::string CDialog::GetItemText(int id) const { return GetWindowTextU8(GetDlgItem(id)); }

void CDialog::SetItemText(int id, const std::string& text) const { SetWindowTextU8(GetDlgItem(id), text); }

int CDialog::ShowMessageBox(const std::string& text, const std::string& caption, UINT flags) const {
  return ::MessageBoxW(m_hWnd, W(text).c_str(), W(caption).c_str(), flags);
}


void CDialog::CenterWindow() const {
  // Over a visible owner, on the monitor it is on; without one, in the work
  // area of the main window's monitor (the primary one when there is none).
  // Either way the whole dialog is kept on that monitor's work area, which
  // need not be the primary one's.
  HWND owner = GetWindow(m_hWnd, GW_OWNER);
  const bool overOwner = owner && IsWindowVisible(owner) && !IsIconic(owner);
  HWND main = AfxGetMainHwnd();
  HMONITOR monitor = overOwner ? MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST)
                               : MonitorFromWindow(main ? main : m_hWnd, MONITOR_DEFAULTTOPRIMARY);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(monitor, &info)) SystemParametersInfoW(SPI_GETWORKAREA, 0, &info.rcWork, 0);
  const RECT work = info.rcWork;
  RECT area = work;
  if (overOwner) GetWindowRect(owner, &area);

  RECT self;
  GetWindowRect(m_hWnd, &self);
  const int width = self.right - self.left;
  const int height = self.bottom - self.top;
  int x = area.left + (area.right - area.left - width) / 2;
  int y = area.top + (area.bottom - area.top - height) / 2;
  if (x + width > work.right) x = work.right - width;
  if (y + height > work.bottom) y = work.bottom - height;
  if (x < work.left) x = work.left;
  if (y < work.top) y = work.top;
  SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  CDialog* self;
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<CDialog*>(lParam);
    self->m_hWnd = window;
    SetWindowLongPtrW(window, DWLP_USER, lParam);
  } else {
    self = reinterpret_cast<CDialog*>(GetWindowLongPtrW(window, DWLP_USER));
  }
  if (!self) return FALSE;
  // No exception may unwind through the system's dialog code. A dialog whose
  // initialisation failed half-way ends as if cancelled, so the command steps
  // back or ends and acts on nothing; any other handler's work is abandoned
  // and the dialog stays as it was.
  try {
    return self->Dispatch(message, wParam, lParam);
  } catch (...) {
    if (message == WM_INITDIALOG) self->EndDialog(IDCANCEL);
    return FALSE;
  }
}

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      RECT before;
      GetWindowRect(m_hWnd, &before);
      if (bigIcon_) ::SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
      const BOOL result = OnInitDialog();
      RECT after;
      GetWindowRect(m_hWnd, &after);
      // As the framework does: a dialog that its initialisation did not move
      // is centred over its owner (or the work area), not left at 0,0.
      if (EqualRect(&before, &after)) CenterWindow();
      return result;
    }
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      const int code = HIWORD(wParam);
      if (code == BN_CLICKED && id == IDOK) {
        OnOK();
        return TRUE;
      }
      if (code == BN_CLICKED && id == IDCANCEL) {
        OnCancel();
        return TRUE;
      }
      return OnCommand(id, code);
    }
    case WM_TIMER:
      OnTimer(wParam);
      return TRUE;
    case WM_HELP:
      if (options_.ignoreF1 || OnHelpInfo(reinterpret_cast<HELPINFO*>(lParam))) {
        SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, TRUE);
        return TRUE;
      }
      return FALSE;
    case WM_SETCURSOR:
      if (OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam), HIWORD(lParam))) {
        SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, TRUE);
        return TRUE;
      }
      return FALSE;
    case WM_PAINT:
      return OnPaint();
    case WM_SYSCOMMAND:
      if (OnSysCommand(static_cast<UINT>(wParam), lParam)) {
        SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, 0);
        return TRUE;
      }
      return FALSE;
    case WM_QUERYDRAGICON: {
      HCURSOR icon = OnQueryDragIcon();
      if (!icon) return FALSE;
      return reinterpret_cast<INT_PTR>(icon);  // answered directly, as dialogs do for this message
    }
    default:
      return FALSE;
  }
}
