#pragma once
// The main menu: five buttons, the About entry in the system menu, and the
// busy flag that keeps commands and "終了" inert while a disk query or a
// shell operation runs its own message loop inside a command.
#include "platform/win32/dialog_base.h"

// What the menu's buttons do, supplied by the application. Each command runs
// inside its button's handler; `busy` is the menu's flag, which the command
// raises around its disk queries and shell operations.
class IMainMenuCommands {
 public:
  virtual ~IMainMenuCommands() = default;
  virtual void Copy(bool& busy) = 0;
  virtual void Move(bool& busy) = 0;
  virtual void Delete(bool& busy) = 0;
  // Opens the usage help; its boxes belong to `owner`.
  virtual void Usage(HWND owner) = 0;
};

class CTavCopyToolDlg : public CDialog {
 public:
  explicit CTavCopyToolDlg(IMainMenuCommands& commands);

  bool m_bBusy = false;

  void OnCopy();
  void OnMove();
  void OnDelete();
  void OnUsage();
  void OnExit();

 protected:
  BOOL OnInitDialog() override;
  BOOL OnCommand(int id, int code) override;
  BOOL OnSysCommand(UINT id, LPARAM param) override;
  BOOL OnPaint() override;
  HCURSOR OnQueryDragIcon() override { return BigIcon(); }
  BOOL OnSetCursor(HWND window, UINT hitTest, UINT mouseMessage) override;

 private:
  IMainMenuCommands& commands_;
};
