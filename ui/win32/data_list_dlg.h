#pragma once
// The first step of the move and delete commands: the registered data sets of
// the subjects the user administers, one line each, of which the user picks
// one. Confirming fills the current data set (subject and year; the delete
// variant also m_szDataDir) in the application object.
#include "platform/win32/afx_dialog.h"
#include "ui/data_list.h"

class CDataListDlg : public CDialog {
 protected:
  explicit CDataListDlg(DataListVariant variant);

  BOOL PreTranslateMessage(MSG* msg) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  BOOL OnHelpInfo(HELPINFO* info) override { return ConsumeHelpRequest(info); }

 private:
  DataListVariant m_variant;
  HICON m_hIcon;
};

class CMoveListDlg : public CDataListDlg {
 public:
  CMoveListDlg() : CDataListDlg(DataListVariant::Move) {}
};

class CDeleteListDlg : public CDataListDlg {
 public:
  CDeleteListDlg() : CDataListDlg(DataListVariant::Delete) {}
};
