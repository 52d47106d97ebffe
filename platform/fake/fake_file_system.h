#pragma once
// Files and folders in memory, names compared without regard to case and
// paths resolved (".", "..", empty levels) as on Windows. The shell
// operation really copies, moves or deletes the trees; a test can replace it
// with `shellHook` to script a failure, an abort or a "successful" call that
// left the work half done.
#include <functional>
#include <map>
#include <set>

#include "platform/file_port.h"

struct ShellCall {
  ShellOp op;
  std::vector<std::string> from;
  std::string to;
};

class FakeFileSystem : public IFileSystem {
 public:
  bool Exists(const std::string& path) override;
  bool IsFolder(const std::string& path) override;
  // The path resolved as above, unless `fullPaths` says how the system would
  // spell it (a device name, say).
  std::optional<std::string> FullPath(const std::string& path) override;
  bool CreateFolder(const std::string& path) override;
  bool RemoveEmptyFolder(const std::string& path) override;
  bool Rename(const std::string& from, const std::string& to) override;
  bool RemoveTree(const std::string& path) override;
  PathLevel InspectLevel(const std::string& path) override;
  std::optional<std::vector<FileEntry>> ListTree(const std::string& folder) override;
  ShellOutcome RunShellOperation(ShellOp op, const std::vector<std::string>& from, const std::string& to) override;

  // Fixture helpers: create a folder with its parents, or a file (with its folders).
  void AddFolder(const std::string& path);
  void AddFile(const std::string& path, std::uint64_t size);
  void Remove(const std::string& path);  // the entry and everything below it
  std::optional<std::uint64_t> FileSize(const std::string& path) const;
  // The real shell behaviour, for hooks that want to do it and then spoil it.
  ShellOutcome DefaultShellOperation(ShellOp op, const std::vector<std::string>& from, const std::string& to);

  std::function<ShellOutcome(ShellOp, const std::vector<std::string>&, const std::string&)> shellHook;
  // When set, the shell handles files one at a time and fails, as on a full
  // disk or at a locked file, when it is about to handle one more than this
  // (counted over all calls); what it did before stays.
  std::optional<int> shellFileBudget;
  int shellFilesHandled = 0;
  std::function<void(const std::string&)> onListTree;  // sees every folder listed
  // Sees every rename before it is done; false makes it fail with nothing changed.
  std::function<bool(const std::string& from, const std::string& to)> renameHook;
  std::set<std::string> refuseRemove;    // folded paths that RemoveTree leaves (a locked file)
  std::set<std::string> reparsePoints;   // folded paths of links (junctions, symbolic links)
  std::set<std::string> untrustedOwners; // folded paths owned by an ordinary user
  std::set<std::string> refuseCreate;  // folded paths whose CreateFolder fails
  std::set<std::string> refuseList;    // folded paths of folders whose tree cannot be listed
  std::map<std::string, std::optional<std::string>> fullPaths;  // path as given -> its full form
  // Folded folder -> entries its listing shows besides its own tree: a name
  // that a case-sensitive file server holds beside one differing only in case.
  std::map<std::string, std::vector<FileEntry>> extraEntries;
  std::vector<ShellCall> shellCalls;
  std::vector<std::string> createdFolders;
  // Folded path -> the SDDL of the descriptor the folder was created with, for
  // every folder the port created (CreateFolder, the shell's destination
  // levels); folders that came any other way have none (they inherit).
  std::map<std::string, std::string> folderSddl;

 private:
  struct Node {
    std::string path;
    bool folder = false;
    std::uint64_t size = 0;
  };
  static std::string Normalize(const std::string& path);
  static std::string Fold(const std::string& path);
  static std::string Parent(const std::string& path);
  bool IsBelowOrAt(const std::string& folded, const std::string& prefix) const;
  void CreateMissingLevels(const std::string& folder);
  void CopyTree(const std::string& source, const std::string& target);
  ShellOutcome ShellOperationFileByFile(ShellOp op, const std::vector<std::string>& from, const std::string& to);
  std::map<std::string, Node> nodes_;
};
