#pragma once
// The first step of the move and delete commands: the registered data sets of
// the subjects the user administers, one line each, of which the user picks
// one. Confirming fills the current data set (subject and year; the delete
// variant also m_szDataDir) in the application object.
#include "command/app_state.h"
#include "platform/registry_port.h"
#include "platform/win32/afx_dialog.h"
#include "ui/data_list.h"

// Lists the records of the subjects `app` holds rights on; the chosen data
// set goes into `app`'s current data set.
class CDataListDlg : public CDialog {
 protected:
  CDataListDlg(DataListVariant variant, TavAppState& app, IRegistry& registry);

  BOOL OnInitDialog() override;
  void OnOK() override;

 private:
  DataListVariant m_variant;
  TavAppState& app_;
  IRegistry& registry_;
};

class CMoveListDlg : public CDataListDlg {
 public:
  CMoveListDlg(TavAppState& app, IRegistry& registry) : CDataListDlg(DataListVariant::Move, app, registry) {}
};

class CDeleteListDlg : public CDataListDlg {
 public:
  CDeleteListDlg(TavAppState& app, IRegistry& registry) : CDataListDlg(DataListVariant::Delete, app, registry) {}
};
