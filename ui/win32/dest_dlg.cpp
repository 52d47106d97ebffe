#include "ui/win32/dest_dlg.h"

#include "catalogue/data_dir_records.h"
#include "platform/win32/win_text.h"
#include "platform/windows_path.h"
#include "platform/prompt_port.h"
#include "platform/win32/app_base.h"
#include "res/resource.h"
#include "command/trusted_levels.h"
#include "command/folder_path_rules.h"

namespace {

UINT TemplateFor(DestVariant variant) { return variant == DestVariant::Move ? IDD_MOVE_DEST : IDD_COPY_DEST; }

}  // namespace

// Enter would press "次へ" and Escape would step back: only the buttons and
// the close box end this dialog.
CDestDlg::CDestDlg(DestVariant variant, const DestDialogInputs& inputs)
    : CDialog(TemplateFor(variant),
              {.bigIconId = IDR_MAINFRAME, .swallowEnter = true, .swallowEscape = true, .ignoreF1 = true}),
      m_variant(variant),
      in_(inputs) {}

BOOL CDestDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  CWaitCursor wait;
  SendItemMessage(IDC_DEST_FOLDER, EM_LIMITTEXT, kMaxPathChars);
  SetItemText(IDC_DATASET_LINE, FormatDestDataLine(m_variant, in_.app.m_szYear, in_.app.m_szSubjectName));
  FillDriveList();
  return TRUE;  // the focus goes to the drive list, nothing selected
}

void CDestDlg::FillDriveList() {
  SendItemMessage(IDC_DRIVE_LIST, CB_RESETCONTENT);
  // Appended in letter order at the end; the sorted combo box agrees, since
  // every entry begins with its drive letter.
  for (const std::string& entry : BuildDriveList(in_.disks, [] { PumpWaitingMessage(); })) {
    const std::wstring text = W(entry);
    SendItemMessage(IDC_DRIVE_LIST, CB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
  }
}

void CDestDlg::OnOK() {
  CWaitCursor wait;
  const TavAppState& app = in_.app;
  const auto folder = ComposeDataFolder(GetItemText(IDC_DRIVE_LIST), app.m_szYear, app.m_szSubject);
  if (!folder) {
    ShowMessageBox(DestDialogTextsFor(m_variant).noDriveMessage, kCaption, MB_OK | MB_ICONEXCLAMATION);
    ::SetFocus(GetDlgItem(IDC_DRIVE_LIST));
    return;
  }
  // The hidden folder box only mirrors the folder, for the focus and the
  // selection when it cannot be used; the folder goes on as a value and the
  // box is never read.
  SetItemText(IDC_DEST_FOLDER, *folder);

  std::string registeredFolder;
  if (DestDialogTextsFor(m_variant).checksRegisteredFolder) {
    CheckedMoveSource source = CheckMoveSource(in_.registry, app, *folder);
    registeredFolder = std::move(source.registeredFolder);
    switch (source.check) {
      case MoveSourceCheck::RecordUnreadable:
        ShowMessageBox(kRegistryReadFailedMessage, kCaption, MB_OK | MB_ICONEXCLAMATION);
        return;
      case MoveSourceCheck::SameFolder:
        ShowMessageBox(kSameFolderMessage, kCaption, MB_OK | MB_ICONEXCLAMATION);
        return;
      case MoveSourceCheck::Accepted:
        break;
    }
  }

  if (!ValidateDestFolder(*folder)) return;
  chosen_ = {*folder, std::move(registeredFolder), std::move(createdLevels_)};
  CDialog::OnOK();
}

BOOL CDestDlg::ValidateDestFolder(std::string_view composed) {
  const std::string folder = NormalizeDestFolderText(composed);
  SetItemText(IDC_DEST_FOLDER, folder);
  // Before the question and the creation: nothing is made through a link or
  // inside a level an ordinary user owns.
  if (CheckFolderPath(folder) == FolderResult::Ok && IsDataFolderPath(folder) &&
      !DataFolderLevelsTrusted(in_.files, folder)) {
    ShowMessageBox(DestDialogTextsFor(m_variant).unusableMessage, kCaption, MB_OK | MB_ICONEXCLAMATION);
    return FALSE;
  }
  createdLevels_.clear();
  if (EnsureFolderExists(in_.files, in_.prompts, folder, &createdLevels_) == FolderResult::Ok) return TRUE;
  ::SetFocus(GetDlgItem(IDC_DEST_FOLDER));
  SendItemMessage(IDC_DEST_FOLDER, EM_SETSEL, 0, -1);
  SendItemMessage(IDC_DEST_FOLDER, EM_SCROLLCARET);
  return FALSE;
}
