#include "unattended/copy_run.h"

#include <algorithm>
#include <optional>
#include <string>

#include "catalogue/data_dir_records.h"
#include "copy/content_selection.h"
#include "copy/copy_command.h"
#include "copy/disc_detection.h"
#include "copy/kind_sizes.h"
#include "platform/windows_path.h"
#include "unattended/registered_data_set.h"
#include "unattended/transfer_steps.h"

namespace {

// A copy leaves nothing behind that it could name.
std::string NothingLeft(const std::string&) { return {}; }
const TransferTexts kCopyTexts = {kCopyInterruptedMessage, kCopyCompletedMessage, kRegistryWriteFailedMessage,
                                  NothingLeft};

std::string KindList(const KindFlags& kinds) {
  std::string list;
  for (const ContentKindInfo& kind : kContentKinds) {
    if (!kinds[KindIndex(kind.kind)]) continue;
    if (!list.empty()) list += ", ";
    list += kind.name;
  }
  return list;
}

// The disc in the CD-ROM drive, classified as the disc wait dialog does.
std::optional<IdentifiedDisc> DiscInDrive(char drive, UnattendedContext& ctx) {
  const std::string root = DriveRoot(drive);
  IDisks& disks = ctx.command.disks;
  if (disks.DriveTypeOf(root) != DriveType::CdRom) {
    ctx.log.Line(root + " はCD-ROMドライブではありません。");
    return std::nullopt;
  }
  const auto label = disks.VolumeLabel(root);
  if (!label) {
    ctx.log.Line(root + " にディスクがありません。");
    return std::nullopt;
  }
  const LabelClassification c = ClassifyVolumeLabel(*label);
  if (c.kind != LabelClass::Product) {
    ctx.log.Line(kCheckDiscMessage);
    return std::nullopt;
  }
  return IdentifiedDisc{c.disc, root, disks.VolumeSerial(root)};
}

// A folder holding a disc's content, named by the disc's label. The folder
// takes the place of the drive root, so it must not depend on the current
// folder.
std::optional<IdentifiedDisc> DiscInFolder(const std::string& folder, const std::string& label,
                                           UnattendedContext& ctx) {
  const LabelClassification c = ClassifyVolumeLabel(label);
  if (c.kind != LabelClass::Product) {
    ctx.log.Line("/label " + label + " はTavのディスクのラベルではありません。");
    return std::nullopt;
  }
  const std::string root = folder.back() == '\\' ? folder : folder + "\\";
  const std::string subjectFolder = DiscSubjectFolder(root, std::string(1, c.disc.subject->code));
  if (!ctx.command.files.IsFolder(subjectFolder)) {
    ctx.log.Line(subjectFolder + " が見つかりません。");
    return std::nullopt;
  }
  return IdentifiedDisc{c.disc, root, std::nullopt};
}

// The kinds to copy: those of /kinds, each of which the disc must offer, or
// every kind it offers, as the selection ticks them.
std::optional<ChosenKinds> KindsToCopy(const UnattendedRequest& request, UnattendedContext& ctx) {
  const TavAppState& app = ctx.command.app;
  ChosenKinds chosen;
  for (int k = 0; k < kKindCount; ++k) {
    const bool wanted = request.kinds ? (*request.kinds)[k] : app.m_bKindOffered[k];
    if (wanted && !app.m_bKindOffered[k]) {
      ctx.log.Line(std::string(kContentKinds[k].name) + " はこのディスクにありません。");
      return std::nullopt;
    }
    chosen.kinds[k] = wanted;
  }
  if (KindList(chosen.kinds).empty()) {
    ctx.log.Line("このディスクにはコピーできるデータがありません。");
    return std::nullopt;
  }
  chosen.requiredBytes = RequiredSpace(app.m_nKindSize, chosen.kinds);
  return chosen;
}

}  // namespace

ExitCode RunCopy(const UnattendedRequest& request, UnattendedContext& ctx) {
  CommandContext& command = ctx.command;
  TavAppState& app = command.app;

  std::optional<IdentifiedDisc> disc;
  if (request.sourceKind == SourceKind::CdRomDrive) {
    disc = DiscInDrive(request.sourceDrive, ctx);
  } else {
    if (!IsAbsoluteFolderPath(request.sourceFolder)) {
      ctx.log.Line("コピー元はドライブから始まるフォルダか \\\\サーバー\\共有\\… で指定してください: " +
                   request.sourceFolder);
      return ExitCode::UsageError;
    }
    disc = DiscInFolder(request.sourceFolder, request.label, ctx);
  }
  if (!disc) return ExitCode::NotFound;
  ApplyIdentifiedDisc(*disc, app);
  const std::string name = DataSetName(app.m_szYear, app.m_szSubjectName);
  ctx.log.Line("ディスク: " + name + "（" + app.m_szDiscLabel + "）\t" + app.m_szCdRoot);

  if (!HasRightsOnDisc(app)) {
    ctx.log.Line(name + " をコピーする権限がありません。");
    return ExitCode::NoRights;
  }
  {
    BusyScope busy(command);
    DetermineKindSizes(app, command.profile, command.files);
  }
  const auto kinds = KindsToCopy(request, ctx);
  if (!kinds) return ExitCode::NotFound;
  ApplyChosenKinds(*kinds, app);
  ctx.log.Line("コピーするデータ: " + KindList(kinds->kinds) + "\t" + RequiredSpaceLine(kinds->requiredBytes));

  const auto folder = ComposeDestination(request.driveLetter, ctx);
  std::vector<std::string> created;
  if (!folder || !DestinationLevelsTrusted(*folder, ctx, kCopyDestUnreadableMessage) ||
      !MakeDestinationExist(*folder, ctx, &created))
    return ExitCode::DestinationUnusable;
  ApplyCopyDestination({*folder, {}, created}, app);
  const SpaceNeeded needed = [&app](std::optional<std::uint64_t> cluster) {
    return std::max(app.m_nRequiredSize, SpaceOnVolume(app, app.m_bKind, cluster));
  };
  if (!RoomOrLog(RoomFor(command, app.m_szDestDir, needed), ctx, kCopyDestUnreadableMessage,
                 kCopyDestTooSmallMessage))
    return ExitCode::DestinationUnusable;

  ctx.log.Line("コピーを開始します: " + app.m_szDestDir);
  // The disc could have been swapped while the tool measured it.
  if (request.sourceKind == SourceKind::CdRomDrive &&
      !IsIdentifiedDiscInDrive(command.disks, IdentifiedDiscOf(app)))
    return ReportTransfer({Transfer::DiscChanged, {}}, ctx, kCopyTexts);
  return ReportTransfer(CopySelectedKinds(command), ctx, kCopyTexts);
}
