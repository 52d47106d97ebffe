#pragma once
// The move command behind "コピー済みデータの移動": a registered data set and a
// new drive are chosen, the free space is checked when the drive changes, the
// kind folders are moved with one shell call, the old data folder is removed
// when left empty, and the record is rewritten to the new folder.
#include "command/command_context.h"
#include "command/free_space.h"
#include "command/transfer_outcome.h"
#include <string>

void RunMoveCommand(CommandContext& ctx);

// Room on the new drive for the kind folders present in m_szDataDir; always
// enough on the same drive, where a move only renames.
Room RoomForMove(CommandContext& ctx);

// Moves the kind folders present in m_szDataDir into m_szDestDir and
// rewrites the record, with the busy flag set around the whole step; all or
// nothing until the record names the new folder. On one drive the kind
// folders are renamed (gathered beside the new folder, then merged into
// it); across drives they are copied with one shell call into a staging
// folder there, checked file by file, merged in, and deleted from the old
// folder once the record names the new one. The old folder is removed when
// left empty. A malformed folder, one not named TestDoc_<m_szSubject>, a
// level of either folder that is a link or someone else's
// (DataFolderLevelsTrusted), or a path the shell cannot take fails without
// calling it; a folder that cannot be read is Unreachable.
TransferOutcome MoveDataSet(CommandContext& ctx);

// The warning after a move whose old kind folders could not all be deleted.
std::string OldFolderLeftMessage(const std::string& oldFolder);
// What a move says of its outcome, in either front end.
extern const TransferTexts kMoveTexts;

extern const char* const kMoveDestUnreadableMessage;  // "移動先フォルダにアクセスできません。"
extern const char* const kMoveDestTooSmallMessage;    // "移動先フォルダの空き容量が足りません。"
extern const char* const kMoveInterruptedMessage;     // "移動を中断しました。"
extern const char* const kMoveCompletedMessage;       // "移動を完了しました。"
extern const char* const kOldFolderLeftFormat;        // "データは移動しましたが、移動元のフォルダ %s を削除できませんでした。"
