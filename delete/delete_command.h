#pragma once
// The delete command behind "コピー済みデータの削除": a registered data set is
// chosen, its kind folders are deleted with one shell call, the data folder is
// removed when left empty, and the record is removed.
#include <string>

#include "command/command_context.h"
#include "command/transfer_outcome.h"

void RunDeleteCommand(CommandContext& ctx);

// Deletes the data set in m_szDataDir and its record, with the busy flag
// set around the whole step: the kind folders present are first set aside
// by renames beside the data folder (all of them, or none and Failed), then
// the record is removed (when it cannot be, they go back: RecordFailed),
// then what was set aside is deleted with one shell call; what of it
// remains is named in `leftover`. The data folder is removed when left
// empty. Files or folders of other names stay. A malformed folder, one not
// named TestDoc_<m_szSubject>, one with a level that is a link or someone
// else's (DataFolderLevelsTrusted), or a path the shell cannot take fails
// without calling it; a folder that cannot be read is Unreachable.
TransferOutcome DeleteDataSet(CommandContext& ctx);

// The warning after a delete whose set-aside folders could not all go.
std::string SetAsideLeftMessage(const std::string& folder);
// What a delete says of its outcome, in either front end.
extern const TransferTexts kDeleteTexts;

extern const char* const kDeleteInterruptedMessage;  // "削除を中断しました。"
extern const char* const kDeleteCompletedMessage;    // "削除を完了しました。"
extern const char* const kSetAsideLeftFormat;        // "データの登録は削除しましたが、%s を削除できませんでした。"
