#pragma once
// The file system and the shell's file operations as the core needs them.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

enum class ShellOp { Copy, Move, Delete };

// What the shell call reported: its return value and its abort flag.
// Neither alone proves the work was done; the commands check the disk too.
struct ShellOutcome {
  int result = 0;
  bool anyOperationsAborted = false;
  bool Succeeded() const { return result == 0 && !anyOperationsAborted; }
};

struct FileEntry {
  std::string relativePath;  // below the walked folder, '\'-separated
  std::uint64_t size = 0;
  bool isFolder = false;
};

// One existing level of a path as the tool judges it before acting below it.
struct PathLevel {
  bool exists = false;
  bool isReparsePoint = false;  // a junction, symbolic link or mount point
  bool ownerTrusted = false;    // Administrators, SYSTEM, TrustedInstaller or the running user
};

class IFileSystem {
 public:
  virtual ~IFileSystem() = default;
  // True when the path names anything (a file counts).
  virtual bool Exists(const std::string& path) = 0;
  virtual bool IsFolder(const std::string& path) = 0;
  // The path as the system spells it in full (GetFullPathName): "." and ".."
  // levels resolved, device names such as CON turned into their device
  // path. nullopt when the system gives none.
  virtual std::optional<std::string> FullPath(const std::string& path) = 0;
  virtual bool CreateFolder(const std::string& path) = 0;
  // Removes the folder only when it is empty.
  virtual bool RemoveEmptyFolder(const std::string& path) = 0;
  // Renames a file or folder within its volume (never a copy); fails when
  // `to` exists, its parent does not, or the two lie on different volumes.
  virtual bool Rename(const std::string& from, const std::string& to) = 0;
  // Deletes a file, or a folder with everything below it, without the shell
  // and without following a reparse point (a link is removed, not its
  // target). True when nothing of that name is left.
  virtual bool RemoveTree(const std::string& path) = 0;
  // What the level at `path` is; `exists` false when nothing is there.
  virtual PathLevel InspectLevel(const std::string& path) = 0;
  // Every file and folder below `folder`, or nullopt when it cannot be read.
  virtual std::optional<std::vector<FileEntry>> ListTree(const std::string& folder) = 0;
  // One shell operation over a list of folders. The flags are the command's:
  // copy and move: allow undo, no question before making the destination;
  // delete: no confirmation. `to` is empty for a delete.
  virtual ShellOutcome RunShellOperation(ShellOp op, const std::vector<std::string>& from,
                                         const std::string& to) = 0;
};
