#include "command/folder_commit.h"

#include "catalogue/content_kinds.h"
#include "platform/windows_path.h"

namespace {

std::string WithSuffix(std::string_view dataFolder, const char* suffix) {
  std::string path(dataFolder);
  while (!path.empty() && path.back() == '\\') path.pop_back();
  return path + suffix;
}

// Makes `aside` (and its parent, the aside folder of a data folder) and the
// levels of `relative`'s parent below it.
bool MakeParentLevels(RenameJournal& journal, const std::string& aside, const std::string& relative) {
  const auto slash = aside.find_last_of('\\');
  if (slash != std::string::npos && slash > 2 && !journal.CreateFolder(aside.substr(0, slash))) return false;
  if (!journal.CreateFolder(aside)) return false;
  for (std::size_t slash = relative.find('\\'); slash != std::string::npos; slash = relative.find('\\', slash + 1))
    if (!journal.CreateFolder(JoinPath(aside, relative.substr(0, slash)))) return false;
  return true;
}

}  // namespace

WorkingFolders WorkingFoldersOf(std::string_view dataFolder) {
  return {WithSuffix(dataFolder, ".tavstage"), WithSuffix(dataFolder, ".tavcommit"),
          WithSuffix(dataFolder, ".tavold"), WithSuffix(dataFolder, ".tavgather"),
          WithSuffix(dataFolder, ".tavdelete")};
}

bool WorkingFoldersFree(IFileSystem& files, const WorkingFolders& work) {
  for (const auto* folder : {&work.stage, &work.commit, &work.aside, &work.gather, &work.removal})
    if (files.InspectLevel(*folder).exists) return false;
  return true;
}

bool RenameJournal::Rename(const std::string& from, const std::string& to) {
  if (!files_.Rename(from, to)) return false;
  steps_.push_back({true, from, to});
  return true;
}

bool RenameJournal::CreateFolder(const std::string& path) {
  if (files_.IsFolder(path)) return true;
  if (!files_.CreateFolder(path) || !files_.IsFolder(path)) return false;
  steps_.push_back({false, path, {}});
  return true;
}

bool RenameJournal::Undo() {
  bool all = true;
  for (auto step = steps_.rbegin(); step != steps_.rend(); ++step) {
    if (step->isRename)
      all = files_.Rename(step->to, step->from) && all;
    else
      all = (files_.RemoveEmptyFolder(step->from) || !files_.Exists(step->from)) && all;
  }
  steps_.clear();
  return all;
}

bool MergeByRenames(IFileSystem& files, RenameJournal& journal, const std::string& source,
                    const std::string& target, const std::string& aside) {
  // A target that is not there yet takes the whole tree in one rename: no
  // walk, whatever its size.
  if (!files.InspectLevel(target).exists) return journal.Rename(source, target);
  if (!files.IsFolder(target) || files.InspectLevel(target).isReparsePoint) return false;
  const auto entries = files.ListTree(source);
  if (!entries) return false;
  // A walk lists a folder before what lies below it; a folder that went
  // over whole took those entries with it.
  std::string wholeFolder;
  for (const FileEntry& entry : *entries) {
    const std::string& relative = entry.relativePath;
    if (!wholeFolder.empty() && relative.size() > wholeFolder.size() &&
        relative.compare(0, wholeFolder.size(), wholeFolder) == 0 && relative[wholeFolder.size()] == '\\')
      continue;
    const std::string from = JoinPath(source, relative);
    const std::string to = JoinPath(target, relative);
    const PathLevel there = files.InspectLevel(to);
    if (there.exists && entry.isFolder && files.IsFolder(to)) {
      if (there.isReparsePoint) return false;
      continue;  // merged level by level
    }
    if (there.exists && (!MakeParentLevels(journal, aside, relative) || !journal.Rename(to, JoinPath(aside, relative))))
      return false;
    if (!journal.Rename(from, to)) return false;
    wholeFolder = entry.isFolder ? relative : std::string();
  }
  return true;
}

bool MergeKindFolders(IFileSystem& files, RenameJournal& journal, const std::string& from,
                      const std::string& dataFolder, const std::string& aside) {
  if (!journal.CreateFolder(dataFolder)) return false;
  for (const auto& info : kContentKinds) {
    const std::string kind = KindFolderPath(from, info.kind);
    if (!files.InspectLevel(kind).exists) continue;
    if (!MergeByRenames(files, journal, kind, KindFolderPath(dataFolder, info.kind), KindFolderPath(aside, info.kind)))
      return false;
  }
  return true;
}
