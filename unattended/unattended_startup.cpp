#include "unattended/unattended_startup.h"

#include <string>

#include "app/startup.h"

const char* const kAlreadyRunningMessage = "Tavコピーツールがすでに実行中です。";

std::optional<ExitCode> UnattendedStartup(const ParsedCommandLine& parsed, std::string_view commandLine,
                                          IRegistry& registry, IPrompts& installerPrompts, TavAppState& app,
                                          IRunLog& log) {
  if (!InstallerSwitchAllowsStart(commandLine, installerPrompts)) {
    // The command was not carried out: a script must not read this as done.
    log.Line("インストールの確認に「はい」が選ばれなかったため、何もせずに終了します。");
    return ExitCode::UsageError;
  }
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
