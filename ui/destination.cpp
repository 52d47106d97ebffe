#include "ui/destination.h"

#include "catalogue/content_kinds.h"
#include "catalogue/data_dir_records.h"
#include "catalogue/subject_catalogue.h"
#include "platform/text.h"
#include "platform/windows_path.h"
#include "command/folder_path_rules.h"

const char* const kSameFolderMessage = "移動元フォルダと同じフォルダには移動できません。";

namespace {

const DestDialogTexts kCopyTexts = {
    "セットされたCD-ROMは「%s」です。",
    "コピー先のドライブを指定してください。",
    false,
    "コピー先フォルダにアクセスできません。",
};

const DestDialogTexts kMoveTexts = {
    "選択されたデータは「%s」です。",
    "移動先のドライブを指定してください。",
    true,
    "移動先フォルダにアクセスできません。",
};

bool IsTrimmedSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }


}  // namespace

const DestDialogTexts& DestDialogTextsFor(DestVariant variant) {
  return variant == DestVariant::Move ? kMoveTexts : kCopyTexts;
}

std::string FormatDestDataLine(DestVariant variant, std::string_view year, std::string_view subjectName) {
  return FormatText(DestDialogTextsFor(variant).dataLineFormat, {DataSetName(year, subjectName)});
}

std::string FormatDriveEntry(char letter, std::optional<std::uint64_t> freeBytes) {
  std::string entry{letter, ':', '\\'};
  // Both suffixes begin with an ideographic space (U+3000). The figure is
  // unsigned 64-bit: a signed 32-bit one turns negative from 2 TiB free.
  if (freeBytes)
    entry += "　（約" + std::to_string(*freeBytes >> 20) + "MBの空き）";
  else
    entry += "　（空き容量不明）";
  return entry;
}

std::vector<std::string> BuildDriveList(IDisks& disks, const std::function<void()>& pumpOneMessage) {
  std::vector<std::string> entries;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    if (pumpOneMessage) pumpOneMessage();
    const std::string root = DriveRoot(letter);
    // Removable, CD-ROM, network and RAM drives are never a destination.
    if (disks.DriveTypeOf(root) != DriveType::Fixed) continue;
    entries.push_back(FormatDriveEntry(letter, disks.FreeBytes(root)));
  }
  return entries;
}

std::optional<std::string> ComposeDataFolder(std::string_view driveEntry, std::string_view year,
                                             std::string_view subjectCode) {
  if (driveEntry.empty() || driveEntry[0] < 'A' || driveEntry[0] > 'Z') return std::nullopt;
  return DataFolder(driveEntry[0], year, subjectCode);
}

std::string NormalizeDestFolderText(std::string_view text) {
  while (!text.empty() && IsTrimmedSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsTrimmedSpace(text.back())) text.remove_suffix(1);
  std::string folder(text);
  // A root followed by a second '\' ("D:\\") keeps one: the bound is 3 characters.
  while (Utf16Length(folder) > 3 && folder.back() == '\\') folder.pop_back();
  if (Utf16Length(folder) < 3 && !folder.empty() && IsDriveLetter(folder.front()) && folder.back() == ':')
    folder += '\\';
  return folder;
}

bool IsSameFolder(std::string_view registeredFolder, std::string_view composedFolder) {
  return SameNameToWindows(WithoutTrailingBackslash(registeredFolder), composedFolder);
}

CheckedMoveSource CheckMoveSource(IRegistry& registry, const TavAppState& app, std::string_view composedFolder) {
  auto registered = ReadDataDirRecord(registry, app.m_szSubjectKey, app.m_szYear);
  if (!registered) return {};
  const MoveSourceCheck check =
      IsSameFolder(*registered, composedFolder) ? MoveSourceCheck::SameFolder : MoveSourceCheck::Accepted;
  return {check, std::move(*registered)};
}
