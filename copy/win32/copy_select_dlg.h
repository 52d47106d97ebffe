#pragma once
// The content selection dialog: the second step of a copy. Shows the kinds
// that the identified disc offers (m_bKindOffered, m_nKindSize, found by the
// command before), ticked, with their sizes; the others unticked and greyed
// out. Leaves the chosen kinds in m_bKind and their total size in
// m_nRequiredSize.
#include "command/app_state.h"
#include "platform/win32/afx_dialog.h"

class CCopySelectDlg : public CDialog {
 public:
  // Reads the disc and its kinds from `app`, writes the choice into it.
  explicit CCopySelectDlg(TavAppState& app);

  // Recomputes m_nRequiredSize from the ticked boxes and rewrites its line.
  void UpdateRequiredSpace();

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  BOOL OnCommand(int id, int code) override;

 private:
  bool IsKindTicked(int kindIndex) const;

  TavAppState& app_;
};
