#pragma once
// The usage-help button: the help document named in the INI, beside the exe.
#include <optional>
#include <string>

#include "platform/profile_port.h"

extern const char* const kHelpNameMissingMessage;  // "ヘルプファイル名が取得できません。"
extern const char* const kHelpOpenFailedMessage;   // "ヘルプファイルが開けません。"

// The full path of the help document, never cut whatever its length;
// nullopt when the INI, its HELP section or FILE key is missing or empty.
std::optional<std::string> HelpDocumentPath(IProfile& profile, const std::string& appDir,
                                            const std::string& iniPath);
