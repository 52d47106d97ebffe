#include "unattended/delete_run.h"

#include "catalogue/data_dir_records.h"
#include "delete/delete_command.h"
#include "unattended/registered_data_set.h"
#include "unattended/transfer_steps.h"

ExitCode RunDelete(const UnattendedRequest& request, UnattendedContext& ctx) {
  if (const ExitCode selected = SelectRegisteredDataSet(request, ctx); selected != ExitCode::Done) return selected;
  return ReportTransfer(DeleteDataSet(ctx.command), ctx, kDeleteTexts, "データを削除しました。");
}
