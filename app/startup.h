#pragma once
// Start-up decisions that need no window: where the INI lies, the installer
// switch, and the per-user rights scan.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "command/app_state.h"
#include "platform/prompt_port.h"
#include "platform/registry_port.h"

struct AppPaths {
  std::string appDir;   // drive and folder of the executable, ending with '\'
  std::string iniPath;  // appDir + base name + ".INI"
};
AppPaths AppPathsFromExecutable(std::string_view exePath);

// The installer starts the tool with one of these two spellings; no other
// letter case ("/Setup") is its switch.
inline constexpr std::array<std::string_view, 2> kSetupSwitchSpellings = {"/setup", "/SETUP"};

// The interactive start-up's rule: a spelling anywhere in the command line,
// inside another word too. An unattended command line never reaches it
// (ParseCommandLine refuses the switch beside a verb).
bool HasSetupSwitch(std::string_view commandLine);

// The command-line parser's rule: one argument that is a spelling as a whole,
// so that a value holding "/setup" ("C:\x /setup\tav.log") is no switch.
bool IsSetupSwitchArgument(std::string_view argument);

// A "UserLevel" value (its data as stored) grants rights when its text up to
// the first NUL is "ADMIN" in any letter case. Data longer than 32
// characters never does, whatever NULs it holds: the product reads it into 33
// bytes with the terminator.
bool UserLevelGrantsAdmin(const std::optional<std::string>& userLevel);

std::string UserLevelKeyPath(const char* subjectKeyName);

// Reads the eleven HKEY_CURRENT_USER subject keys in catalogue order.
std::array<bool, kSubjectCount> ScanAdminRights(IRegistry& registry);
// Rights on at least one subject: without, the tool has nothing to offer.
bool HoldsAnyRights(const std::array<bool, kSubjectCount>& admin);

// The installer question when the command line holds its switch: false when
// it was asked and not answered "はい". True without the switch.
bool InstallerSwitchAllowsStart(std::string_view commandLine, IPrompts& prompts);

// The installer question, the rights scan and the no-rights message. Fills
// m_bAdmin; true when the main menu is to run.
bool RunStartupChecks(std::string_view commandLine, IRegistry& registry, IPrompts& prompts,
                      TavAppState& app);

extern const char* const kSetupQuestion;
extern const char* const kNoRightsMessage;
