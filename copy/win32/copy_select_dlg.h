#pragma once
// The content selection dialog: the second step of a copy. Shows the kinds
// that the identified disc offers (m_bKindOffered, m_nKindSize, found by the
// command before), ticked, with their sizes; the others unticked and greyed
// out. Hands back the chosen kinds and their total size.
#include "command/app_state.h"
#include "platform/win32/dialog_base.h"

class CCopySelectDlg : public CDialog {
 public:
  // Reads the disc and its kinds from `app`.
  explicit CCopySelectDlg(const TavAppState& app);

  // What the user confirmed with "次へ".
  const ChosenKinds& Chosen() const { return chosen_; }

  // Recomputes the required space from the ticked boxes and rewrites its line.
  void UpdateRequiredSpace();

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  BOOL OnCommand(int id, int code) override;

 private:
  bool IsKindTicked(int kindIndex) const;
  KindFlags TickedKinds() const;

  const TavAppState& app_;
  ChosenKinds chosen_;
};
