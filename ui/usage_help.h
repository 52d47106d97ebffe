#pragma once
// The usage-help button: the help document named in the INI, inside the
// tool's folder. The tool runs with administrator rights, so whoever can edit
// the INI must not be able to make it start a program: the value may only name
// a document of a few known types below the tool's folder.
#include <optional>
#include <string>
#include <string_view>

#include "platform/profile_port.h"

extern const char* const kHelpNameMissingMessage;  // "ヘルプファイル名が取得できません。"
extern const char* const kHelpOpenFailedMessage;   // "ヘルプファイルが開けません。"

// True when the file name ends in .htm, .html, .pdf or .txt (any letter case).
bool IsHelpDocumentType(std::string_view fileName);

// The full path that the INI's value names below `appDir` (the tool's folder,
// ending with '\'), with '/' turned into '\' and "." and ".." resolved; never
// cut whatever its length. nullopt when the value could reach anything but a
// document inside that folder: a ".." above it, a drive, a rooted or UNC path,
// a stream (':'), a device name, a wildcard, an environment variable, a name
// that Windows would change (trailing '.' or space), or another type.
std::optional<std::string> HelpDocumentInside(const std::string& appDir, std::string_view value);

// What "ご利用方法" opens: the document, or the warning to show instead.
struct HelpTarget {
  std::string path;               // set when `warning` is null
  const char* warning = nullptr;  // kHelpNameMissingMessage or kHelpOpenFailedMessage
};
// The name is missing when the INI, its HELP section or FILE key is missing or
// the value is empty; a value that HelpDocumentInside refuses cannot be opened.
HelpTarget FindHelpTarget(IProfile& profile, const std::string& appDir, const std::string& iniPath);
