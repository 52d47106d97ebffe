#include "delete/delete_command.h"

#include <string>
#include <vector>

#include "command/command_prompts.h"
#include "command/staged_transfer.h"
#include "platform/text.h"
#include "command/tree_checks.h"
#include "command/trusted_levels.h"
#include "command/folder_path_rules.h"
#include "catalogue/content_kinds.h"
#include "catalogue/data_dir_records.h"

const char* const kDeleteInterruptedMessage = "削除を中断しました。";
const char* const kDeleteCompletedMessage = "削除を完了しました。";
const char* const kSetAsideLeftFormat = "データの登録は削除しましたが、%s を削除できませんでした。";

namespace {

constexpr const char* kStartQuestion = "削除を開始しますか？";
constexpr const char* kAnotherQuestion = "別のデータを削除しますか？";

// The list until the user confirms; false when the user left the list.
bool ChooseAndConfirm(CommandContext& ctx) {
  for (;;) {
    const auto chosen = ctx.dialogs.ChooseDataSetToDelete();
    if (!chosen) return false;
    ApplyDataSetToDelete(*chosen, ctx.app);
    if (AskYes(ctx, kStartQuestion)) return true;
  }
}

}  // namespace

void RunDeleteCommand(CommandContext& ctx) {
  if (ctx.busy) return;
  for (;;) {
    if (!ChooseAndConfirm(ctx)) return;
    ShowTransferOutcome(ctx, DeleteDataSet(ctx), kDeleteTexts);
    if (!AskYes(ctx, kAnotherQuestion)) return;
  }
}

std::string SetAsideLeftMessage(const std::string& folder) { return FormatText(kSetAsideLeftFormat, {folder}); }

const TransferTexts kDeleteTexts = {kDeleteInterruptedMessage, kDeleteCompletedMessage, kRegistryDeleteFailedMessage,
                                    SetAsideLeftMessage};

TransferOutcome DeleteDataSet(CommandContext& ctx) {
  BusyScope busy(ctx);
  IFileSystem& files = ctx.files;
  const TavAppState& app = ctx.app;
  // The kind names are joined to the folder as recorded: a spelling that is
  // not plain could name a drive's own top-level folders, and past the
  // shell's length limit a kind folder would look absent and its record
  // would go with the data still on disk.
  const auto dataDir = ActionableDataFolder(files, app.m_szDataDir, app.m_szSubject);
  if (!dataDir || !DataFolderLevelsTrusted(files, *dataDir)) return {};
  RepairWorkingFolders(files, ctx.registry, *dataDir, app.m_szSubjectKey, app.m_szYear);
  if (ReadDataFolder(files, *dataDir).reach == Reach::Unreachable) return {Transfer::Unreachable, {}};

  const auto removeRecord = [&] { return DeleteDataDirRecord(ctx.registry, app.m_szSubjectKey, app.m_szYear); };
  const std::vector<std::string> kindFolders = PresentKindFolderList(files, *dataDir);
  const WorkingFolders work = WorkingFoldersOf(*dataDir);
  if (!KindFolderPathsFit(work.removal)) return {};

  // Set aside first, by renames on the folder's own drive: a locked file
  // stops a rename whole, and everything goes back before the record is
  // touched.
  RenameJournal journal(files);
  std::vector<std::string> setAside;
  bool allAside = kindFolders.empty() || (WorkingFoldersFree(files, work) && journal.CreateFolder(work.removal));
  for (std::size_t i = 0; allAside && i < kindFolders.size(); ++i) {
    setAside.push_back(JoinPath(work.removal, LastLevel(kindFolders[i])));
    allAside = journal.Rename(kindFolders[i], setAside.back());
  }
  if (!allAside) {
    journal.Undo();
    return {};
  }
  const RecordUpdate update = removeRecord();
  if (update == RecordUpdate::SubjectKeyFailed) {
    journal.Undo();
    return {Transfer::RecordFailed, {}};
  }
  TransferOutcome outcome{update == RecordUpdate::Done ? Transfer::Done : Transfer::TwinLagging, {}};
  if (!setAside.empty()) {
    // No longer registered: what the shell could not delete (a file in use
    // stops it) is deleted file by file where it can be; what still stays
    // is named to the user.
    if (!files.RunShellOperation(ShellOp::Delete, setAside, "").Succeeded() || files.Exists(work.removal))
      files.RemoveTree(work.removal);
    if (files.Exists(work.removal)) outcome.leftover = work.removal;
    files.RemoveEmptyFolder(*dataDir);  // fails, as it should, when other files remain
  }
  return outcome;
}
