#pragma once
// The form a destination folder path must have, and the step that makes sure
// it exists: check the form, ask before creating a missing folder, create
// every missing level and report each failure in a message box.
//
// A well-formed path is a drive root ("D:\", either letter case) or a root
// followed by valid folder names separated by single '\', with no '\' at the
// end, and at most kMaxFolderPathChars characters.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_port.h"
#include "platform/windows_path.h"
#include "platform/prompt_port.h"

enum class FolderResult {
  Ok,          // well formed; or exists / was created
  Declined,    // the user said no to creating it
  Malformed,   // not a well-formed folder path
  NotCreated,  // a level could not be created, or the root is missing
  Appeared,    // the full path existed when its last level was due
};

// Not empty, no tab, space or '.' at either end, none of  " * / : < > ? \ |
// and well-formed UTF-8. Control characters and Japanese text are allowed.
bool IsValidFolderName(std::string_view name);

// Ok or Malformed; the form only, never the disk.
FolderResult CheckFolderPath(std::string_view path);

// `folder` without one '\' at its end, if it has one; records written by
// others may end that way. Nothing else is changed.
std::string_view WithoutTrailingBackslash(std::string_view folder);

// Ok, Malformed, NotCreated or Appeared. A malformed path creates nothing. Otherwise each level that
// is missing is created in order from the root down; a level counts as
// present when anything of that name exists (a file too). Levels created
// before a failure stay. `created`, when given, gets each level made here,
// from the root down, so that a command that fails later can take them away.
FolderResult CreateFolderPath(IFileSystem& files, std::string_view path, std::vector<std::string>* created = nullptr);

// Ok when the folder exists or was just created; Declined when the user
// declined; Malformed, NotCreated or Appeared after telling the user why. Its
// boxes have no owner and are task-modal.
FolderResult EnsureFolderExists(IFileSystem& files, IPrompts& prompts, std::string_view path,
                                std::vector<std::string>* created = nullptr);

// A data folder lies below a drive root: "X:\" followed by at least one
// character. A bare root is no data folder; its kind folders would be the
// drive's own top-level folders.
bool IsDataFolderPath(std::string_view path);

// A registered data folder as a move or a delete may act on it, or nullopt.
// One trailing '\' after the last level is dropped first (others may have
// written records that way); what remains must be in plain form, a drive
// letter, ':', '\' and one or more valid folder names separated by single
// '\', the same path (letter case aside) as the system's full-path form of
// it, and short enough for every kind folder path to fit the shell. A
// spelling with "." or ".." levels, empty levels or a device name would
// otherwise join the kind names to another folder, a drive's top level
// among them.
//
// It must also be a folder of the tool's own layout: its last level is
// "TestDoc_" and `subjectCode` in any letter case, as every data folder the
// tool writes (<drive>:\KR_LAB\Tav<year>\TestDoc_<code>). A record that
// names any other folder (a slip in an editor, a restored backup naming a
// user's Documents) would have the kind folders of that folder moved or
// deleted.
std::optional<std::string> ActionableDataFolder(IFileSystem& files, std::string_view registered,
                                                std::string_view subjectCode);

// The last level of `folder` is "TestDoc_<subjectCode>", letter case aside;
// never for an empty code.
bool IsOwnDataFolderName(std::string_view folder, std::string_view subjectCode);

// Every one of the seven kind folder paths under `folder` fits the shell.
bool KindFolderPathsFit(std::string_view folder);


extern const char* const kFolderMissingQuestionFormat;  // "%s は存在しません。作成しますか？"
extern const char* const kFolderMalformedMessage;       // "正しいフォルダを入力してください。"
extern const char* const kFolderNotCreatedFormat;       // "%s を作成できません。"
