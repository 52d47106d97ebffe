#pragma once
// The delete command behind "コピー済みデータの削除": a registered data set is
// chosen, its kind folders are deleted with one shell call, the data folder is
// removed when left empty, and the record is removed.
#include "command/command_context.h"

void RunDeleteCommand(CommandContext& ctx);

// Deletes the kind folders present in m_szDataDir with one shell call, with
// the busy flag set around the whole step. True when there was nothing to
// delete, or when the shell reported success, nothing was aborted, and every
// listed kind folder is gone; only then is the data folder removed (when
// empty). Files or folders of other names stay. A malformed folder, one not
// named TestDoc_<m_szSubject>, one with a level that is a link or someone
// else's (DataFolderLevelsTrusted), or a path the shell cannot take fails
// without calling it.
bool DeleteKindFolders(CommandContext& ctx);
