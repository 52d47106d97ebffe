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

// The security descriptor of every folder the tool creates below a drive
// root (its data folders' levels and any working folder of its own), in
// SDDL: a protected DACL, so nothing the drive root grants is inherited
// (on a second drive formatted by Windows the root grants Users Modify);
// SYSTEM and Administrators full control, Users read and execute so the
// product application, running with a teacher's normal rights, still reads
// the data; each entry inherited by every folder and file below (OICI).
// 0x1200a9 is FILE_GENERIC_READ | FILE_GENERIC_EXECUTE, spelled as bits
// rather than GR/GX so the entry means the same on the folder itself as on
// what inherits it.
inline constexpr const char* kOwnFolderSddl = "D:PAI(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;0x1200a9;;;BU)";

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
  // Creates one folder with kOwnFolderSddl as its descriptor; fails when the
  // descriptor cannot be made.
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
  // A walk never enters a reparse point: `folder` being one, or one anywhere
  // below it, makes it nullopt (a link there could lead the walk over a
  // whole drive, or have files elsewhere taken for the tree's own).
  virtual std::optional<std::vector<FileEntry>> ListTree(const std::string& folder) = 0;
  // One shell operation over a list of folders. The flags are the command's:
  // copy and move: allow undo, no question before making the destination;
  // delete: no confirmation. `to` is empty for a delete. The missing levels
  // of `to` are created first, each with kOwnFolderSddl.
  virtual ShellOutcome RunShellOperation(ShellOp op, const std::vector<std::string>& from,
                                         const std::string& to) = 0;
};
