#include "delete/delete_command.h"

#include <string>
#include <vector>

#include "command/command_prompts.h"
#include "command/tree_checks.h"
#include "command/trusted_levels.h"
#include "ui/folder_path_rules.h"
#include "catalogue/content_kinds.h"
#include "catalogue/data_dir_records.h"

namespace {

constexpr const char* kStartQuestion = "削除を開始しますか？";
constexpr const char* kInterruptedMessage = "削除を中断しました。";
constexpr const char* kCompletedMessage = "削除を完了しました。";
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
    if (!DeleteKindFolders(ctx)) {
      Warn(ctx, kInterruptedMessage);
    } else {
      const RecordUpdate update = DeleteDataDirRecord(ctx.registry, ctx.app.m_szSubjectKey, ctx.app.m_szYear);
      if (update != RecordUpdate::Done) Warn(ctx, kRegistryDeleteFailedMessage);
      // The subject's own record is gone; only its "General" twin stays.
      if (update != RecordUpdate::SubjectKeyFailed) Inform(ctx, kCompletedMessage);
    }
    if (!AskYes(ctx, kAnotherQuestion)) return;
  }
}

bool DeleteKindFolders(CommandContext& ctx) {
  BusyScope busy(ctx);
  IFileSystem& files = ctx.files;
  // The kind names are joined to the folder as recorded: a spelling that is
  // not plain could name a drive's own top-level folders, and past the
  // shell's length limit a kind folder would look absent and its record
  // would go with the data still on disk.
  const auto dataDir = ActionableDataFolder(files, ctx.app.m_szDataDir, ctx.app.m_szSubject);
  if (!dataDir || !DataFolderLevelsTrusted(files, *dataDir)) return false;

  const std::vector<std::string> kindFolders = PresentKindFolderList(files, *dataDir);
  if (kindFolders.empty()) return true;  // nothing to delete; the record goes

  if (!files.RunShellOperation(ShellOp::Delete, kindFolders, "").Succeeded()) return false;
  for (const auto& folder : kindFolders)
    if (files.Exists(folder)) return false;

  files.RemoveEmptyFolder(*dataDir);  // fails, as it should, when other files remain
  return true;
}
