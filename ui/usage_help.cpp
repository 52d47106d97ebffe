#include "ui/usage_help.h"

const char* const kHelpNameMissingMessage = "ヘルプファイル名が取得できません。";
const char* const kHelpOpenFailedMessage = "ヘルプファイルが開けません。";

std::optional<std::string> HelpDocumentPath(IProfile& profile, const std::string& appDir,
                                            const std::string& iniPath) {
  const std::string name = profile.GetString("HELP", "FILE", "", iniPath);
  if (name.empty()) return std::nullopt;
  return appDir + name;
}
