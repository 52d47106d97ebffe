#include "ui/usage_help.h"

#include <utility>
#include <vector>

#include "platform/text.h"
#include "platform/windows_path.h"

const char* const kHelpNameMissingMessage = "ヘルプファイル名が取得できません。";
const char* const kHelpOpenFailedMessage = "ヘルプファイルが開けません。";

namespace {

// ':' is a drive or an alternate data stream, '%' an environment variable
// that a shell may expand, the rest wildcards and characters no file name has.
bool HasForbiddenCharacter(std::string_view value) {
  for (unsigned char c : value) {
    if (c < 0x20) return true;
    if (std::string_view(":*?\"<>|%").find(static_cast<char>(c)) != std::string_view::npos) return true;
  }
  return false;
}

// Windows drops trailing dots and spaces from every name, so ".. " would
// climb a level and "x.htm." would open a file the checks never saw.
bool EndsInDotOrSpace(std::string_view segment) { return segment.back() == '.' || segment.back() == ' '; }

}  // namespace

bool IsHelpDocumentType(std::string_view fileName) {
  const auto dot = fileName.find_last_of('.');
  if (dot == std::string_view::npos) return false;
  const std::string extension = AsciiUpper(fileName.substr(dot + 1));
  return extension == "HTM" || extension == "HTML" || extension == "PDF" || extension == "TXT";
}

std::optional<std::string> HelpDocumentInside(const std::string& appDir, std::string_view value) {
  if (value.empty() || HasForbiddenCharacter(value)) return std::nullopt;
  // Rooted, UNC and device paths ("\\?\", "\\.\") all begin with a separator.
  if (value.front() == '\\' || value.front() == '/') return std::nullopt;

  std::vector<std::string_view> segments;
  std::size_t start = 0;
  while (true) {
    const auto end = value.find_first_of("\\/", start);
    const std::string_view segment = value.substr(start, end == std::string_view::npos ? end : end - start);
    if (segment.empty()) return std::nullopt;  // "a\\b" or a trailing separator
    if (segment == "..") {
      if (segments.empty()) return std::nullopt;  // above the tool's folder
      segments.pop_back();
    } else if (segment != ".") {
      if (EndsInDotOrSpace(segment) || IsDosDeviceName(segment)) return std::nullopt;
      segments.push_back(segment);
    }
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  if (segments.empty() || !IsHelpDocumentType(segments.back())) return std::nullopt;

  std::string path = appDir;
  for (std::size_t i = 0; i < segments.size(); ++i) {
    if (i > 0) path += '\\';
    path += segments[i];
  }
  return path;
}

HelpTarget FindHelpTarget(IProfile& profile, const std::string& appDir, const std::string& iniPath) {
  const std::string value = profile.GetString("HELP", "FILE", "", iniPath);
  if (value.empty()) return {"", kHelpNameMissingMessage};
  auto path = HelpDocumentInside(appDir, value);
  if (!path) return {"", kHelpOpenFailedMessage};
  return {std::move(*path), nullptr};
}
