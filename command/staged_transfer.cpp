#include "command/staged_transfer.h"

#include <optional>

#include "catalogue/content_kinds.h"
#include "command/folder_path_rules.h"
#include "command/tree_checks.h"
#include "platform/text.h"

namespace {

bool SameFolder(const std::string& a, const std::string& b) {
  return SameNameToWindows(WithoutTrailingBackslash(a), WithoutTrailingBackslash(b));
}

// Renames the kind folders found in `from` back into `to`; false when one
// could not go back.
bool PutKindFoldersBack(IFileSystem& files, const std::string& from, const std::string& to) {
  bool all = true;
  for (const auto& info : kContentKinds) {
    const std::string kind = KindFolderPath(from, info.kind);
    if (!files.Exists(kind)) continue;
    all = files.Rename(kind, KindFolderPath(to, info.kind)) && all;
  }
  return all && files.RemoveEmptyFolder(from);
}

}  // namespace

TransferOutcome CommitAndRecord(IFileSystem& files, RenameJournal& journal, const std::string& from,
                                const std::string& dataFolder, const RecordWrite& writeRecord) {
  const WorkingFolders work = WorkingFoldersOf(dataFolder);
  // The commit folder's name is what tells a repair after a power cut that
  // its content was complete and the merge may be finished.
  if (journal.Rename(from, work.commit) && MergeKindFolders(files, journal, work.commit, dataFolder, work.aside)) {
    const RecordUpdate update = writeRecord();
    if (update != RecordUpdate::SubjectKeyFailed) {
      // The replaced files go first: a commit folder that outlives them
      // holds nothing but empty levels, and finishing it changes nothing.
      files.RemoveTree(work.aside);
      files.RemoveTree(work.commit);
      return {update == RecordUpdate::Done ? Transfer::Done : Transfer::TwinLagging, {}};
    }
    if (journal.Undo()) {
      files.RemoveTree(work.commit);
      files.RemoveTree(work.aside);
    }
    return {Transfer::RecordFailed, {}};
  }
  // Only when every rename went back is the aside folder no more than empty
  // levels; otherwise it holds the data folder's own files and stays.
  if (journal.Undo()) {
    files.RemoveTree(work.commit);
    files.RemoveTree(work.aside);
  }
  return {Transfer::Failed, {}};
}

TransferOutcome StageAndCommit(IFileSystem& files, const std::vector<std::string>& sources,
                               const std::vector<std::vector<FileEntry>>& listings, const std::string& dataFolder,
                               const RecordWrite& writeRecord) {
  const WorkingFolders work = WorkingFoldersOf(dataFolder);
  if (sources.empty() || sources.size() != listings.size()) return {};
  if (!WorkingFoldersFree(files, work) || !files.CreateFolder(work.stage)) return {};
  // Removed on every way out but the commit, which renames it.
  const auto discard = [&] {
    files.RemoveTree(work.stage);
    return TransferOutcome{};
  };
  if (!files.RunShellOperation(ShellOp::Copy, sources, work.stage).Succeeded()) return discard();
  for (std::size_t i = 0; i < sources.size(); ++i)
    if (!FilesArrived(files, listings[i], JoinPath(work.stage, LastLevel(sources[i])))) return discard();
  RenameJournal journal(files);
  TransferOutcome outcome = CommitAndRecord(files, journal, work.stage, dataFolder, writeRecord);
  if (!outcome.Finished()) files.RemoveTree(work.stage);
  return outcome;
}

void RemoveCreatedLevels(IFileSystem& files, const std::vector<std::string>& levels) {
  for (auto level = levels.rbegin(); level != levels.rend(); ++level) files.RemoveEmptyFolder(*level);
}

TransferOutcome TransferIntoDestination(CommandContext& ctx, const std::function<TransferOutcome()>& steps) {
  BusyScope busy(ctx);
  TransferOutcome outcome = steps();
  if (!outcome.Finished()) RemoveCreatedLevels(ctx.files, ctx.app.m_destCreatedLevels);
  return outcome;
}

void RepairWorkingFolders(IFileSystem& files, IRegistry& registry, const std::string& dataFolder,
                          const std::string& subjectKey, const std::string& year) {
  const WorkingFolders work = WorkingFoldersOf(dataFolder);
  const auto registered = [&] { return ReadDataDirRecord(registry, subjectKey, year); };
  // Only a folder the tool itself made is finished or taken back: one that
  // is a link or belongs to an ordinary user is left alone, and the command
  // then refuses, since the name it needs is taken.
  for (const auto* folder : {&work.stage, &work.commit, &work.aside, &work.gather, &work.removal}) {
    const PathLevel level = files.InspectLevel(*folder);
    if (level.exists && (level.isReparsePoint || !level.ownerTrusted)) return;
  }

  // A copy that never reached its check: its source still has everything.
  if (files.Exists(work.stage)) files.RemoveTree(work.stage);

  // A move on one drive stopped while it gathered the old folder's kind
  // folders: they go back where the record, not yet rewritten, says.
  if (files.Exists(work.gather)) {
    const auto old = registered();
    if (old && !SameFolder(*old, dataFolder)) PutKindFoldersBack(files, work.gather, std::string(WithoutTrailingBackslash(*old)));
  }

  // A checked copy being merged: finished, since undoing it would need the
  // list of what the merge had already placed, which only the stopped
  // process knew. The record then names the data folder, as it would have.
  if (files.Exists(work.commit)) {
    RenameJournal journal(files);
    if (MergeKindFolders(files, journal, work.commit, dataFolder, work.aside)) {
      const auto old = registered();
      if (!old || !SameFolder(*old, dataFolder)) WriteDataDirRecord(registry, subjectKey, year, dataFolder);
      files.RemoveTree(work.aside);
      files.RemoveTree(work.commit);
    }
  } else if (files.Exists(work.aside)) {
    files.RemoveTree(work.aside);  // empty levels left by a finished clean-up
  }

  // A delete's set-aside kind folders: back while the data set is still
  // registered here, deleted once its record is gone.
  if (files.Exists(work.removal)) {
    const auto old = registered();
    if (old && SameFolder(*old, dataFolder))
      PutKindFoldersBack(files, work.removal, dataFolder);
    else
      files.RemoveTree(work.removal);
  }
}
