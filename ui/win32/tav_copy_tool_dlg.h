#pragma once
// The main menu: five buttons, the About entry in the system menu, and the
// busy flag that keeps commands and "終了" inert while a disk query or a
// shell operation runs its own message loop inside a command.
#include "platform/win32/afx_dialog.h"

class CTavCopyToolDlg : public CDialog {
 public:
  CTavCopyToolDlg();

  bool m_bBusy = false;

  void OnCopy();
  void OnMove();
  void OnDelete();
  void OnUsage();
  void OnExit();

 protected:
  BOOL PreTranslateMessage(MSG* msg) override;
  BOOL OnInitDialog() override;
  BOOL OnCommand(int id, int code) override;
  BOOL OnSysCommand(UINT id, LPARAM param) override;
  BOOL OnPaint() override;
  HCURSOR OnQueryDragIcon() override { return m_hIcon; }
  BOOL OnSetCursor(HWND window, UINT hitTest, UINT mouseMessage) override;
  BOOL OnHelpInfo(HELPINFO* info) override { return ConsumeHelpRequest(info); }

 private:
  template <typename Command>
  void RunCommand(Command command);
  HICON m_hIcon;
};
