#pragma once
// How an unattended run ends, once its log is open: the exit code a script
// reads, and the log's last line saying it.
#include <functional>

#include "unattended/exit_codes.h"
#include "unattended/run_log.h"

// Runs `run` (the start-up checks and the command) and returns the process
// exit code, having logged "終了コード: N" as the last line. An exception out
// of `run` is logged when the log can take it and ends the run with
// UnexpectedError: nothing is undone, and no other code could say what
// state the command left. A log that lost a line ends it with LogIncomplete
// after the command's own work, which stands; the command's own code is then
// named on the line before.
ExitCode FinishUnattendedRun(IRunLog& log, const std::function<ExitCode()>& run);
