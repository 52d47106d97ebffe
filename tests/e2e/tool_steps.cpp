#include "tests/e2e/tool_steps.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "platform/text.h"
#include "tests/e2e/tool_process.h"
#include "tests/support/unix_link.h"

namespace e2e {

using namespace automation;

namespace {

constexpr const char* kKinds[] = {"Ichitaro", "Word", "PDF", "TIF", "TXT", "TXT0", "VOICE"};
constexpr int kKindCheckBoxes[] = {1007, 1008, 1009, 1010, 1011, 1012, 1013};
constexpr int kKindSizeLabels[] = {1022, 1023, 1024, 1025, 1026, 1027, 1028};

std::wstring W(const std::string& s) { return Utf8ToUtf16(s); }

void Walk(const std::wstring& folder, const std::string& relative, std::map<std::string, std::uint64_t>& out) {
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    const std::string rel = relative.empty() ? Utf16ToUtf8(name) : relative + "\\" + Utf16ToUtf8(name);
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      Walk(folder + L"\\" + name, rel, out);
    else
      out[rel] = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  } while (FindNextFileW(find, &data));
  FindClose(find);
}

}  // namespace

HWND WaitForDialog(DWORD pid, const std::string& title, int controlId) {
  HWND found = nullptr;
  WaitUntil([&] {
    found = FindTopWindow(pid, title);
    return found && GetDlgItem(found, controlId) && IsWindowEnabled(found);
  });
  if (found) Settle(found);
  return found;
}

void ExpectBox(DWORD pid, const std::string& text, int answer, const std::string& shot) {
  const MessageBoxSeen box = WaitForMessageBox(pid);
  ASSERT_NE(box.window, nullptr) << "no message box; expected: " << text;
  EXPECT_EQ(box.text, text);
  if (!shot.empty()) Shot(shot);
  Answer(box, answer);
}

HWND WaitForDiscWait(DWORD pid) {
  HWND dialog = nullptr;
  WaitUntil([&] {
    dialog = FindTopWindow(pid, kCopyTitle);
    return dialog && !GetDlgItem(dialog, 1029) && GetDlgItem(dialog, IDOK);
  });
  if (dialog) Settle(dialog);
  return dialog;
}

void ConfirmDiscWait(DWORD pid, const std::string& shot) {
  HWND dialog = WaitForDiscWait(pid);
  ASSERT_NE(dialog, nullptr) << "no disc wait dialog";
  if (!shot.empty()) Shot(shot);
  Click(dialog, IDOK);
}

std::map<std::string, std::string> OfferedKinds(HWND selection) {
  std::map<std::string, std::string> offered;
  for (int k = 0; k < 7; ++k)
    if (IsItemEnabled(selection, kKindCheckBoxes[k]) && IsChecked(selection, kKindCheckBoxes[k]))
      offered[kKinds[k]] = ItemText(selection, kKindSizeLabels[k]);
  return offered;
}

void ChooseKinds(DWORD pid, const std::vector<std::string>& kinds, const std::string& shot) {
  HWND dialog = WaitForDialog(pid, "Tavコピーツール - データのコピー", 1029);
  ASSERT_NE(dialog, nullptr) << "no content selection dialog";
  for (int k = 0; k < 7; ++k) {
    bool wanted = false;
    for (const auto& kind : kinds) wanted = wanted || kind == kKinds[k];
    if (IsChecked(dialog, kKindCheckBoxes[k]) != wanted) SetCheck(dialog, kKindCheckBoxes[k], wanted);
  }
  if (!shot.empty()) Shot(shot);
  Click(dialog, IDOK);
}

void ChooseDrive(DWORD pid, const std::string& title, char letter, const std::string& shot) {
  HWND dialog = WaitForDialog(pid, title, 1031);
  ASSERT_NE(dialog, nullptr) << "no destination dialog";
  const auto entries = ComboItems(dialog, 1031);
  int index = -1;
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (!entries[i].empty() && entries[i][0] == letter) index = static_cast<int>(i);
  ASSERT_GE(index, 0) << "drive " << letter << " is not offered";
  SelectComboItem(dialog, 1031, index);
  SendMessageW(dialog, WM_NULL, 0, 0);
  if (!shot.empty()) {
    SendMessageW(GetDlgItem(dialog, 1031), CB_SHOWDROPDOWN, TRUE, 0);
    Shot(shot);
    SendMessageW(GetDlgItem(dialog, 1031), CB_SHOWDROPDOWN, FALSE, 0);
  }
  Click(dialog, IDOK);
}

void ChooseDataSet(DWORD pid, const std::string& title, const std::string& line, const std::string& shot) {
  HWND dialog = WaitForDialog(pid, title, 1014);
  ASSERT_NE(dialog, nullptr) << "no data list dialog";
  const auto lines = ListItems(dialog, 1014);
  int index = -1;
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (lines[i] == line) index = static_cast<int>(i);
  ASSERT_GE(index, 0) << "not listed: " << line;
  SelectListItem(dialog, 1014, index);
  SendMessageW(dialog, WM_NULL, 0, 0);
  if (!shot.empty()) Shot(shot);
  Click(dialog, IDOK);
}

std::vector<std::string> ListedDataSets(DWORD pid, HWND menu, int commandButton, const std::string& title) {
  Click(menu, commandButton);
  HWND dialog = WaitForDialog(pid, title, 1014);
  if (!dialog) return {};
  auto lines = ListItems(dialog, 1014);
  Click(dialog, IDCANCEL);
  WaitForClose(dialog);
  return lines;
}

namespace {
// "shots-03-name", or "" when the walk takes no screenshots.
std::string StepShot(const std::string& shots, int step, const char* name) {
  if (shots.empty()) return "";
  char number[8];
  snprintf(number, sizeof number, "%02d", step);
  return shots + "-" + number + "-" + name;
}
}  // namespace

std::map<std::string, std::string> LookAtContentSelection(DWORD pid, HWND menu, const std::string& shot) {
  Click(menu, 1000);
  ConfirmDiscWait(pid);
  HWND selection = WaitForDialog(pid, kCopyTitle, 1029);
  if (!selection) {
    ADD_FAILURE() << "no content selection dialog";
    return {};
  }
  if (!shot.empty()) Shot(shot);
  auto offered = OfferedKinds(selection);
  Click(selection, IDCANCEL);
  EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(menu) != FALSE; })) << "cancel ends the command silently";
  return offered;
}

MessageBoxSeen OpenCopyConfirmation(DWORD pid, HWND menu, const std::vector<std::string>& kinds, char drive,
                                    const std::string& dataFolder, const std::string& shots) {
  Click(menu, 1000);
  ConfirmDiscWait(pid, StepShot(shots, 1, "disc-wait"));
  ChooseKinds(pid, kinds, StepShot(shots, 2, "content-selection"));
  ChooseDrive(pid, kCopyTitle, drive, StepShot(shots, 3, "destination"));
  ExpectBox(pid, dataFolder + " は存在しません。作成しますか？", IDYES, StepShot(shots, 4, "create-folder"));
  const MessageBoxSeen box = WaitForMessageBox(pid);
  EXPECT_EQ(box.text, "コピーを開始しますか？");
  const std::string shot = StepShot(shots, 5, "start-copy");
  if (!shot.empty()) Shot(shot);
  return box;
}

void StartCopy(DWORD pid, HWND menu, const std::vector<std::string>& kinds, char drive,
               const std::string& dataFolder, const std::string& shots) {
  const MessageBoxSeen box = OpenCopyConfirmation(pid, menu, kinds, drive, dataFolder, shots);
  ASSERT_NE(box.window, nullptr) << "no question before the copy";
  Answer(box, IDYES);
}

void MoveDataSet(DWORD pid, HWND menu, const std::string& line, char drive, const std::string& newFolder,
                 const std::string& shots) {
  Click(menu, 1001);
  ChooseDataSet(pid, kMoveTitle, line, StepShot(shots, 1, "move-list"));
  ChooseDrive(pid, kMoveTitle, drive, StepShot(shots, 2, "move-destination"));
  ExpectBox(pid, newFolder + " は存在しません。作成しますか？", IDYES, StepShot(shots, 3, "create-folder"));
  ExpectBox(pid, "移動を開始しますか？", IDYES, StepShot(shots, 4, "start-move"));
  ExpectBox(pid, "移動を完了しました。", IDOK, StepShot(shots, 5, "move-done"));
  ExpectBox(pid, "別のデータを移動しますか？", IDNO, StepShot(shots, 6, "another-move"));
}

void DeleteDataSet(DWORD pid, HWND menu, const std::string& line, const std::string& shots) {
  Click(menu, 1002);
  ChooseDataSet(pid, kDeleteTitle, line, StepShot(shots, 1, "delete-list"));
  ExpectBox(pid, "削除を開始しますか？", IDYES, StepShot(shots, 2, "start-delete"));
  ExpectBox(pid, "削除を完了しました。", IDOK, StepShot(shots, 3, "delete-done"));
  ExpectBox(pid, "別のデータを削除しますか？", IDNO, StepShot(shots, 4, "another-delete"));
}

void ExpectCopied(const std::string& discFolder, const std::string& dataFolder, const std::vector<std::string>& kinds) {
  for (const auto& kind : kinds) {
    const auto onDisc = Tree(discFolder + "\\" + kind);
    ASSERT_FALSE(onDisc.empty()) << kind;
    EXPECT_EQ(Tree(dataFolder + "\\" + kind), onDisc) << kind;
  }
}

void CleanDataDrives() {
  for (const char* folder : {"D:\\KR_LAB", "G:\\KR_LAB", "H:\\KR_LAB"}) RemoveTree(folder);
}

std::map<std::string, std::uint64_t> Tree(const std::string& folder) {
  std::map<std::string, std::uint64_t> files;
  Walk(W(folder), "", files);
  return files;
}

bool Exists(const std::string& path) { return GetFileAttributesW(W(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

void RemoveTree(const std::string& path) {
  const std::wstring root = W(path);
  // A link a test planted goes as a link: walking it would empty what it
  // leads to, and the folder holding it could not be removed.
  const DWORD attributes = GetFileAttributesW(root.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
    unix_link::Remove(path);
    return;
  }
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((root + L"\\*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = data.cFileName;
      if (name == L"." || name == L"..") continue;
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(Utf16ToUtf8(root + L"\\" + name));
      else
        DeleteFileW((root + L"\\" + name).c_str());
    } while (FindNextFileW(find, &data));
    FindClose(find);
  }
  if (!RemoveDirectoryW(root.c_str())) DeleteFileW(root.c_str());
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream(W(path).c_str(), std::ios::binary) << text;
}

namespace {
std::uint64_t KindBytes(const std::string& cdRoot, char code, const char* kind) {
  std::uint64_t bytes = 0;
  for (const auto& [name, size] : Tree(cdRoot + "TestDoc_" + code + "\\" + kind)) bytes += size;
  return bytes;
}
}  // namespace

std::string SizeSection(const std::string& cdRoot, const std::string& section, char code) {
  std::string ini = "[" + section + "]\r\n";
  for (const char* kind : kKinds)
    if (const std::uint64_t bytes = KindBytes(cdRoot, code, kind))
      ini += std::string(kind) + "=" + std::to_string(bytes) + "\r\n";
  return ini;
}

std::map<std::string, std::string> MeasuredKinds(const std::string& cdRoot, char code) {
  std::map<std::string, std::string> kinds;
  for (const char* kind : kKinds)
    if (const std::uint64_t bytes = KindBytes(cdRoot, code, kind))
      kinds[kind] = "（約" + std::to_string(bytes >> 20) + "MB）";
  return kinds;
}

}  // namespace e2e
