#include "copy/copy_command.h"

#include <algorithm>
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
#include "catalogue/subject_catalogue.h"
#include "copy/disc_detection.h"
#include "copy/kind_sizes.h"
#include "platform/text.h"

const char* const kCopyDestUnreadableMessage = "コピー先フォルダにアクセスできません。";
const char* const kCopyDestTooSmallMessage = "コピー先フォルダの空き容量が足りません。";
const char* const kCopyInterruptedMessage = "コピーを中断しました。";
const char* const kCopyCompletedMessage = "コピーを完了しました。";

namespace {

constexpr const char* kNoRightsFormat =
    "セットされたCD-ROMは「%s」です。\n"
    "このCD-ROMのデータをコピーする権限がありません。\n"
    "Tav2007 %s のインストールを先に行ってください。\n"
    "インストールを行った方がこのツールをご利用できます。";
constexpr const char* kStartQuestion = "コピーを開始しますか？";
constexpr const char* kVer2OfferQuestion =
    "コピーを完了しました。\n\n"
    "Ver2.0のCDをお持ちの場合、ここでコピーすることができます。\n"
    "コピーする場合はVer2.0のCDをセットして「はい」を選択してください。";
constexpr const char* kNotThatDiscQuestion =
    "ここでコピーできるCDではありません。\n\n"
    "CDを確認して「はい」を選択してください。\n"
    "中止する場合は「いいえ」を選択してください。";
constexpr const char* kAnotherDiscQuestion = "別のディスクをコピーしますか？";

// The disc wait dialog; false when the user cancelled it.
bool WaitForDisc(CommandContext& ctx) {
  const auto identified = ctx.dialogs.WaitForDisc();
  if (identified) ApplyIdentifiedDisc(*identified, ctx.app);
  return identified.has_value();
}

// Once per identified disc, before its content selection: stepping back to
// the selection shows what was found then. The walk of the kind folders runs
// without a message loop, so the busy flag guards it like the shell's calls.
void DetermineDiscKindSizes(CommandContext& ctx) {
  BusyScope busy(ctx);
  DetermineKindSizes(ctx.app, ctx.profile, ctx.files);
}

enum class WizardStep { SelectKinds, ChooseDestination, CheckFreeSpace, Confirm };

// Content selection, destination, free space and confirmation, with the
// steps back. False when the user cancelled the content selection.
bool RunCopyWizard(CommandContext& ctx) {
  WizardStep step = WizardStep::SelectKinds;
  for (;;) {
    switch (step) {
      case WizardStep::SelectKinds: {
        const auto chosen = ctx.dialogs.SelectKinds();
        if (!chosen) return false;
        ApplyChosenKinds(*chosen, ctx.app);
        step = WizardStep::ChooseDestination;
        break;
      }
      case WizardStep::ChooseDestination: {
        const auto chosen = ctx.dialogs.ChooseCopyDestination();
        if (chosen) ApplyCopyDestination(*chosen, ctx.app);
        step = chosen ? WizardStep::CheckFreeSpace : WizardStep::SelectKinds;
        break;
      }
      case WizardStep::CheckFreeSpace: {
        const Room room = RoomFor(ctx, ctx.app.m_szDestDir, [&](std::optional<std::uint64_t> cluster) {
          return std::max(ctx.app.m_nRequiredSize, SpaceOnVolume(ctx.app, ctx.app.m_bKind, cluster));
        });
        step = RoomOrWarn(ctx, room, kCopyDestUnreadableMessage, kCopyDestTooSmallMessage) ? WizardStep::Confirm
                                                                                  : WizardStep::ChooseDestination;
        break;
      }
      case WizardStep::Confirm:
        if (AskYes(ctx, kStartQuestion)) return true;
        step = WizardStep::ChooseDestination;
        break;
    }
  }
}

// Right before each copy: the disc identified is still the one in the
// drive. Another disc (of the same label, or none) gets the question of the
// Ver2.0 pass until it is back or the user gives up. A folder holding a
// disc's content has no volume of its own to compare.
bool DiscStillInDrive(CommandContext& ctx) {
  const TavAppState& app = ctx.app;
  if (!IsDriveRootedPath(app.m_szCdRoot) || app.m_szCdRoot.size() != 3) return true;
  while (!IsIdentifiedDiscInDrive(ctx.disks, IdentifiedDiscOf(app)))
    if (!AskYes(ctx, kNotThatDiscQuestion)) return false;
  return true;
}

// The copy, its record and the optional Ver2.0 pass of one disc. Every way
// out leads to the question about another disc.
void CopyConfirmedDisc(CommandContext& ctx) {
  TavAppState& app = ctx.app;
  for (int pass = 0;; ++pass) {
    if (!DiscStillInDrive(ctx)) return;
    switch (CopySelectedKinds(ctx).result) {
      case Transfer::Done:
        break;
      case Transfer::RecordFailed:
      case Transfer::TwinLagging:
        Warn(ctx, kRegistryWriteFailedMessage);
        return;
      default:
        Warn(ctx, kCopyInterruptedMessage);
        return;
    }
    // The data set is registered now; a later pass that fails leaves it so.
    app.m_destCreatedLevels.clear();
    if (pass == 1) {
      Inform(ctx, kCopyCompletedMessage);
      return;
    }
    if (!AskYes(ctx, kVer2OfferQuestion)) return;
    // The Ver2.0 disc of a title carries the same volume label as the first,
    // but is a disc of its own: its serial number is taken now.
    while (!IsSameDiscInDrive(ctx.disks, app.m_szCdRoot, app.m_szDiscLabel))
      if (!AskYes(ctx, kNotThatDiscQuestion)) return;
    app.m_nDiscSerial = ctx.disks.VolumeSerial(app.m_szCdRoot);
  }
}

}  // namespace

void RunCopyCommand(CommandContext& ctx) {
  if (ctx.busy) return;
  if (!WaitForDisc(ctx)) return;
  for (;;) {
    if (!HasRightsOnDisc(ctx.app)) {
      const TavAppState& app = ctx.app;
      Warn(ctx, FormatText(kNoRightsFormat, {DataSetName(app.m_szYear, app.m_szSubjectName), app.m_szSubjectName}));
      return;
    }
    DetermineDiscKindSizes(ctx);
    if (!RunCopyWizard(ctx)) return;
    CopyConfirmedDisc(ctx);
    if (!AskYes(ctx, kAnotherDiscQuestion)) return;
    if (!WaitForDisc(ctx)) return;
  }
}

bool HasRightsOnDisc(const TavAppState& app) {
  if (app.m_szSubject.size() != 1) return false;
  const SubjectInfo* subject = FindSubjectByCode(app.m_szSubject[0]);
  return subject && app.m_bAdmin[SubjectIndex(*subject)];
}

namespace {

TransferOutcome CopySelectedKindsSteps(CommandContext& ctx) {
  const TavAppState& app = ctx.app;
  IFileSystem& files = ctx.files;
  // The disc's drive, or (unattended) a folder holding a copy of a disc, on a
  // drive or a file server; never a path the current folder would complete.
  if (!IsAbsoluteFolderPath(app.m_szCdRoot) || app.m_szSubject.empty() || !IsDataFolderPath(app.m_szDestDir))
    return {};
  const std::string& dataDir = app.m_szDestDir;
  // Nothing is written through a link or into a level an ordinary user owns.
  if (!DataFolderLevelsTrusted(files, dataDir)) return {};
  const std::string discFolder = DiscSubjectFolder(app.m_szCdRoot, app.m_szSubject);
  const std::vector<std::string> sources = KindFolderList(discFolder, app.m_bKind);
  // Nothing chosen would register a data folder that holds nothing.
  if (sources.empty()) return {};
  for (const auto& list : {sources, KindFolderList(dataDir, app.m_bKind),
                           KindFolderList(WorkingFoldersOf(dataDir).commit, app.m_bKind)})
    for (const auto& path : list)
      if (!FitsShellPath(path)) return {};

  RepairWorkingFolders(files, ctx.registry, dataDir, app.m_szSubjectKey, app.m_szYear);
  // What the disc holds, read before the copy: the staged copy is checked
  // against it, not against whatever the drive holds afterwards. A source
  // the tool cannot walk (a link inside it) or one holding two names that
  // are one name on the hard disk (a case-sensitive share) is refused with
  // nothing copied.
  std::vector<std::vector<FileEntry>> onDisc;
  for (const auto& source : sources) {
    auto entries = files.ListTree(source);
    if (!entries || !NamesDistinctToWindows(*entries)) return {};
    onDisc.push_back(std::move(*entries));
  }
  return StageAndCommit(files, sources, onDisc, dataDir, [&] {
    return WriteDataDirRecord(ctx.registry, app.m_szSubjectKey, app.m_szYear, dataDir);
  });
}

}  // namespace

TransferOutcome CopySelectedKinds(CommandContext& ctx) {
  return TransferIntoDestination(ctx, [&ctx] { return CopySelectedKindsSteps(ctx); });
}

bool KindFoldersArrived(IFileSystem& files, const std::vector<std::string>& sources,
                        const std::vector<std::string>& targets) {
  if (sources.size() != targets.size()) return false;
  for (std::size_t i = 0; i < sources.size(); ++i) {
    const auto onDisc = files.ListTree(sources[i]);
    if (!onDisc || !FilesArrived(files, *onDisc, targets[i])) return false;
  }
  return true;
}
