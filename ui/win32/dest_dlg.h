#pragma once
// The destination drive dialog of the copy and move commands: the user picks
// a fixed drive, the data set's folder is composed on it and made to exist,
// and the path is handed back. The move variant also reads the data set's
// registered folder and refuses a destination equal to it.
#include <string>
#include <string_view>
#include <vector>

#include "command/app_state.h"
#include "platform/disk_port.h"
#include "platform/file_port.h"
#include "platform/prompt_port.h"
#include "platform/registry_port.h"
#include "platform/win32/dialog_base.h"
#include "ui/destination.h"

// What the destination dialog works with: the current data set it reads, the
// drives it lists, the folder it creates (asking first) and,
// for a move, the record it reads.
struct DestDialogInputs {
  const TavAppState& app;
  IRegistry& registry;
  IDisks& disks;
  IFileSystem& files;
  IPrompts& prompts;
};

class CDestDlg : public CDialog {
 public:
  // What the user confirmed with "次へ".
  const ChosenDestination& Chosen() const { return chosen_; }

 protected:
  CDestDlg(DestVariant variant, const DestDialogInputs& inputs);

  BOOL OnInitDialog() override;
  void OnOK() override;

  // The composed folder cleaned up and made to exist; FALSE (the user has
  // been told, or declined) puts the focus on the hidden folder box with
  // the folder's text selected, as the dialog always has.
  BOOL ValidateDestFolder(std::string_view composed);

 private:
  void FillDriveList();

  DestVariant m_variant;
  DestDialogInputs in_;
  ChosenDestination chosen_;
  std::vector<std::string> createdLevels_;  // by the last validation
};

class CCopyDestDlg : public CDestDlg {
 public:
  explicit CCopyDestDlg(const DestDialogInputs& inputs) : CDestDlg(DestVariant::Copy, inputs) {}
};

class CMoveDestDlg : public CDestDlg {
 public:
  explicit CMoveDestDlg(const DestDialogInputs& inputs) : CDestDlg(DestVariant::Move, inputs) {}
};
