#pragma once
// All or nothing on one volume. A command never writes into a data folder
// while it copies: it stages the new files in a working folder of its own
// beside the data folder, checks them, and then merges them in by renames,
// each noted so that a failure can take them all back. The working folder's
// name says how far a command got, so one left by a power cut can be finished
// or undone before the next command uses the data folder.
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_port.h"

// The working folders beside a data folder "P\N": each "P\N.<suffix>", no
// name the layout or the product application uses, on the data folder's
// own volume so that renames between them never copy.
struct WorkingFolders {
  std::string stage;    // a copy in progress; nothing of the data folder touched yet
  std::string commit;   // a checked copy being merged into the data folder
  std::string aside;    // files of the data folder that the merge replaced
  std::string gather;   // a move on one drive: the old folder's kind folders, renamed here
  std::string removal;  // a delete: the kind folders, set aside before the record goes
};
WorkingFolders WorkingFoldersOf(std::string_view dataFolder);
// None of them exists: a command makes its own, fresh, and never works in
// one that someone else put there (a link to their folder, say).
bool WorkingFoldersFree(IFileSystem& files, const WorkingFolders& work);

// Renames and created folders in the order they were made, for an undo in
// reverse order.
class RenameJournal {
 public:
  explicit RenameJournal(IFileSystem& files) : files_(files) {}
  RenameJournal(const RenameJournal&) = delete;
  RenameJournal& operator=(const RenameJournal&) = delete;

  bool Rename(const std::string& from, const std::string& to);
  // True when the folder is there afterwards; noted only when made here.
  bool CreateFolder(const std::string& path);
  // Takes every step back, newest first; true when all of them went back.
  bool Undo();

 private:
  struct Step {
    bool isRename;
    std::string from;  // the created folder, for a folder step
    std::string to;
  };
  IFileSystem& files_;
  std::vector<Step> steps_;
};

// Merges the tree at `source` into `target`, both on one volume, by renames
// alone: a target that is not there gets the whole tree in one rename; a
// folder that the target lacks goes over whole; a file (or a folder in a
// file's place) that the target already has is first renamed to the same
// place below `aside`. What the target holds besides is kept,
// so a second disc carrying some files of a kind adds to the first disc's.
// A level of the target that is a link fails the merge rather than write
// through it. Every step goes into `journal`; false on the first failure,
// the steps so far left for the caller to undo.
bool MergeByRenames(IFileSystem& files, RenameJournal& journal, const std::string& source,
                    const std::string& target, const std::string& aside);

// Each kind folder found in `from` merged into the data folder's, the
// replaced files set aside below `aside` in their own kind folder.
bool MergeKindFolders(IFileSystem& files, RenameJournal& journal, const std::string& from,
                      const std::string& dataFolder, const std::string& aside);
