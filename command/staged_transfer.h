#pragma once
// The steps a copy and a move share on the way into a data folder: stage,
// check, commit by renames, write the record, clean up; and the repair of a
// data folder whose command a power cut stopped.
#include <functional>
#include <string>
#include <vector>

#include "catalogue/data_dir_records.h"
#include "command/command_context.h"
#include "command/folder_commit.h"
#include "command/transfer_outcome.h"
#include "platform/file_port.h"
#include "platform/registry_port.h"

using RecordWrite = std::function<RecordUpdate()>;

// `sources` (kind folders) copied with one shell call into the staging folder
// beside `dataFolder`, every file of `listings` (one per source, taken before
// the copy) checked there with its size, then committed as below. The staged
// copy meets no file of the data folder, so the shell asks nothing.
TransferOutcome StageAndCommit(IFileSystem& files, const std::vector<std::string>& sources,
                               const std::vector<std::vector<FileEntry>>& listings, const std::string& dataFolder,
                               const RecordWrite& writeRecord);

// The complete new content lying in `from` (a working folder of `dataFolder`
// reached through `journal`'s renames) is renamed to the commit folder,
// merged into the data folder, and the record written. On a failure before
// the record, or when the record cannot be written at all, every step of
// `journal` is undone and the working folders removed.
TransferOutcome CommitAndRecord(IFileSystem& files, RenameJournal& journal, const std::string& from,
                                const std::string& dataFolder, const RecordWrite& writeRecord);

// Removes the levels a command made for a destination, deepest first, where
// they are still empty.
void RemoveCreatedLevels(IFileSystem& files, const std::vector<std::string>& levels);

// A copy's or a move's steps into m_szDestDir, with the busy flag up around
// them; whatever stopped them, the levels made for the destination
// (m_destCreatedLevels) go too.
TransferOutcome TransferIntoDestination(CommandContext& ctx, const std::function<TransferOutcome()>& steps);

// Before a command uses `dataFolder`: a staging folder is removed (its
// source still holds everything); a commit folder, which was checked
// complete, is finished and the record of `subjectKey`/`year` made to name
// the data folder; a gathered move goes back into the registered folder; a
// delete's set-aside folders go back while the record still names the data
// folder and are deleted once it does not. Renames only, so each step is
// whole; what cannot be repaired is left and the command's own checks refuse it.
void RepairWorkingFolders(IFileSystem& files, IRegistry& registry, const std::string& dataFolder,
                          const std::string& subjectKey, const std::string& year);
