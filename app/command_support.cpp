#include "app/command_support.h"

#include <map>

#include "catalogue/content_kinds.h"
#include "platform/text.h"
#include "ui/folder_path_rules.h"

void Warn(CommandContext& ctx, std::string_view text) {
  ctx.prompts.Show(PromptOwner::MainWindow, std::string(text), kCaption, mb::kWarning);
}

void Inform(CommandContext& ctx, std::string_view text) {
  ctx.prompts.Show(PromptOwner::MainWindow, std::string(text), kCaption, mb::kInformation);
}

bool AskYes(CommandContext& ctx, std::string_view text) {
  return ctx.prompts.Show(PromptOwner::MainWindow, std::string(text), kCaption, mb::kQuestion) == mb::kIdYes;
}

bool IsDriveRootedPath(std::string_view path) {
  if (path.size() < 3) return false;
  const char letter = path[0];
  const bool isLetter = (letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z');
  return isLetter && path[1] == ':' && path[2] == '\\';
}

bool IsDataFolderPath(std::string_view path) { return IsDriveRootedPath(path) && path.size() > 3; }

std::optional<std::string> ActionableDataFolder(IFileSystem& files, std::string_view registered) {
  const std::string plain(WithoutTrailingBackslash(registered));
  if (!IsDataFolderPath(plain) || CheckFolderPath(plain) != folder_result::kOk) return std::nullopt;
  const auto full = files.FullPath(plain);
  if (!full || !EqualsIgnoreAsciiCase(*full, plain)) return std::nullopt;
  if (!KindFolderPathsFit(plain)) return std::nullopt;
  return plain;
}

bool FitsShellPath(std::string_view path) { return Utf16Length(path) <= kMaxFolderPathChars; }

bool KindFolderPathsFit(std::string_view folder) {
  for (const auto& info : kContentKinds)
    if (!FitsShellPath(KindFolderPath(folder, info.kind))) return false;
  return true;
}

bool FilesArrived(IFileSystem& files, const std::vector<FileEntry>& sourceEntries, const std::string& targetFolder) {
  const auto target = files.ListTree(targetFolder);
  if (!target) return false;
  // Names compare as Windows compares them; the shell keeps the source's
  // spelling, so folding ASCII letters is enough.
  std::map<std::string, std::uint64_t> arrived;
  for (const auto& entry : *target)
    if (!entry.isFolder) arrived[AsciiUpper(entry.relativePath)] = entry.size;
  for (const auto& entry : sourceEntries) {
    if (entry.isFolder) continue;
    const auto it = arrived.find(AsciiUpper(entry.relativePath));
    if (it == arrived.end() || it->second != entry.size) return false;
  }
  return true;
}

std::optional<std::uint64_t> TreeSize(IFileSystem& files, const std::string& folder) {
  const auto entries = files.ListTree(folder);
  if (!entries) return std::nullopt;
  std::uint64_t total = 0;
  for (const auto& entry : *entries)
    if (!entry.isFolder) total += entry.size;
  return total;
}
