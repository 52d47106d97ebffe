#pragma once
// What a command checks on the disk after the shell has worked: that a tree
// really arrived where the shell said it put it, and how big a tree is.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_port.h"

// True when `targetFolder` can be listed and every file of `sourceEntries` (a
// ListTree of some folder) is now in it under the same relative path with the
// same size. The shell can report success for a tree it copied short (Wine
// swallows errors inside a folder's contents), so its result alone proves
// nothing.
//
// Names compare as the file system compares them (SameNameToWindows): the
// target side may spell a name in another case ("ａ.pdf" for "Ａ.pdf").
// Source entries holding two names that are one to Windows never count as
// arrived: one file on the disk cannot be both.
bool FilesArrived(IFileSystem& files, const std::vector<FileEntry>& sourceEntries, const std::string& targetFolder);

// No two entries of a ListTree are one name to Windows.
bool NamesDistinctToWindows(const std::vector<FileEntry>& entries);

// Total size of the files below `folder`; nullopt when it cannot be listed.
std::optional<std::uint64_t> TreeSize(IFileSystem& files, const std::string& folder);

// Whether a data folder can be read before a move or a delete acts on it. A
// drive that is not there (an unplugged disk) or a folder that cannot be
// listed is not an empty data folder: acting on it would unregister data
// that still exists.
enum class Reach { Readable, Absent, Unreachable };
struct DataFolderListing {
  Reach reach = Reach::Unreachable;
  std::vector<FileEntry> entries;  // below the folder, when Readable
};
DataFolderListing ReadDataFolder(IFileSystem& files, const std::string& folder);

// The entries of `listing` below its kind folder `kindName`, relative to it.
std::vector<FileEntry> KindListing(const std::vector<FileEntry>& listing, const std::string& kindName);
