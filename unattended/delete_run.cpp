#include "unattended/delete_run.h"

#include "catalogue/data_dir_records.h"
#include "delete/delete_command.h"
#include "unattended/registered_data_set.h"

ExitCode RunDelete(const UnattendedRequest& request, UnattendedContext& ctx) {
  if (const ExitCode selected = SelectRegisteredDataSet(request, ctx); selected != ExitCode::Done) return selected;
  TavAppState& app = ctx.command.app;
  if (!DeleteKindFolders(ctx.command)) {
    ctx.log.Line("削除を中断しました。");
    return ExitCode::OperationFailed;
  }
  ctx.log.Line("データを削除しました。");
  if (DeleteDataDirRecord(ctx.command.registry, app.m_szSubjectKey, app.m_szYear) != RecordUpdate::Done) {
    // The subject's own record may be gone while its "General" twin stays:
    // either way the registry does not say what the disk holds.
    ctx.log.Line(kRegistryDeleteFailedMessage);
    return ExitCode::RecordFailed;
  }
  ctx.log.Line("削除を完了しました。");
  return ExitCode::Done;
}
