#pragma once
// Modal dialog base. DoModal creates the dialog from its template and runs a
// loop of its own, so PreTranslateMessage sees every message first (a plain
// DialogBox would never let it). A dialog built with no parent is owned by
// the application's main window, which stays disabled while it runs.
#include <windows.h>

#include <string>

// What the tool's dialogs share, chosen per dialog.
struct DialogOptions {
  UINT bigIconId = 0;          // icon resource for the caption and Alt+Tab; 0: none
  bool swallowEnter = false;   // Enter never reaches the dialog manager
  bool swallowEscape = false;  // nor Escape
  bool ignoreF1 = false;       // WM_HELP consumed, nothing happens
};

class CDialog {
 public:
  explicit CDialog(UINT templateId, DialogOptions options = {}, CDialog* parent = nullptr);
  virtual ~CDialog();
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;

  virtual INT_PTR DoModal();
  void EndDialog(int result);

  HWND m_hWnd = nullptr;

  // Helpers over the dialog's controls; text is UTF-8.
  HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
  std::string GetItemText(int id) const;
  void SetItemText(int id, const std::string& text) const;
  LRESULT SendItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::SendDlgItemMessageW(m_hWnd, id, message, wParam, lParam);
  }
  // A message box owned by this dialog.
  int ShowMessageBox(const std::string& text, const std::string& caption, UINT flags) const;
  // The big icon of the options (nullptr without one), loaded once.
  HICON BigIcon() const { return bigIcon_; }
  void CenterWindow() const;

 protected:
  virtual BOOL PreTranslateMessage(MSG* msg);
  virtual BOOL OnInitDialog() { return TRUE; }
  virtual void OnOK() { EndDialog(IDOK); }
  virtual void OnCancel() { EndDialog(IDCANCEL); }
  // Control notifications other than IDOK / IDCANCEL clicks.
  virtual BOOL OnCommand(int /*id*/, int /*code*/) { return FALSE; }
  virtual void OnTimer(UINT_PTR /*id*/) {}
  virtual BOOL OnHelpInfo(HELPINFO* /*info*/) { return FALSE; }
  // Return TRUE when the cursor was set.
  virtual BOOL OnSetCursor(HWND /*window*/, UINT /*hitTest*/, UINT /*mouseMessage*/) { return FALSE; }
  // Return TRUE when painted; FALSE lets the default processing paint.
  virtual BOOL OnPaint() { return FALSE; }
  // Return TRUE when handled; FALSE gives the default processing.
  virtual BOOL OnSysCommand(UINT /*id*/, LPARAM /*param*/) { return FALSE; }
  virtual HCURSOR OnQueryDragIcon() { return nullptr; }

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

  // Enables the owner that DoModal disabled, once.
  void EnableOwner();

  UINT templateId_;
  DialogOptions options_;
  HICON bigIcon_ = nullptr;
  HWND owner_ = nullptr;
  HWND ownerToEnable_ = nullptr;  // disabled by DoModal, not yet enabled again
  bool ended_ = false;
  int result_ = IDCANCEL;
};

