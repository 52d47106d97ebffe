#include "unattended/unattended_run.h"

#include "unattended/copy_run.h"
#include "unattended/delete_run.h"
#include "unattended/list_run.h"
#include "unattended/move_run.h"

ExitCode RunUnattended(const UnattendedRequest& request, UnattendedContext& ctx) {
  switch (request.verb) {
    case Verb::List:
      return RunList(ctx);
    case Verb::Delete:
      return RunDelete(request, ctx);
    case Verb::Copy:
      return RunCopy(request, ctx);
    case Verb::Move:
      return RunMove(request, ctx);
  }
  return ExitCode::UsageError;
}
