#include "unattended/unattended_startup.h"

#include <string>

#include "app/startup.h"

const char* const kAlreadyRunningMessage = "Tavコピーツールがすでに実行中です。";

std::optional<ExitCode> UnattendedStartup(const ParsedCommandLine& parsed, IRegistry& registry, TavAppState& app,
                                          IRunLog& log) {
  if (parsed.mode == LaunchMode::UsageError) {
    log.Line("指定が正しくありません: " + parsed.usageError);
    LogLines(log, UsageText());
    return ExitCode::UsageError;
  }
  app.m_bAdmin = ScanAdminRights(registry);
  if (!HoldsAnyRights(app.m_bAdmin)) {
    log.Line(kNoRightsMessage);
    return ExitCode::NoRights;
  }
  return std::nullopt;
}
