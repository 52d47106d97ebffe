// A copy, move or delete of the real exe either completes or leaves the data
// set as it was: every file and folder on the data drives, with its size, and
// every record, compared before and after. The faults are real ones of the
// disc sets of scripts/wine-discs.sh: a drive on another Unix device (Wine
// cannot rename a folder onto it), a drive that runs out of inodes inside a
// kind folder after the byte count said the copy fits, a record on a drive
// that is not there. Each test needs its set and skips elsewhere.
#include <gtest/gtest.h>
#include <windows.h>

#include <cctype>
#include <cstdio>
#include <map>

#include "platform/text.h"
#include "tests/e2e/tool_process.h"
#include "tests/e2e/tool_steps.h"
#include "tests/e2e/unattended_process.h"
#include "tests/support/automation.h"

namespace {

using namespace e2e;

const std::string kBiologyOnD = "D:\\KR_LAB\\Tav2007\\TestDoc_B";
const std::string kBiologyOnG = "G:\\KR_LAB\\Tav2007\\TestDoc_B";
const std::string kBiologyOnH = "H:\\KR_LAB\\Tav2007\\TestDoc_B";

std::wstring W(const std::string& s) { return Utf8ToUtf16(s); }

// What a command may change: every entry below the data drives' roots (a
// folder as "<folder>", a file as its size, so an empty folder left behind
// shows) and every value under the tool's registry keys, in both views.
struct DataState {
  std::map<std::string, std::string> entries;
  std::map<std::string, std::string> records;
};

void WalkEntries(const std::string& folder, std::map<std::string, std::string>& out) {
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW(W(folder + "\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = Utf16ToUtf8(data.cFileName);
    if (name == "." || name == "..") continue;
    const std::string path = folder + "\\" + name;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      out[path] = "<folder>";
      if (!(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) WalkEntries(path, out);
    } else {
      out[path] = std::to_string((static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow);
    }
  } while (FindNextFileW(find, &data));
  FindClose(find);
}

void WalkKey(HKEY root, const std::wstring& path, REGSAM view, const std::string& shown,
             std::map<std::string, std::string>& out) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ | view, &key) != ERROR_SUCCESS) return;
  for (DWORD i = 0;; ++i) {
    wchar_t name[256];
    DWORD nameLength = 256, type = 0, size = 0;
    BYTE value[4096];
    size = sizeof value;
    if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, value, &size) != ERROR_SUCCESS) break;
    std::string text;
    if (type == REG_SZ || type == REG_EXPAND_SZ) {
      text = Utf16ToUtf8(std::wstring(reinterpret_cast<const wchar_t*>(value), size / sizeof(wchar_t)).c_str());
    } else {
      text = "type " + std::to_string(type) + ", " + std::to_string(size) + " bytes";
    }
    out[shown + "\\" + Utf16ToUtf8(name)] = text;
  }
  for (DWORD i = 0;; ++i) {
    wchar_t name[256];
    DWORD nameLength = 256;
    if (RegEnumKeyExW(key, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    WalkKey(root, path + L"\\" + name, view, shown + "\\" + Utf16ToUtf8(name), out);
  }
  RegCloseKey(key);
}

DataState TakeState() {
  DataState state;
  for (const char* drive : {"D:", "G:", "H:"})
    if (GetDriveTypeW(W(std::string(drive) + "\\").c_str()) == DRIVE_FIXED) WalkEntries(drive, state.entries);
  WalkKey(HKEY_LOCAL_MACHINE, L"SOFTWARE\\KR_LAB", KEY_WOW64_32KEY, "HKLM(32)\\SOFTWARE\\KR_LAB", state.records);
  WalkKey(HKEY_LOCAL_MACHINE, L"SOFTWARE\\KR_LAB", KEY_WOW64_64KEY, "HKLM(64)\\SOFTWARE\\KR_LAB", state.records);
  WalkKey(HKEY_CURRENT_USER, L"Software\\KR_LAB", 0, "HKCU\\Software\\KR_LAB", state.records);
  return state;
}

std::string Listing(const DataState& state) {
  std::string text;
  for (const auto& [path, size] : state.entries) text += "  " + size + "\t" + path + "\n";
  if (state.entries.empty()) text += "  (no file or folder)\n";
  for (const auto& [value, data] : state.records) text += "  " + value + " = " + data + "\n";
  if (state.records.empty()) text += "  (no record)\n";
  return text;
}

// The lines by which two maps differ, "-" before, "+" after.
std::string Difference(const std::map<std::string, std::string>& before,
                       const std::map<std::string, std::string>& after) {
  std::string text;
  for (const auto& [key, value] : before) {
    const auto found = after.find(key);
    if (found == after.end()) text += "  - " + key + " (" + value + ")\n";
    else if (found->second != value) text += "  ~ " + key + " (" + value + " -> " + found->second + ")\n";
  }
  for (const auto& [key, value] : after)
    if (!before.count(key)) text += "  + " + key + " (" + value + ")\n";
  return text;
}

// The invariant of a command that failed: the data drives and the records
// exactly as they were, so nothing it created is left behind either.
void ExpectAsBefore(const DataState& before, const DataState& after) {
  const std::string files = Difference(before.entries, after.entries);
  EXPECT_TRUE(files.empty()) << "the drives changed:\n" << files;
  const std::string records = Difference(before.records, after.records);
  EXPECT_TRUE(records.empty()) << "the records changed:\n" << records;
}

// The command's working folders and set-aside files (TestDoc_B.tavstage,
// .tavcommit, .tavold ...) are gone once it ended, whatever the outcome.
void ExpectNoWorkingFolder(const DataState& state) {
  std::string left;
  for (const auto& [path, size] : state.entries) {
    std::string lower = path;
    for (char& c : lower) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    if (lower.find(".tav") != std::string::npos) left += "  " + path + "\n";
  }
  EXPECT_TRUE(left.empty()) << "left behind:\n" << left;
}

// The state before and after a command and what it said, into the test's
// output and beside the screenshots, to be quoted.
void Report(const std::string& name, const std::string& command, const DataState& before, const std::string& said,
            const DataState& after) {
  const std::string text = "== " + name + ": " + command + "\nbefore:\n" + Listing(before) + said + "after:\n" +
                           Listing(after);
  fwrite(text.data(), 1, text.size(), stdout);
  fflush(stdout);
  if (!Options().shotsDir.empty()) WriteFile(Options().shotsDir + "\\all-or-nothing-" + name + ".txt", text);
}

void Report(const std::string& name, const std::string& commandLine, const DataState& before,
            const UnattendedResult& run, const DataState& after) {
  Report(name, "TavCopyTool.exe " + commandLine, before,
         "output (exit code " + std::to_string(run.exitCode) + "):\n" + run.output, after);
}

class AllOrNothing : public ::testing::Test {
 protected:
  void Prepare(const std::string& discSet) {
    if (automation::CurrentDiscSet() != discSet) GTEST_SKIP() << "needs the disc set " << discSet;
    Reset();
    InstallTool();
  }
  void TearDown() override {
    ResetRegistry();
    CleanDataDrives();
  }
  static void Reset() {
    ResetRegistry();
    CleanDataDrives();
    GrantUserLevel("Biology");
  }
  static UnattendedResult Run(const std::string& commandLine) {
    const UnattendedResult run = RunUnattendedTool(commandLine, 120000);
    EXPECT_TRUE(run.exited) << "still running, probably waiting for someone";
    EXPECT_FALSE(run.windowSeen) << "an unattended run showed a window";
    return run;
  }
  // The invariant of a move that completed: `before` with the kind folders
  // of `from` at `to` (and the folders above it made), `from` gone if that
  // emptied it, and every record that named `from` naming `to` - nothing
  // else changed on the drives, so no working folder is left either.
  static void ExpectMoved(const DataState& before, const std::string& from, const std::string& to) {
    DataState expected = before;
    expected.entries.clear();
    bool othersInOld = false;
    for (const auto& [path, size] : before.entries) {
      bool inKind = false;
      for (const char* kind : {"Ichitaro", "Word", "PDF", "TIF", "TXT", "TXT0", "VOICE"}) {
        const std::string folder = from + "\\" + kind;
        inKind = inKind || path == folder || path.rfind(folder + "\\", 0) == 0;
      }
      if (inKind) {
        expected.entries[to + path.substr(from.size())] = size;
      } else {
        expected.entries[path] = size;
        othersInOld = othersInOld || path.rfind(from + "\\", 0) == 0;
      }
    }
    if (!othersInOld) expected.entries.erase(from);
    for (auto end = to.find('\\', 3); end != std::string::npos; end = to.find('\\', end + 1))
      expected.entries[to.substr(0, end)] = "<folder>";
    expected.entries[to] = "<folder>";
    for (auto& [value, data] : expected.records)
      if (data == from) data = to;
    const DataState after = TakeState();
    const std::string files = Difference(expected.entries, after.entries);
    EXPECT_TRUE(files.empty()) << "the drives are not as the move should leave them:\n" << files;
    const std::string records = Difference(expected.records, after.records);
    EXPECT_TRUE(records.empty()) << "the records are not as the move should leave them:\n" << records;
    ExpectNoWorkingFolder(after);
  }
};

// --- H: on another Unix device than D: and G: --------------------------------

TEST_F(AllOrNothing, CrossDeviceMoveFromTheFixedDriveArrivesWhole) {
  Prepare("cross-device");
  ASSERT_EQ(GetDriveTypeW(L"H:\\"), static_cast<UINT>(DRIVE_FIXED)) << "needs the tmpfs drive H:";
  const UnattendedResult copy = Run("/copy E: D:");
  ASSERT_EQ(copy.exitCode, 0u) << copy.output;
  ASSERT_EQ(Tree(kBiologyOnD), Tree("E:\\TestDoc_B")) << "the whole disc on D:";
  // Only the kind folders move; a file of the school's own stays where it was.
  WriteFile(kBiologyOnD + "\\memo.txt", "not ours");
  const DataState before = TakeState();

  const UnattendedResult move = Run("/move Biology 2007 H:");
  EXPECT_EQ(move.exitCode, 0u) << move.output;
  ExpectMoved(before, kBiologyOnD, kBiologyOnH);
  EXPECT_EQ(Tree(kBiologyOnH), Tree("E:\\TestDoc_B"));
}

TEST_F(AllOrNothing, CrossDeviceMoveFromTheTmpfsDriveThroughTheDialogsArrivesWhole) {
  Prepare("cross-device");
  ASSERT_EQ(GetDriveTypeW(L"H:\\"), static_cast<UINT>(DRIVE_FIXED)) << "needs the tmpfs drive H:";
  const UnattendedResult copy = Run("/copy E: H:");
  ASSERT_EQ(copy.exitCode, 0u) << copy.output;
  ASSERT_EQ(Tree(kBiologyOnH), Tree("E:\\TestDoc_B")) << "the whole disc on H:";
  const DataState before = TakeState();

  ToolProcess tool;
  HWND menu = tool.WaitForMainMenu();
  ASSERT_NE(menu, nullptr);
  MoveDataSet(tool.pid(), menu, "Tav2007  生物", 'G', kBiologyOnG, "cross-device-move");
  ExpectMoved(before, kBiologyOnH, kBiologyOnG);
  EXPECT_EQ(Tree(kBiologyOnG), Tree("E:\\TestDoc_B"));
  automation::Click(menu, 1003);
  EXPECT_TRUE(tool.WaitForExit());
}

// A file held open without delete sharing, as a reader left open on a
// teacher's PC holds it. Wine renames the folder around it (Windows would
// refuse) and then cannot delete it: the delete ends whole either way, with
// the data set and record as they were, or unregistered with nothing left
// but the held file and the folders that hold it, which the run names.
TEST_F(AllOrNothing, LockedFileDeleteEndsWholeOneWayOrTheOther) {
  Prepare("cross-device");
  const UnattendedResult copy = Run("/copy E: D:");
  ASSERT_EQ(copy.exitCode, 0u) << copy.output;
  const std::string locked = kBiologyOnD + "\\PDF\\Q002.pdf";
  const HANDLE lock = CreateFileW(W(locked).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  const DataState before = TakeState();
  const UnattendedResult run = Run("/delete Biology 2007");
  CloseHandle(lock);
  const DataState after = TakeState();
  Report("locked-file-delete", "/delete Biology 2007", before, run, after);

  if (!ReadRecord32("Biology", "DataDir07").empty()) {
    EXPECT_EQ(run.exitCode, 5u) << run.output;
    ExpectAsBefore(before, after);
    return;
  }
  EXPECT_EQ(run.exitCode, 0u) << "the data set is unregistered\n" << run.output;
  DataState deleted = before;
  for (auto entry = deleted.entries.begin(); entry != deleted.entries.end();)
    entry = entry->first.rfind(kBiologyOnD, 0) == 0 ? deleted.entries.erase(entry) : std::next(entry);
  deleted.records.erase("HKLM(32)\\SOFTWARE\\KR_LAB\\Tav2007\\Biology\\DataDir07");
  EXPECT_TRUE(Difference(deleted.records, after.records).empty()) << Difference(deleted.records, after.records);
  // What is left beyond a clean delete: the held file and folders above it.
  std::string heldFile;
  std::vector<std::string> leftFolders;
  for (const auto& [path, size] : after.entries) {
    if (deleted.entries.count(path)) continue;
    if (size == "<folder>") leftFolders.push_back(path);
    else if (heldFile.empty() && size == before.entries.at(locked) && path.size() > 9 &&
             path.compare(path.size() - 9, 9, "\\Q002.pdf") == 0)
      heldFile = path;
    else ADD_FAILURE() << "left behind: " << path;
  }
  for (const auto& [path, size] : deleted.entries)
    EXPECT_TRUE(after.entries.count(path)) << "deleted though not the data set's: " << path;
  bool named = !heldFile.empty() && run.output.find(heldFile) != std::string::npos;
  for (const auto& folder : leftFolders) {
    EXPECT_EQ(heldFile.rfind(folder + "\\", 0), 0u) << "left behind: " << folder;
    named = named || run.output.find(folder) != std::string::npos;
  }
  if (!heldFile.empty()) {
    EXPECT_TRUE(named) << "the run does not name what it left:\n" << run.output;
  }
}

// --- H: out of inodes part-way ---------------------------------------------------

TEST_F(AllOrNothing, FewInodesCopyRecopyAndMoveThatRunOutLeaveEverythingAsItWas) {
  Prepare("few-inodes");
  ASSERT_EQ(GetDriveTypeW(L"H:\\"), static_cast<UINT>(DRIVE_FIXED)) << "needs the tmpfs drive H:";
  const struct {
    const char* name;
    std::vector<std::string> before;  // runs that make the data set the command starts from
    const char* commandLine;
  } cases[] = {
      {"copy", {}, "/copy E: H:"},
      // Registered with two kinds, then the whole disc over them: the staged
      // copy needs more inodes than are left.
      {"recopy", {"/copy E: H: /kinds Word,PDF"}, "/copy E: H:"},
      {"move", {"/copy E: D:"}, "/move Biology 2007 H:"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Reset();
    bool ready = true;
    for (const auto& step : c.before) {
      const UnattendedResult run = Run(step);
      EXPECT_EQ(run.exitCode, 0u) << step << "\n" << run.output;
      ready = ready && run.exitCode == 0;
    }
    if (!ready) continue;
    const DataState before = TakeState();
    const UnattendedResult run = Run(c.commandLine);
    const DataState after = TakeState();
    Report(std::string("few-inodes-") + c.name, c.commandLine, before, run, after);
    EXPECT_EQ(run.exitCode, 5u) << run.output;
    ExpectAsBefore(before, after);
  }
}

TEST_F(AllOrNothing, FewInodesCopyThroughTheDialogsThatRunsOutLeavesNothing) {
  Prepare("few-inodes");
  ASSERT_EQ(GetDriveTypeW(L"H:\\"), static_cast<UINT>(DRIVE_FIXED)) << "needs the tmpfs drive H:";
  const DataState before = TakeState();
  std::string said;
  {
    ToolProcess tool;
    const DWORD pid = tool.pid();
    HWND menu = tool.WaitForMainMenu();
    ASSERT_NE(menu, nullptr);
    StartCopy(pid, menu, {"Ichitaro", "Word", "PDF", "TIF", "TXT", "TXT0", "VOICE"}, 'H', kBiologyOnH);
    // Whatever the shell says of the full disk on the way, the tool must not call it done.
    automation::MessageBoxSeen box = automation::WaitForMessageBox(pid, 60000);
    while (box.window && box.text != "コピーを中断しました。") {
      said += "  box: " + box.text + "\n";
      EXPECT_EQ(box.text.find("コピーを完了しました。"), std::string::npos) << box.text;
      automation::Answer(box, GetDlgItem(box.window, IDOK) ? IDOK : IDCANCEL);
      box = automation::WaitForMessageBox(pid, 60000);
    }
    ASSERT_NE(box.window, nullptr) << "no word of the interrupted copy";
    said += "  box: " + box.text + "\n";
    Shot("all-or-nothing-few-inodes-interrupted");
    automation::Answer(box, IDOK);
    ExpectBox(pid, "別のディスクをコピーしますか？", IDNO);
    automation::Click(menu, 1003);
    ASSERT_TRUE(tool.WaitForExit());
  }
  const DataState after = TakeState();
  Report("few-inodes-interactive-copy", "データのコピー (every kind, H:)", before, said, after);
  ExpectAsBefore(before, after);
}

// --- A record on a drive that is not there --------------------------------------

TEST_F(AllOrNothing, AbsentDriveRefusesMoveAndDeleteAndKeepsTheRecord) {
  Prepare("absent-drive");
  ASSERT_EQ(GetDriveTypeW(L"H:\\"), static_cast<UINT>(DRIVE_NO_ROOT_DIR)) << "H: must be no drive";
  const std::string onH = "H:\\KR_LAB\\Tav2005\\TestDoc_T";
  for (const char* commandLine : {"/move earth 2005 D:", "/delete earth 2005"}) {
    SCOPED_TRACE(commandLine);
    Reset();
    GrantUserLevel("Earth");
    WriteRecord32("Earth", "DataDir05", onH);
    WriteRecord32("General", "DataDir05", onH);
    const DataState before = TakeState();
    const UnattendedResult run = Run(commandLine);
    const DataState after = TakeState();
    Report(std::string("absent-drive-") + (commandLine[1] == 'm' ? "move" : "delete"), commandLine, before, run,
           after);
    EXPECT_EQ(run.exitCode, 3u) << run.output;
    ExpectAsBefore(before, after);
  }
}

}  // namespace
