#include "app/startup.h"

#include <algorithm>

#include "catalogue/subject_catalogue.h"
#include "platform/text.h"

const char* const kSetupQuestion = "問題データもインストールしますか？";
const char* const kNoRightsMessage = "先にTav2007のインストールを行ってください。";

AppPaths AppPathsFromExecutable(std::string_view exePath) {
  const auto slash = exePath.find_last_of("\\/");
  const std::string_view dir = slash == std::string_view::npos ? "" : exePath.substr(0, slash + 1);
  std::string_view base = slash == std::string_view::npos ? exePath : exePath.substr(slash + 1);
  const auto dot = base.find_last_of('.');
  if (dot != std::string_view::npos) base = base.substr(0, dot);
  return {std::string(dir), std::string(dir) + std::string(base) + ".INI"};
}

bool HasSetupSwitch(std::string_view commandLine) {
  return std::any_of(kSetupSwitchSpellings.begin(), kSetupSwitchSpellings.end(),
                     [&](std::string_view spelling) { return commandLine.find(spelling) != std::string_view::npos; });
}

bool IsSetupSwitchArgument(std::string_view argument) {
  return std::find(kSetupSwitchSpellings.begin(), kSetupSwitchSpellings.end(), argument) !=
         kSetupSwitchSpellings.end();
}

bool UserLevelGrantsAdmin(const std::optional<std::string>& userLevel) {
  // The length is that of the data as stored: a NUL inside does not make a
  // long value short.
  if (!userLevel || Utf16Length(*userLevel) > 32) return false;
  return AsciiUpper(TextBeforeNul(*userLevel)) == "ADMIN";
}

std::string UserLevelKeyPath(const char* subjectKeyName) {
  return SubjectKeyPath(subjectKeyName);
}

std::array<bool, kSubjectCount> ScanAdminRights(IRegistry& registry) {
  std::array<bool, kSubjectCount> admin{};
  for (const auto& subject : kSubjects) {
    auto key = registry.OpenKey(RegRoot::CurrentUser, UserLevelKeyPath(subject.keyName), RegAccess::Read);
    if (key) admin[SubjectIndex(subject)] = UserLevelGrantsAdmin(key->QueryString("UserLevel"));
  }
  return admin;
}

bool HoldsAnyRights(const std::array<bool, kSubjectCount>& admin) {
  return std::any_of(admin.begin(), admin.end(), [](bool b) { return b; });
}

namespace {
constexpr unsigned kStartupBox = mb::kSetForeground | mb::kTopmost;
}

bool InstallerSwitchAllowsStart(std::string_view commandLine, IPrompts& prompts) {
  return !HasSetupSwitch(commandLine) ||
         prompts.Show(PromptOwner::None, kSetupQuestion, kCaption,
                      mb::kQuestion | mb::kSystemModal | kStartupBox) == mb::kIdYes;
}

bool RunStartupChecks(std::string_view commandLine, IRegistry& registry, IPrompts& prompts,
                      TavAppState& app) {
  if (!InstallerSwitchAllowsStart(commandLine, prompts)) return false;
  app.m_bAdmin = ScanAdminRights(registry);
  if (!HoldsAnyRights(app.m_bAdmin)) {
    prompts.Show(PromptOwner::None, kNoRightsMessage, kCaption, mb::kWarning | kStartupBox);
    return false;
  }
  return true;
}
