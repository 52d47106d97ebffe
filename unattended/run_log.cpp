#include "unattended/run_log.h"

#include "platform/windows_path.h"

void LogLines(IRunLog& log, std::string_view text) {
  for (;;) {
    const auto end = text.find('\n');
    log.Line(text.substr(0, end));
    if (end == std::string_view::npos) return;
    text.remove_prefix(end + 1);
  }
}

namespace {

// The length of the UTF-8 sequence at `text[i]` to be blanked, 0 to keep it.
std::size_t ReplacedSequenceAt(std::string_view text, std::size_t i, bool tabToo) {
  const auto byte = [&](std::size_t k) { return k < text.size() ? static_cast<unsigned char>(text[k]) : 0u; };
  const unsigned c = byte(i);
  if (c == '\t') return tabToo ? 1 : 0;
  if (c < 0x20 || c == 0x7F) return 1;
  // U+0080..U+009F (NEL among them): C2 80..C2 9F.
  if (c == 0xC2 && byte(i + 1) >= 0x80 && byte(i + 1) <= 0x9F) return 2;
  if (c == 0xE2) {
    const unsigned c1 = byte(i + 1), c2 = byte(i + 2);
    // U+2028, U+2029 and the embeddings and overrides U+202A..U+202E: E2 80 A8..AE.
    if (c1 == 0x80 && c2 >= 0xA8 && c2 <= 0xAE) return 3;
    // The isolates U+2066..U+2069: E2 81 A6..A9.
    if (c1 == 0x81 && c2 >= 0xA6 && c2 <= 0xA9) return 3;
  }
  return 0;
}

std::string Blanked(std::string_view text, bool tabToo) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    if (const std::size_t n = ReplacedSequenceAt(text, i, tabToo)) {
      out += ' ';
      i += n;
    } else {
      out += text[i++];
    }
  }
  return out;
}

}  // namespace

std::string LogLineText(std::string_view text) { return Blanked(text, false); }

std::string LogField(std::string_view text) { return Blanked(text, true); }

std::string LogPathForOpening(std::string_view value) {
  std::string path(value);
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

std::optional<std::string> LogPathProblem(std::string_view value) {
  const std::string path = LogPathForOpening(value);
  const std::string shown(value);
  const std::string notAFile = "ログファイルにはディスク上のファイルを指定してください: " + shown;
  // "\\.\COM1", "\\.\pipe\x", "\\?\GLOBALROOT\...": the device namespaces.
  if (path.rfind("\\\\.\\", 0) == 0 || path.rfind("\\\\?\\", 0) == 0 || path.rfind("\\??\\", 0) == 0) return notAFile;
  if (!IsDriveRootedPath(path) && !IsUncSharePath(path))
    return "ログファイルは C:\\logs\\pc01.log のように絶対パスで指定してください: " + shown;
  for (unsigned char c : path.substr(2))
    if (c < 0x20 || std::string_view(":*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos)
      return notAFile;  // a stream ("x.log:s"), a wildcard, or no file name at all
  const std::string_view name = std::string_view(path).substr(path.find_last_of('\\') + 1);
  if (name.empty() || IsDosDeviceName(name)) return notAFile;
  return std::nullopt;
}
