#include "unattended/unattended_run.h"

#include <string>

#include "unattended/delete_run.h"
#include "unattended/list_run.h"

ExitCode RunUnattended(const UnattendedRequest& request, UnattendedContext& ctx) {
  switch (request.verb) {
    case Verb::List:
      return RunList(ctx);
    case Verb::Delete:
      return RunDelete(request, ctx);
    case Verb::Copy:
    case Verb::Move:
      break;
  }
  ctx.log.Line(std::string(VerbSwitch(request.verb)) + " はこの版ではまだ使えません。");
  return ExitCode::UsageError;
}
