#include "unattended/delete_run.h"

#include "catalogue/data_dir_records.h"
#include "delete/delete_command.h"
#include "unattended/registered_data_set.h"

ExitCode RunDelete(const UnattendedRequest& request, UnattendedContext& ctx) {
  if (const ExitCode selected = SelectRegisteredDataSet(request, ctx); selected != ExitCode::Done) return selected;
  const TransferOutcome outcome = DeleteDataSet(ctx.command);
  switch (outcome.result) {
    case Transfer::Done:
      ctx.log.Line("データを削除しました。");
      if (!outcome.leftover.empty()) ctx.log.Line(SetAsideLeftMessage(outcome.leftover));
      ctx.log.Line(kDeleteCompletedMessage);
      return ExitCode::Done;
    case Transfer::TwinLagging:
    case Transfer::RecordFailed:
      // The subject's own record may be gone while its "General" twin stays:
      // either way the registry does not say what the disk holds.
      ctx.log.Line(kRegistryDeleteFailedMessage);
      return ExitCode::RecordFailed;
    case Transfer::Unreachable:
      ctx.log.Line(ctx.command.app.m_szDataDir + " にアクセスできません。");
      ctx.log.Line(kDeleteInterruptedMessage);
      return ExitCode::NotFound;
    default:
      ctx.log.Line(kDeleteInterruptedMessage);
      return ExitCode::OperationFailed;
  }
}
