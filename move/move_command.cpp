#include "move/move_command.h"

#include <optional>
#include <string>
#include <vector>

#include "command/command_prompts.h"
#include "command/free_space.h"
#include "command/staged_transfer.h"
#include "command/tree_checks.h"
#include "command/trusted_levels.h"
#include "command/folder_path_rules.h"
#include "catalogue/content_kinds.h"
#include "catalogue/data_dir_records.h"
#include "platform/text.h"

const char* const kMoveDestUnreadableMessage = "移動先フォルダにアクセスできません。";
const char* const kMoveDestTooSmallMessage = "移動先フォルダの空き容量が足りません。";
const char* const kMoveInterruptedMessage = "移動を中断しました。";
const char* const kMoveCompletedMessage = "移動を完了しました。";
const char* const kOldFolderLeftFormat = "データは移動しましたが、移動元のフォルダ %s を削除できませんでした。";

namespace {

constexpr const char* kStartQuestion = "移動を開始しますか？";
constexpr const char* kAnotherQuestion = "別のデータを移動しますか？";

bool OnSameDrive(std::string_view a, std::string_view b) {
  return !a.empty() && !b.empty() && SameNameToWindows(a.substr(0, 1), b.substr(0, 1));
}

// The files of the kind folders that the move will actually carry, each
// file's size. A kind folder that cannot be listed adds nothing here; the
// move itself then refuses, since it cannot prove it. So does a data folder
// that is not plain, which is not walked at all.
std::vector<std::uint64_t> FilesToMove(IFileSystem& files, const std::string& registeredFolder,
                                       const std::string& subjectCode) {
  std::vector<std::uint64_t> sizes;
  const auto dataDir = ActionableDataFolder(files, registeredFolder, subjectCode);
  if (!dataDir) return sizes;
  for (const auto& folder : PresentKindFolderList(files, *dataDir))
    for (const auto& entry : files.ListTree(folder).value_or(std::vector<FileEntry>{}))
      if (!entry.isFolder) sizes.push_back(entry.size);
  return sizes;
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
    ShowTransferOutcome(ctx, MoveDataSet(ctx), kMoveTexts);
    if (!AskYes(ctx, kAnotherQuestion)) return;
  }
}

std::string OldFolderLeftMessage(const std::string& oldFolder) {
  return FormatText(kOldFolderLeftFormat, {oldFolder});
}

const TransferTexts kMoveTexts = {kMoveInterruptedMessage, kMoveCompletedMessage, kRegistryWriteFailedMessage,
                                  OldFolderLeftMessage};

Room RoomForMove(CommandContext& ctx) {
  const TavAppState& app = ctx.app;
  // Moving within one drive only renames, so it needs no free space.
  if (OnSameDrive(app.m_szDataDir, app.m_szDestDir)) return Room::Enough;
  std::vector<std::uint64_t> sizes;
  {
    BusyScope busy(ctx);  // measuring walks whole trees
    sizes = FilesToMove(ctx.files, app.m_szDataDir, app.m_szSubject);
  }
  // Every file fills whole clusters of the new drive.
  return RoomFor(ctx, app.m_szDestDir, [&sizes](std::optional<std::uint64_t> cluster) { return SpaceForFiles(sizes, cluster); });
}

namespace {

TransferOutcome MoveDataSetSteps(CommandContext& ctx) {
  IFileSystem& files = ctx.files;
  const TavAppState& app = ctx.app;
  // A folder that is not plain could name a drive's own top-level folders
  // once the kind names are joined to it; a path too long for the shell (or
  // for the presence probe) would be skipped or truncated rather than refused.
  const auto dataDir = ActionableDataFolder(files, app.m_szDataDir, app.m_szSubject);
  const auto destDir = ActionableDataFolder(files, app.m_szDestDir, app.m_szSubject);
  if (!dataDir || !destDir) return {};
  if (!DataFolderLevelsTrusted(files, *dataDir) || !DataFolderLevelsTrusted(files, *destDir)) return {};
  for (const auto* folder : {&*dataDir, &*destDir})
    RepairWorkingFolders(files, ctx.registry, *folder, app.m_szSubjectKey, app.m_szYear);
  const DataFolderListing old = ReadDataFolder(files, *dataDir);
  if (old.reach == Reach::Unreachable) return {Transfer::Unreachable, {}};

  const RecordWrite writeRecord = [&] {
    return WriteDataDirRecord(ctx.registry, app.m_szSubjectKey, app.m_szYear, *destDir);
  };
  const KindFlags present = PresentKinds(files, *dataDir);
  const std::vector<std::string> sources = KindFolderList(*dataDir, present);
  if (sources.empty()) {  // nothing to move; the record follows the new folder
    const RecordUpdate update = writeRecord();
    if (update == RecordUpdate::SubjectKeyFailed) return {Transfer::RecordFailed, {}};
    return {update == RecordUpdate::Done ? Transfer::Done : Transfer::TwinLagging, {}};
  }
  const WorkingFolders work = WorkingFoldersOf(*destDir);
  for (const auto& base : {*destDir, work.commit, work.gather})
    if (!KindFolderPathsFit(base)) return {};

  TransferOutcome outcome;
  const bool sameDrive = OnSameDrive(*dataDir, *destDir);
  if (sameDrive) {
    // Renames only: the kind folders are gathered beside the new folder, so
    // a stop at any point leaves them in one of two known places.
    RenameJournal journal(files);
    bool gathered = WorkingFoldersFree(files, work) && journal.CreateFolder(work.gather);
    for (std::size_t i = 0; gathered && i < sources.size(); ++i)
      gathered = journal.Rename(sources[i], JoinPath(work.gather, LastLevel(sources[i])));
    if (gathered)
      outcome = CommitAndRecord(files, journal, work.gather, *destDir, writeRecord);
    else
      journal.Undo();
  } else {
    std::vector<std::vector<FileEntry>> listings;
    for (const auto& source : sources) listings.push_back(KindListing(old.entries, LastLevel(source)));
    outcome = StageAndCommit(files, sources, listings, *destDir, writeRecord);
  }
  if (!outcome.Finished()) return outcome;
  if (!sameDrive) {
    // The data set is whole at its new place and registered there; what
    // cannot be deleted of the old one now is only a stale copy.
    // A file in use stops the shell; the rest goes file by file.
    files.RunShellOperation(ShellOp::Delete, sources, "");
    for (const auto& source : sources)
      if (files.Exists(source) && !files.RemoveTree(source)) outcome.leftover = *dataDir;
  }
  files.RemoveEmptyFolder(*dataDir);  // fails, as it should, when other files remain
  return outcome;
}

}  // namespace

TransferOutcome MoveDataSet(CommandContext& ctx) {
  return TransferIntoDestination(ctx, [&ctx] { return MoveDataSetSteps(ctx); });
}
