#include "unattended/move_run.h"

#include "move/move_command.h"
#include "ui/destination.h"
#include "unattended/transfer_steps.h"
#include "unattended/registered_data_set.h"

ExitCode RunMove(const UnattendedRequest& request, UnattendedContext& ctx) {
  if (const ExitCode selected = SelectRegisteredDataSet(request, ctx); selected != ExitCode::Done) return selected;
  CommandContext& command = ctx.command;
  TavAppState& app = command.app;

  const auto folder = ComposeDestination(request.driveLetter, ctx);
  if (!folder) return ExitCode::DestinationUnusable;
  if (IsSameFolder(app.m_szDataDir, *folder)) {
    ctx.log.Line(kSameFolderMessage);
    return ExitCode::DestinationUnusable;
  }
  // The source first: a refused move creates nothing, not even the destination.
  if (!SourceLevelsTrusted(app.m_szDataDir, ctx, kMoveInterruptedMessage)) return ExitCode::OperationFailed;
  std::vector<std::string> created;
  if (!DestinationLevelsTrusted(*folder, ctx, kMoveDestUnreadableMessage) || !MakeDestinationExist(*folder, ctx, &created))
    return ExitCode::DestinationUnusable;
  ApplyMoveDestination({*folder, app.m_szDataDir, created}, app);
  if (!RoomOrLog(RoomForMove(command), ctx, kMoveDestUnreadableMessage, kMoveDestTooSmallMessage))
    return ExitCode::DestinationUnusable;

  ctx.log.Line("移動を開始します: " + app.m_szDestDir);
  return ReportTransfer(MoveDataSet(command), ctx, kMoveTexts);
}
