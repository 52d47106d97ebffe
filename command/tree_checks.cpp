#include "command/tree_checks.h"

#include <map>

#include "platform/text.h"

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
