#pragma once
// The start-up of a run whose command line is not interactive, once the log
// is open and the single-instance check has passed: the usage error, then the
// rights scan, which shows no message box here. The installer's question is
// never asked: the command line refuses its switch, and nobody would answer.
// Fills m_bAdmin; returns the exit code when the run ends here, nullopt when
// the command is to run.
#include <optional>

#include "command/app_state.h"
#include "platform/registry_port.h"
#include "unattended/command_line.h"
#include "unattended/exit_codes.h"
#include "unattended/run_log.h"

std::optional<ExitCode> UnattendedStartup(const ParsedCommandLine& parsed, IRegistry& registry, TavAppState& app,
                                          IRunLog& log);

// Logged when another instance holds the mutex (exit code AlreadyRunning).
extern const char* const kAlreadyRunningMessage;
