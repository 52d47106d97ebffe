#pragma once
// The first step of the move and delete commands: the registered data sets of
// the subjects the user administers, one line each, of which the user picks
// one. Each line's item data is the index of its data set in the list the
// dialog built, so confirming hands back that data set (subject and year;
// the delete variant also its registered folder) without reading the text.
#include <vector>

#include "command/app_state.h"
#include "platform/registry_port.h"
#include "platform/win32/dialog_base.h"
#include "ui/data_list.h"

// Lists the records of the subjects `app` holds rights on.
class CDataListDlg : public CDialog {
 public:
  // What the user confirmed with "次へ".
  const ChosenDataSet& Chosen() const { return chosen_; }

 protected:
  CDataListDlg(DataListVariant variant, const TavAppState& app, IRegistry& registry);

  BOOL OnInitDialog() override;
  void OnOK() override;

 private:
  DataListVariant m_variant;
  const TavAppState& app_;
  IRegistry& registry_;
  std::vector<ListedDataSet> listed_;  // of this showing, in the order built
  ChosenDataSet chosen_;
};

class CMoveListDlg : public CDataListDlg {
 public:
  CMoveListDlg(const TavAppState& app, IRegistry& registry) : CDataListDlg(DataListVariant::Move, app, registry) {}
};

class CDeleteListDlg : public CDataListDlg {
 public:
  CDeleteListDlg(const TavAppState& app, IRegistry& registry) : CDataListDlg(DataListVariant::Delete, app, registry) {}
};
