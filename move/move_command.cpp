#include "move/move_command.h"

#include <optional>
#include <string>
#include <vector>

#include "command/command_prompts.h"
#include "command/free_space.h"
#include "command/tree_checks.h"
#include "command/trusted_levels.h"
#include "ui/folder_path_rules.h"
#include "catalogue/content_kinds.h"
#include "catalogue/data_dir_records.h"
#include "platform/text.h"

const char* const kMoveDestUnreadableMessage = "移動先フォルダにアクセスできません。";
const char* const kMoveDestTooSmallMessage = "移動先フォルダの空き容量が足りません。";
const char* const kMoveInterruptedMessage = "移動を中断しました。";
const char* const kMoveCompletedMessage = "移動を完了しました。";

namespace {

constexpr const char* kStartQuestion = "移動を開始しますか？";
constexpr const char* kAnotherQuestion = "別のデータを移動しますか？";

bool OnSameDrive(std::string_view a, std::string_view b) {
  return !a.empty() && !b.empty() && SameNameToWindows(a.substr(0, 1), b.substr(0, 1));
}

// What the move will need on the new drive: the files of the kind folders
// that will actually be moved. A kind folder that cannot be listed adds
// nothing here; the move itself then refuses, since it cannot prove it. So
// does a data folder that is not plain, which is not walked at all.
std::uint64_t BytesToMove(IFileSystem& files, const std::string& registeredFolder, const std::string& subjectCode) {
  const auto dataDir = ActionableDataFolder(files, registeredFolder, subjectCode);
  if (!dataDir) return 0;
  std::uint64_t total = 0;
  for (const auto& folder : PresentKindFolderList(files, *dataDir)) total += TreeSize(files, folder).value_or(0);
  return total;
}


enum class MoveStep { List, Destination, Space, Confirm };

// False when the user left the list.
bool RunMoveSteps(CommandContext& ctx) {
  MoveStep step = MoveStep::List;
  for (;;) {
    switch (step) {
      case MoveStep::List: {
        const auto chosen = ctx.dialogs.ChooseDataSetToMove();
        if (!chosen) return false;
        ApplyDataSetToMove(*chosen, ctx.app);
        step = MoveStep::Destination;
        break;
      }
      case MoveStep::Destination: {
        const auto chosen = ctx.dialogs.ChooseMoveDestination();
        if (chosen) ApplyMoveDestination(*chosen, ctx.app);
        step = chosen ? MoveStep::Space : MoveStep::List;
        break;
      }
      case MoveStep::Space:
        step = RoomOrWarn(ctx, RoomForMove(ctx), kMoveDestUnreadableMessage, kMoveDestTooSmallMessage) ? MoveStep::Confirm
                                                                                               : MoveStep::Destination;
        break;
      case MoveStep::Confirm:
        if (AskYes(ctx, kStartQuestion)) return true;
        step = MoveStep::Destination;
        break;
    }
  }
}

}  // namespace

void RunMoveCommand(CommandContext& ctx) {
  if (ctx.busy) return;
  for (;;) {
    if (!RunMoveSteps(ctx)) return;
    if (!MoveKindFolders(ctx)) {
      Warn(ctx, kMoveInterruptedMessage);
    } else {
      const TavAppState& app = ctx.app;
      const RecordUpdate update = WriteDataDirRecord(ctx.registry, app.m_szSubjectKey, app.m_szYear, app.m_szDestDir);
      if (update != RecordUpdate::Done) Warn(ctx, kRegistryWriteFailedMessage);
      // The subject's own record moved along; only its "General" twin lags.
      if (update != RecordUpdate::SubjectKeyFailed) Inform(ctx, kMoveCompletedMessage);
    }
    if (!AskYes(ctx, kAnotherQuestion)) return;
  }
}

Room RoomForMove(CommandContext& ctx) {
  const TavAppState& app = ctx.app;
  // Moving within one drive only renames, so it needs no free space.
  if (OnSameDrive(app.m_szDataDir, app.m_szDestDir)) return Room::Enough;
  std::uint64_t required = 0;
  {
    BusyScope busy(ctx);  // measuring walks whole trees
    required = BytesToMove(ctx.files, app.m_szDataDir, app.m_szSubject);
  }
  return RoomFor(ctx, app.m_szDestDir, required);
}

bool MoveKindFolders(CommandContext& ctx) {
  BusyScope busy(ctx);
  IFileSystem& files = ctx.files;
  // A folder that is not plain could name a drive's own top-level folders
  // once the kind names are joined to it; a path too long for the shell (or
  // for the presence probe) would be skipped or truncated rather than refused.
  const auto dataDir = ActionableDataFolder(files, ctx.app.m_szDataDir, ctx.app.m_szSubject);
  const auto destDir = ActionableDataFolder(files, ctx.app.m_szDestDir, ctx.app.m_szSubject);
  if (!dataDir || !destDir) return false;
  if (!DataFolderLevelsTrusted(files, *dataDir) || !DataFolderLevelsTrusted(files, *destDir)) return false;

  const KindFlags present = PresentKinds(files, *dataDir);
  const std::vector<std::string> sources = KindFolderList(*dataDir, present);
  if (sources.empty()) return true;  // nothing to move; the record follows the new folder
  const std::vector<std::string> targets = KindFolderList(*destDir, present);

  // Listed now, for the check after the move: the sources are gone by then.
  std::vector<std::vector<FileEntry>> before;
  for (const auto& source : sources) {
    auto entries = files.ListTree(source);
    if (!entries) return false;
    before.push_back(std::move(*entries));
  }

  if (!files.RunShellOperation(ShellOp::Move, sources, *destDir).Succeeded()) return false;

  // The shell has returned 0 having moved nothing (a folder onto an existing
  // one of the same name) or having copied a tree short across drives.
  for (std::size_t i = 0; i < sources.size(); ++i)
    if (files.Exists(sources[i]) || !FilesArrived(files, before[i], targets[i]))
      return false;

  files.RemoveEmptyFolder(*dataDir);  // fails, as it should, when other files remain
  return true;
}
