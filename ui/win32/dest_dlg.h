#pragma once
// The destination drive dialog of the copy and move commands: the user picks
// a fixed drive, the data set's folder is composed on it and made to exist,
// and the path is left in the application object's m_szDestDir. The move
// variant also reads the data set's registered folder into m_szDataDir and
// refuses a destination equal to it.
#include <string>

#include "platform/win32/afx_dialog.h"
#include "ui/drive_list.h"

class CDestDlg : public CDialog {
 protected:
  explicit CDestDlg(DestVariant variant);

  BOOL PreTranslateMessage(MSG* msg) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  BOOL OnHelpInfo(HELPINFO* info) override { return ConsumeHelpRequest(info); }

  // The folder text of control 1005 cleaned up and made to exist; FALSE
  // (the user has been told, or declined) leaves the text selected.
  BOOL ValidateDestFolder();

 private:
  void FillDriveList();

  DestVariant m_variant;
  HICON m_hIcon;
};

class CCopyDestDlg : public CDestDlg {
 public:
  CCopyDestDlg() : CDestDlg(DestVariant::Copy) {}
};

class CMoveDestDlg : public CDestDlg {
 public:
  CMoveDestDlg() : CDestDlg(DestVariant::Move) {}
};
