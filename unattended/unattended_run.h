#pragma once
// Runs the command of an unattended request and says what happened through
// the log and the exit code. The command context's prompts and wizard must
// never show anything (HeadlessPrompts, HeadlessCommandDialogs); its state holds the
// rights of the start-up's scan.
#include "command/command_context.h"
#include "unattended/command_line.h"
#include "unattended/exit_codes.h"
#include "unattended/run_log.h"

struct UnattendedContext {
  CommandContext& command;
  IRunLog& log;
};

ExitCode RunUnattended(const UnattendedRequest& request, UnattendedContext& ctx);
