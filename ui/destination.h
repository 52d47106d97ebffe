#pragma once
// The destination drive dialog's logic, shared by its copy and move variants:
// the list of fixed drives with their free space, the data folder composed on
// the chosen drive, the clean-up of the folder text and the move variant's
// check against the data set's registered folder.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "command/app_state.h"
#include "platform/disk_port.h"
#include "platform/registry_port.h"

enum class DestVariant { Copy, Move };

// What the code of the two variants needs; their titles and the other texts
// live in the templates.
struct DestDialogTexts {
  const char* dataLineFormat;    // "…「%s」です。": the data set's name (DataSetName)
  const char* noDriveMessage;    // nothing chosen, or no drive to choose
  bool checksRegisteredFolder;   // the move variant refuses the data set's own folder
  // A level of the data folder is a link or someone else's
  // (DataFolderLevelsTrusted): the command's message for a destination it
  // cannot use, shown before anything is created.
  const char* unusableMessage;
};
const DestDialogTexts& DestDialogTextsFor(DestVariant variant);

// The data set line with the year and the subject's display name filled in.
std::string FormatDestDataLine(DestVariant variant, std::string_view year, std::string_view subjectName);

extern const char* const kSameFolderMessage;  // "移動元フォルダと同じフォルダには移動できません。"

// "D:\" followed by "　（約<n>MBの空き）" (free bytes / 2^20, rounded down) or,
// when the free space is unknown, "　（空き容量不明）".
std::string FormatDriveEntry(char letter, std::optional<std::uint64_t> freeBytes);

// One entry per fixed drive, in letter order A..Z. `pumpOneMessage` (may be
// empty) runs once before each letter so that a slow probe does not freeze
// the window that waits on it.
std::vector<std::string> BuildDriveList(IDisks& disks, const std::function<void()>& pumpOneMessage);

// "D:\KR_LAB\Tav2007\TestDoc_B" on the drive of the entry; nullopt when the
// entry does not begin with a drive letter 'A'..'Z' (nothing chosen).
std::optional<std::string> ComposeDataFolder(std::string_view driveEntry, std::string_view year,
                                             std::string_view subjectCode);

// The folder text as the dialog checks it: white space trimmed at both ends,
// trailing '\' removed while more than 3 characters remain, and a bare drive
// ("D:") made its root ("D:\").
std::string NormalizeDestFolderText(std::string_view text);

// A move onto the data set's own folder: the plain forms compare (one
// trailing '\' of the record dropped), letter case aside.
bool IsSameFolder(std::string_view registeredFolder, std::string_view composedFolder);

enum class MoveSourceCheck { Accepted, RecordUnreadable, SameFolder };

struct CheckedMoveSource {
  MoveSourceCheck check = MoveSourceCheck::RecordUnreadable;
  std::string registeredFolder;  // as recorded; empty when unreadable
};

// The move variant's check before it accepts a destination: reads the data
// set's record (m_szSubjectKey, m_szYear) and refuses the folder it already
// lies in.
CheckedMoveSource CheckMoveSource(IRegistry& registry, const TavAppState& app, std::string_view composedFolder);
