#include "unattended/transfer_steps.h"

#include "catalogue/content_kinds.h"
#include "command/trusted_levels.h"
#include "catalogue/data_dir_records.h"
#include "copy/disc_detection.h"
#include "move/move_command.h"
#include "platform/windows_path.h"
#include "command/folder_path_rules.h"

std::optional<std::string> ComposeDestination(char drive, UnattendedContext& ctx) {
  if (ctx.command.disks.DriveTypeOf(DriveRoot(drive)) != DriveType::Fixed) {
    ctx.log.Line(std::string(1, drive) + ": は固定ドライブではありません。");
    return std::nullopt;
  }
  const TavAppState& app = ctx.command.app;
  return DataFolder(drive, app.m_szYear, app.m_szSubject);
}

bool DestinationLevelsTrusted(const std::string& folder, UnattendedContext& ctx, const char* unusableMessage) {
  if (DataFolderLevelsTrusted(ctx.command.files, folder)) return true;
  ctx.log.Line(folder + " はリンクか他のユーザーのフォルダを通ります。");
  ctx.log.Line(unusableMessage);
  return false;
}

bool SourceLevelsTrusted(const std::string& folder, UnattendedContext& ctx, const char* failedMessage) {
  const auto actionable = ActionableDataFolder(ctx.command.files, folder, ctx.command.app.m_szSubject);
  if (actionable && DataFolderLevelsTrusted(ctx.command.files, *actionable)) return true;
  ctx.log.Line(folder + (actionable ? " はリンクか他のユーザーのフォルダを通ります。"
                                    : " はこのツールのデータフォルダではありません。"));
  ctx.log.Line(failedMessage);
  return false;
}

bool MakeDestinationExist(const std::string& folder, UnattendedContext& ctx, std::vector<std::string>* created) {
  IFileSystem& files = ctx.command.files;
  if (files.IsFolder(folder)) return true;
  if (CreateFolderPath(files, folder, created) == FolderResult::Ok) {
    ctx.log.Line(folder + " を作成しました。");
    return true;
  }
  ctx.log.Line(folder + " を作成できません。");
  return false;
}

bool RoomOrLog(Room room, UnattendedContext& ctx, const char* unknownMessage, const char* tooSmallMessage) {
  if (room == Room::Unknown) ctx.log.Line(unknownMessage);
  if (room == Room::TooSmall) ctx.log.Line(tooSmallMessage);
  return room == Room::Enough;
}

ExitCode ReportTransfer(const TransferOutcome& outcome, UnattendedContext& ctx, const TransferTexts& texts,
                        std::string_view doneStep) {
  switch (outcome.result) {
    case Transfer::Done:
      if (!doneStep.empty()) ctx.log.Line(doneStep);
      if (!outcome.leftover.empty()) ctx.log.Line(texts.leftover(outcome.leftover));
      ctx.log.Line(texts.completed);
      return ExitCode::Done;
    case Transfer::TwinLagging:
    case Transfer::RecordFailed:
      // The subject's record or its "General" twin does not say what the
      // disk holds.
      ctx.log.Line(texts.recordFailed);
      return ExitCode::RecordFailed;
    case Transfer::Unreachable:
      ctx.log.Line(ctx.command.app.m_szDataDir + " にアクセスできません。");
      ctx.log.Line(texts.interrupted);
      return ExitCode::NotFound;
    case Transfer::DiscChanged:
      ctx.log.Line(kCheckDiscMessage);
      return ExitCode::NotFound;
    case Transfer::Failed:
      break;
  }
  ctx.log.Line(texts.interrupted);
  return ExitCode::OperationFailed;
}
