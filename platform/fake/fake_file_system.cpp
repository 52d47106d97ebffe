#include "platform/fake/fake_file_system.h"

#include "platform/text.h"

std::string FakeFileSystem::Normalize(const std::string& path) {
  const bool rooted = path.size() >= 3 && path[1] == ':' && path[2] == '\\';
  if (!rooted) {
    std::string p = path;
    while (!p.empty() && p.back() == '\\') p.pop_back();
    return p;
  }
  // As Windows resolves a path before it opens anything: empty and "."
  // levels vanish, ".." takes the level before it away (never the root).
  std::vector<std::string> levels;
  std::size_t start = 3;
  while (start <= path.size()) {
    std::size_t end = path.find('\\', start);
    if (end == std::string::npos) end = path.size();
    const std::string level = path.substr(start, end - start);
    if (level == "..") {
      if (!levels.empty()) levels.pop_back();
    } else if (!level.empty() && level != ".") {
      levels.push_back(level);
    }
    start = end + 1;
  }
  std::string p = path.substr(0, 3);
  for (std::size_t i = 0; i < levels.size(); ++i) p += (i ? "\\" : "") + levels[i];
  return p;
}

// As NTFS compares names: through its upcase table.
std::string FakeFileSystem::Fold(const std::string& path) { return UpcaseAsWindows(Normalize(path)); }

std::string FakeFileSystem::Parent(const std::string& path) {
  const std::string p = Normalize(path);
  const auto slash = p.find_last_of('\\');
  if (slash == std::string::npos || p.size() <= 3) return "";
  return slash == 2 ? p.substr(0, 3) : p.substr(0, slash);
}

bool FakeFileSystem::Exists(const std::string& path) { return nodes_.count(Fold(path)) > 0; }

bool FakeFileSystem::IsFolder(const std::string& path) {
  auto it = nodes_.find(Fold(path));
  return it != nodes_.end() && it->second.folder;
}

std::optional<std::string> FakeFileSystem::FullPath(const std::string& path) {
  const auto it = fullPaths.find(path);
  return it == fullPaths.end() ? std::optional<std::string>(Normalize(path)) : it->second;
}

bool FakeFileSystem::CreateFolder(const std::string& path) {
  const std::string folded = Fold(path);
  if (refuseCreate.count(folded) || nodes_.count(folded)) return false;
  const std::string parent = Parent(path);
  if (parent.empty() || !IsFolder(parent)) return false;
  nodes_[folded] = {Normalize(path), true, 0};
  createdFolders.push_back(Normalize(path));
  folderSddl[folded] = kOwnFolderSddl;
  return true;
}

void FakeFileSystem::CreateMissingLevels(const std::string& folder) {
  if (Exists(folder)) return;
  const std::string parent = Parent(folder);
  if (parent.empty()) return AddFolder(folder);  // a drive root is the volume's
  CreateMissingLevels(parent);
  const std::string folded = Fold(folder);
  nodes_[folded] = {Normalize(folder), true, 0};
  folderSddl[folded] = kOwnFolderSddl;
}

bool FakeFileSystem::RemoveEmptyFolder(const std::string& path) {
  const std::string folded = Fold(path);
  auto it = nodes_.find(folded);
  if (it == nodes_.end() || !it->second.folder) return false;
  auto next = std::next(it);
  if (next != nodes_.end() && next->first.rfind(folded + "\\", 0) == 0) return false;
  nodes_.erase(it);
  return true;
}

bool FakeFileSystem::IsBelowOrAt(const std::string& folded, const std::string& prefix) const {
  if (folded == prefix) return true;
  return folded.rfind(prefix.back() == '\\' ? prefix : prefix + "\\", 0) == 0;
}

bool FakeFileSystem::Rename(const std::string& from, const std::string& to) {
  const std::string source = Fold(from), target = Fold(to);
  if (!nodes_.count(source) || nodes_.count(target) || !IsFolder(Parent(to))) return false;
  if (IsBelowOrAt(target, source)) return false;  // into itself
  if (source.substr(0, 1) != target.substr(0, 1)) return false;  // another volume
  if (renameHook && !renameHook(Normalize(from), Normalize(to))) return false;
  const std::string oldPath = Normalize(from), newPath = Normalize(to);
  std::vector<Node> moved;
  for (auto it = nodes_.begin(); it != nodes_.end();) {
    if (IsBelowOrAt(it->first, source)) {
      moved.push_back({newPath + it->second.path.substr(oldPath.size()), it->second.folder, it->second.size});
      it = nodes_.erase(it);
    } else {
      ++it;
    }
  }
  for (const auto& n : moved) nodes_[UpcaseAsWindows(n.path)] = n;
  return true;
}

bool FakeFileSystem::RemoveTree(const std::string& path) {
  const std::string folded = Fold(path);
  bool kept = false;
  for (auto it = nodes_.begin(); it != nodes_.end();) {
    if (!IsBelowOrAt(it->first, folded)) {
      ++it;
      continue;
    }
    bool locked = false;
    for (const auto& refused : refuseRemove)
      if (IsBelowOrAt(refused, it->first)) locked = true;  // it, or something below it, is locked
    if (locked) {
      kept = true;
      ++it;
    } else {
      it = nodes_.erase(it);
    }
  }
  return !kept;
}

PathLevel FakeFileSystem::InspectLevel(const std::string& path) {
  const std::string folded = Fold(path);
  if (!nodes_.count(folded)) return {};
  return {true, reparsePoints.count(folded) > 0, untrustedOwners.count(folded) == 0};
}

std::optional<std::vector<FileEntry>> FakeFileSystem::ListTree(const std::string& folder) {
  if (onListTree) onListTree(folder);
  if (!IsFolder(folder)) return std::nullopt;
  // A drive root already ends in its separator.
  const std::string prefix = Fold(folder).back() == '\\' ? Fold(folder) : Fold(folder) + "\\";
  for (const auto& refused : refuseList)
    if (refused == Fold(folder) || refused.rfind(prefix, 0) == 0) return std::nullopt;
  for (const auto& link : reparsePoints)
    if (link == Fold(folder) || link.rfind(prefix, 0) == 0) return std::nullopt;
  std::vector<FileEntry> entries;
  for (const auto& [folded, node] : nodes_)
    if (folded.size() > prefix.size() && folded.rfind(prefix, 0) == 0)
      entries.push_back({node.path.substr(prefix.size()), node.size, node.folder});
  if (const auto extra = extraEntries.find(Fold(folder)); extra != extraEntries.end())
    entries.insert(entries.end(), extra->second.begin(), extra->second.end());
  return entries;
}

void FakeFileSystem::AddFolder(const std::string& path) {
  const std::string parent = Parent(path);
  if (!parent.empty() && !Exists(parent)) AddFolder(parent);
  nodes_[Fold(path)] = {Normalize(path), true, 0};
}

void FakeFileSystem::AddFile(const std::string& path, std::uint64_t size) {
  const std::string parent = Parent(path);
  if (!parent.empty() && !Exists(parent)) AddFolder(parent);
  nodes_[Fold(path)] = {Normalize(path), false, size};
}

void FakeFileSystem::Remove(const std::string& path) {
  const std::string folded = Fold(path);
  for (auto it = nodes_.begin(); it != nodes_.end();)
    it = (it->first == folded || it->first.rfind(folded + "\\", 0) == 0) ? nodes_.erase(it) : std::next(it);
}

std::optional<std::uint64_t> FakeFileSystem::FileSize(const std::string& path) const {
  auto it = nodes_.find(Fold(path));
  if (it == nodes_.end() || it->second.folder) return std::nullopt;
  return it->second.size;
}

void FakeFileSystem::CopyTree(const std::string& source, const std::string& target) {
  const std::string prefix = Fold(source);
  std::vector<Node> copies;
  for (const auto& [folded, node] : nodes_)
    if (folded == prefix || folded.rfind(prefix + "\\", 0) == 0)
      copies.push_back({target + node.path.substr(Normalize(source).size()), node.folder, node.size});
  for (const auto& n : copies) {
    if (n.folder)
      AddFolder(n.path);
    else
      AddFile(n.path, n.size);
  }
}

ShellOutcome FakeFileSystem::DefaultShellOperation(ShellOp op, const std::vector<std::string>& from,
                                                   const std::string& to) {
  for (const auto& source : from)
    if (!Exists(source)) return {2, false};  // ERROR_FILE_NOT_FOUND, nothing done
  if (op != ShellOp::Delete) CreateMissingLevels(to);
  if (shellFileBudget) return ShellOperationFileByFile(op, from, to);
  for (const auto& source : from) {
    const auto slash = Normalize(source).find_last_of('\\');
    const std::string name = Normalize(source).substr(slash + 1);
    if (op != ShellOp::Delete) CopyTree(source, Normalize(to) + "\\" + name);
    if (op != ShellOp::Copy) Remove(source);
  }
  return {0, false};
}

ShellOutcome FakeFileSystem::ShellOperationFileByFile(ShellOp op, const std::vector<std::string>& from,
                                                      const std::string& to) {
  constexpr int kDiskFull = 112;  // ERROR_DISK_FULL
  for (const auto& source : from) {
    const std::string prefix = Fold(source);
    const std::string sourcePath = Normalize(source);
    const std::string target = Normalize(to) + "\\" + sourcePath.substr(sourcePath.find_last_of('\\') + 1);
    std::vector<Node> tree;  // parents before what lies below them
    for (const auto& [folded, node] : nodes_)
      if (IsBelowOrAt(folded, prefix)) tree.push_back(node);
    for (const Node& node : tree) {
      if (node.folder) {
        if (op != ShellOp::Delete) AddFolder(target + node.path.substr(sourcePath.size()));
        continue;
      }
      if (shellFilesHandled >= *shellFileBudget) return {kDiskFull, false};
      ++shellFilesHandled;
      if (op != ShellOp::Delete) AddFile(target + node.path.substr(sourcePath.size()), node.size);
      if (op != ShellOp::Copy) Remove(node.path);
    }
    if (op != ShellOp::Copy) Remove(source);  // the emptied folders
  }
  return {0, false};
}

ShellOutcome FakeFileSystem::RunShellOperation(ShellOp op, const std::vector<std::string>& from,
                                               const std::string& to) {
  shellCalls.push_back({op, from, to});
  return shellHook ? shellHook(op, from, to) : DefaultShellOperation(op, from, to);
}
