#pragma once
// The move command behind "コピー済みデータの移動": a registered data set and a
// new drive are chosen, the free space is checked when the drive changes, the
// kind folders are moved with one shell call, the old data folder is removed
// when left empty, and the record is rewritten to the new folder.
#include "command/command_context.h"
#include "command/free_space.h"

void RunMoveCommand(CommandContext& ctx);

// Room on the new drive for the kind folders present in m_szDataDir; always
// enough on the same drive, where a move only renames.
Room RoomForMove(CommandContext& ctx);

// Moves the kind folders present in m_szDataDir into m_szDestDir with one
// shell call, with the busy flag set around the whole step. True when there
// was nothing to move, or when the shell reported success, nothing was
// aborted, and every listed kind folder has left the old folder and arrived
// whole in the new one; only then is the old data folder removed (when
// empty). A malformed folder, one not named TestDoc_<m_szSubject>, a level
// of either folder that is a link or someone else's
// (DataFolderLevelsTrusted), or a path the shell cannot take fails without
// calling it.
bool MoveKindFolders(CommandContext& ctx);

extern const char* const kMoveDestUnreadableMessage;  // "移動先フォルダにアクセスできません。"
extern const char* const kMoveDestTooSmallMessage;    // "移動先フォルダの空き容量が足りません。"
extern const char* const kMoveInterruptedMessage;     // "移動を中断しました。"
extern const char* const kMoveCompletedMessage;       // "移動を完了しました。"
