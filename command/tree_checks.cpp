#include "command/tree_checks.h"

#include <map>
#include <set>

#include "platform/text.h"

bool FilesArrived(IFileSystem& files, const std::vector<FileEntry>& sourceEntries, const std::string& targetFolder) {
  if (!NamesDistinctToWindows(sourceEntries)) return false;
  const auto target = files.ListTree(targetFolder);
  if (!target) return false;
  std::map<std::string, std::uint64_t> arrived;
  for (const auto& entry : *target)
    if (!entry.isFolder) arrived[UpcaseAsWindows(entry.relativePath)] = entry.size;
  for (const auto& entry : sourceEntries) {
    if (entry.isFolder) continue;
    const auto it = arrived.find(UpcaseAsWindows(entry.relativePath));
    if (it == arrived.end() || it->second != entry.size) return false;
  }
  return true;
}

bool NamesDistinctToWindows(const std::vector<FileEntry>& entries) {
  std::set<std::string> seen;
  for (const auto& entry : entries)
    if (!seen.insert(UpcaseAsWindows(entry.relativePath)).second) return false;
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
