#pragma once
// The copy command behind "データのコピー": disc wait, rights check, the
// sizes of the disc's content kinds, content selection, destination,
// free-space check, confirmation, one shell copy of the chosen kind folders,
// the data folder's record, the offer to copy a Ver2.0 disc into the same
// folder, and the offer of another disc.
#include <string>
#include <vector>

#include "command/command_context.h"
#include "command/transfer_outcome.h"

void RunCopyCommand(CommandContext& ctx);

// Rights were gathered per subject at start-up; the identified disc's code
// letter picks the flag. A code outside the catalogue grants nothing.
bool HasRightsOnDisc(const TavAppState& app);

// Copies the chosen kind folders of the disc (m_szCdRoot + "TestDoc_" +
// m_szSubject, kinds of m_bKind in kind order) into m_szDestDir and records
// it there, with the busy flag set around it: one shell call into a staging
// folder beside the data folder, every file of those kind folders (as listed
// before the call) checked there with its size, then merged in by renames
// and the record written. Anything short of that leaves the data folder and
// the record as they were, and removes the levels m_destCreatedLevels names.
// Paths the shell cannot take, a data folder with a level that is a link or
// someone else's (DataFolderLevelsTrusted), a source kind folder that
// cannot be walked (a link inside) or that holds two names which are one to
// Windows are refused without calling it.
TransferOutcome CopySelectedKinds(CommandContext& ctx);

// The copy's arrival check: every file of each source kind folder is in the
// target kind folder of the same index with its size.
bool KindFoldersArrived(IFileSystem& files, const std::vector<std::string>& sources,
                        const std::vector<std::string>& targets);

extern const char* const kCopyDestUnreadableMessage;  // "コピー先フォルダにアクセスできません。"
extern const char* const kCopyDestTooSmallMessage;    // "コピー先フォルダの空き容量が足りません。"
extern const char* const kCopyInterruptedMessage;     // "コピーを中断しました。"
extern const char* const kCopyCompletedMessage;       // "コピーを完了しました。"
