#pragma once
// The start-up of a run whose command line is not interactive, once the
// single-instance check has passed: the installer question as the
// interactive start-up asks it, then the usage error, then the rights scan,
// which shows no message box here. Fills m_bAdmin; returns the exit code
// when the run ends here, nullopt when the command is to run.
#include <optional>
#include <string_view>

#include "command/app_state.h"
#include "platform/prompt_port.h"
#include "platform/registry_port.h"
#include "unattended/command_line.h"
#include "unattended/exit_codes.h"
#include "unattended/run_log.h"

std::optional<ExitCode> UnattendedStartup(const ParsedCommandLine& parsed, std::string_view commandLine,
                                          IRegistry& registry, IPrompts& installerPrompts, TavAppState& app,
                                          IRunLog& log);

// Logged when another instance holds the mutex (exit code AlreadyRunning).
extern const char* const kAlreadyRunningMessage;
