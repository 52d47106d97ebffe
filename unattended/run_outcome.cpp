#include "unattended/run_outcome.h"

#include <exception>
#include <string>

namespace {

// The log may be what failed: a line it cannot take is not a second error.
// The text is put together inside too: after a failed allocation even that may throw.
void LineIfPossible(IRunLog& log, std::string_view head, std::string_view tail = {}) noexcept {
  try {
    log.Line(std::string(head) + std::string(tail));
  } catch (...) {
  }
}

void ExitLine(IRunLog& log, ExitCode code) noexcept {
  LineIfPossible(log, "終了コード: ", std::to_string(ProcessExitCode(code)));
}

// The command's outcome, or LogIncomplete when its log lost a line.
ExitCode WithLog(IRunLog& log, ExitCode code) {
  if (code == ExitCode::UnexpectedError || code == ExitCode::LogIncomplete || log.AllLinesWritten()) return code;
  LineIfPossible(log, "ログを最後まで書き込めませんでした。処理の終了コード: ",
                 std::to_string(ProcessExitCode(code)));
  return ExitCode::LogIncomplete;
}

}  // namespace

ExitCode FinishUnattendedRun(IRunLog& log, const std::function<ExitCode()>& run) {
  ExitCode code = ExitCode::UnexpectedError;
  try {
    code = run();
  } catch (const std::exception& error) {
    LineIfPossible(log, "予期しないエラーで中断しました: ", error.what());
  } catch (...) {
    LineIfPossible(log, "予期しないエラーで中断しました。");
  }
  code = WithLog(log, code);
  ExitLine(log, code);
  // The last line itself may be the one that could not be written.
  const ExitCode final = WithLog(log, code);
  if (final != code) ExitLine(log, final);
  return final;
}
