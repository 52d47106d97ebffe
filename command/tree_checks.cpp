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

DataFolderListing ReadDataFolder(IFileSystem& files, const std::string& folder) {
  if (folder.size() < 3 || !files.IsFolder(folder.substr(0, 3))) return {};
  if (!files.Exists(folder)) return {Reach::Absent, {}};
  auto entries = files.ListTree(folder);
  if (!entries) return {};
  return {Reach::Readable, std::move(*entries)};
}

std::vector<FileEntry> KindListing(const std::vector<FileEntry>& listing, const std::string& kindName) {
  const std::string prefix = AsciiUpper(kindName) + "\\";
  std::vector<FileEntry> below;
  for (const auto& entry : listing)
    if (AsciiUpper(entry.relativePath.substr(0, prefix.size())) == prefix)
      below.push_back({entry.relativePath.substr(prefix.size()), entry.size, entry.isFolder});
  return below;
}
