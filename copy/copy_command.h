#pragma once
// The copy command behind "データのコピー": disc wait, rights check, the
// sizes of the disc's content kinds, content selection, destination,
// free-space check, confirmation, one shell copy of the chosen kind folders,
// the data folder's record, the offer to copy a Ver2.0 disc into the same
// folder, and the offer of another disc.
#include <string>
#include <vector>

#include "command/command_context.h"

void RunCopyCommand(CommandContext& ctx);

// Rights were gathered per subject at start-up; the identified disc's code
// letter picks the flag. A code outside the catalogue grants nothing.
bool HasRightsOnDisc(const TavAppState& app);

// Copies the chosen kind folders of the disc (m_szCdRoot + "TestDoc_" +
// m_szSubject, kinds of m_bKind in kind order) into m_szDestDir with one shell
// call, with the busy flag set around it. True only when the shell reported
// success, nothing was aborted, and every file of those kind folders is now in
// the data folder with its size. Paths the shell cannot take, a data folder
// with a level that is a link or someone else's (DataFolderLevelsTrusted), a
// source kind folder that cannot be walked (a link inside) or that holds two
// names which are one to Windows are refused without calling it. What was
// copied before a failure stays.
bool CopySelectedKinds(CommandContext& ctx);

// The copy's arrival check: every file of each source kind folder is in the
// target kind folder of the same index with its size.
bool KindFoldersArrived(IFileSystem& files, const std::vector<std::string>& sources,
                        const std::vector<std::string>& targets);

extern const char* const kCopyDestUnreadableMessage;  // "コピー先フォルダにアクセスできません。"
extern const char* const kCopyDestTooSmallMessage;    // "コピー先フォルダの空き容量が足りません。"
extern const char* const kCopyInterruptedMessage;     // "コピーを中断しました。"
extern const char* const kCopyCompletedMessage;       // "コピーを完了しました。"
