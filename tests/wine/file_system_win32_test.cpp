// The file system port against Wine's real files and shell, and the
// commands' proofs against what that shell really does.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <fstream>
#include <thread>

#include "command/tree_checks.h"
#include "command/app_state.h"
#include "catalogue/data_dir_records.h"
#include "command/fake/fake_command_dialogs.h"
#include "move/move_command.h"
#include "platform/text.h"
#include "platform/win32/win32_disks.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_profile.h"
#include "platform/win32/win32_prompts.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_wait_cursor.h"
#include "tests/support/automation.h"

namespace {

const std::string kRoot = "D:\\tav-fs-test";

void Write(const std::string& path, std::size_t bytes) {
  std::ofstream(Utf8ToUtf16(path).c_str(), std::ios::binary) << std::string(bytes, 'x');
}

class Win32FileSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Clean();
    for (const char* folder : {"", "\\disc", "\\disc\\Word", "\\disc\\PDF", "\\disc\\PDF\\第1章"})
      ASSERT_TRUE(files.CreateFolder(kRoot + folder)) << kRoot + folder;
    Write(kRoot + "\\disc\\Word\\Q001.doc", 1000);
    Write(kRoot + "\\disc\\PDF\\第1章\\表紙.pdf", 2500);
  }
  void TearDown() override { Clean(); }
  void Clean() { files.RunShellOperation(ShellOp::Delete, {kRoot}, ""); }
  std::vector<std::string> Kinds(const std::string& base) { return {base + "\\Word", base + "\\PDF"}; }

  Win32FileSystem files{NoWindowOwner()};
};

TEST_F(Win32FileSystemTest, ListsTreesWithSizesAndTellsFoldersFromFiles) {
  const auto tree = files.ListTree(kRoot + "\\disc\\PDF");
  ASSERT_TRUE(tree.has_value());
  ASSERT_EQ(tree->size(), 2u);
  EXPECT_EQ((*tree)[0].relativePath, "第1章");
  EXPECT_TRUE((*tree)[0].isFolder);
  EXPECT_EQ((*tree)[1].relativePath, "第1章\\表紙.pdf");
  EXPECT_EQ((*tree)[1].size, 2500u);
  EXPECT_FALSE(files.ListTree(kRoot + "\\missing").has_value());
  EXPECT_TRUE(files.IsFolder(kRoot + "\\disc\\Word"));
  EXPECT_FALSE(files.IsFolder(kRoot + "\\disc\\Word\\Q001.doc"));
  EXPECT_TRUE(files.Exists(kRoot + "\\disc\\Word\\Q001.doc"));
  EXPECT_FALSE(files.RemoveEmptyFolder(kRoot + "\\disc\\Word")) << "a folder with files stays";
}

// A character outside the BMP is a surrogate pair in Windows' names and four
// bytes in ours: a folder named with one is created, found and listed back.
TEST_F(Win32FileSystemTest, FolderNamedWithASurrogatePairGoesBothWays) {
  const std::string folder = kRoot + "\\𠮷野家";
  ASSERT_TRUE(files.CreateFolder(folder));
  Write(folder + "\\𠮷.txt", 12);
  EXPECT_TRUE(files.IsFolder(folder));
  EXPECT_EQ(files.FullPath(folder), folder);
  const auto tree = files.ListTree(kRoot);
  ASSERT_TRUE(tree.has_value());
  bool listed = false;
  for (const auto& entry : *tree) listed = listed || (entry.relativePath == "𠮷野家\\𠮷.txt" && entry.size == 12);
  EXPECT_TRUE(listed) << "the file is listed under its own name";
}

TEST_F(Win32FileSystemTest, CopiesMovesAndDeletesFolderLists) {
  const std::string data = kRoot + "\\KR_LAB\\Tav2007\\TestDoc_B";
  const ShellOutcome copied = files.RunShellOperation(ShellOp::Copy, Kinds(kRoot + "\\disc"), data);
  EXPECT_TRUE(copied.Succeeded()) << copied.result;
  for (const auto& kind : {"\\Word", "\\PDF"})
    EXPECT_TRUE(FilesArrived(files, *files.ListTree(kRoot + "\\disc" + kind), data + kind)) << kind;

  // A destination that does not exist yet: Wine's shell would rename the
  // first folder of the list onto it; the port makes the folder first.
  const std::string moved = kRoot + "\\moved\\TestDoc_B";
  EXPECT_TRUE(files.RunShellOperation(ShellOp::Move, Kinds(data), moved).Succeeded());
  EXPECT_FALSE(files.Exists(data + "\\Word"));
  EXPECT_TRUE(files.Exists(moved + "\\PDF\\第1章\\表紙.pdf"));
  EXPECT_TRUE(files.RemoveEmptyFolder(data));

  EXPECT_TRUE(files.RunShellOperation(ShellOp::Delete, Kinds(moved), "").Succeeded());
  EXPECT_FALSE(files.Exists(moved + "\\Word"));
  EXPECT_FALSE(files.Exists(moved + "\\PDF"));
}

// The root of a drive lists no "." and "..", and an empty one lists nothing
// at all (Wine does as Windows does). Outside the disc sets the CD-ROM drive
// F: holds no disc: its root is such an empty folder. Empty is no failure.
TEST_F(Win32FileSystemTest, AFolderThatListsNoEntriesAtAllIsEmpty) {
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW(L"F:\\*", &data);
  if (find != INVALID_HANDLE_VALUE) FindClose(find);
  ASSERT_EQ(find, INVALID_HANDLE_VALUE) << "F: is expected to be an empty drive here";
  ASSERT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));

  const auto tree = files.ListTree("F:\\");
  ASSERT_TRUE(tree.has_value()) << "an empty folder is readable";
  EXPECT_TRUE(tree->empty());
  EXPECT_EQ(TreeSize(files, "F:\\"), std::optional<std::uint64_t>(0));
  EXPECT_TRUE(FilesArrived(files, {}, "F:\\"));
  EXPECT_FALSE(files.ListTree("F:\\missing").has_value()) << "a missing folder still is no listing";
}

TEST_F(Win32FileSystemTest, PathsTooLongForTheShellAreRefusedBeforeItSeesThem) {
  const std::string longFolder = kRoot + "\\" + std::string(260 - kRoot.size() - 1, 'a');
  ASSERT_EQ(Utf16Length(longFolder), 260u);
  const ShellOutcome outcome = files.RunShellOperation(ShellOp::Copy, {kRoot + "\\disc\\Word"}, longFolder);
  EXPECT_EQ(outcome.result, ERROR_FILENAME_EXCED_RANGE);
  EXPECT_FALSE(outcome.Succeeded());
  EXPECT_FALSE(files.Exists(kRoot + "\\aaaa")) << "nothing was created";
}

// A move on one drive onto a data folder that already holds a kind folder
// of the same name: Wine 8's shell would return 0 and move nothing, so the
// move renames instead, file by file where the folder exists. Afterwards
// the new folder holds both folders' files (the moved one replacing its
// namesake), the old folder is gone, the record names the new one, and no
// working folder is left.
TEST_F(Win32FileSystemTest, AMoveOnOneDriveMergesIntoAnExistingKindFolderByRenames) {
  const std::string oldFolder = kRoot + "\\old\\TestDoc_B";
  const std::string newFolder = kRoot + "\\new\\TestDoc_B";
  ASSERT_TRUE(files.RunShellOperation(ShellOp::Copy, {kRoot + "\\disc\\Word"}, oldFolder).Succeeded());
  ASSERT_TRUE(files.RunShellOperation(ShellOp::Copy, {kRoot + "\\disc\\Word"}, newFolder).Succeeded());
  Write(newFolder + "\\Word\\extra.doc", 4);
  Write(newFolder + "\\Word\\Q001.doc", 5);  // an older copy of the same question

  FakeCommandDialogs dialogs;  // nothing scripted: no dialog may run
  TavAppState app;
  Win32Registry registry;
  Win32Disks disks;
  Win32Profile profile;
  Win32Prompts prompts{NoWindowOwner()};
  bool busy = false;
  Win32WaitCursor waitCursor;
  CommandContext context{app, registry, disks, files, profile, prompts, dialogs, busy, waitCursor};
  app.m_szSubjectKey = "Biology";
  app.m_szSubject = "B";
  app.m_szYear = "2004";  // a year no other test registers
  app.m_szDataDir = oldFolder;
  app.m_szDestDir = newFolder;
  const TransferOutcome outcome = MoveDataSet(context);
  EXPECT_EQ(outcome.result, Transfer::Done);
  EXPECT_FALSE(files.Exists(oldFolder)) << "the emptied old folder goes";
  EXPECT_TRUE(files.Exists(newFolder + "\\Word\\extra.doc")) << "what the new folder held stays";
  const auto moved = files.ListTree(newFolder + "\\Word");
  ASSERT_TRUE(moved.has_value());
  const auto q001 = std::find_if(moved->begin(), moved->end(), [](const FileEntry& e) { return e.relativePath == "Q001.doc"; });
  ASSERT_NE(q001, moved->end());
  EXPECT_EQ(q001->size, 1000u) << "the moved file replaced its namesake";
  for (const char* working : {".tavstage", ".tavcommit", ".tavold", ".tavgather"})
    EXPECT_FALSE(files.Exists(newFolder + working)) << working;
  EXPECT_EQ(ReadDataDirRecord(registry, "Biology", "2004"), newFolder);
  DeleteDataDirRecord(registry, "Biology", "2004");
  EXPECT_FALSE(busy);
}

// The boxes are owned by the window the composition names, asked at the
// moment a box shows, and by none for PromptOwner::None.
TEST(Win32PromptsOwner, TheMainWindowIsTheOneHandedIn) {
  HWND main = CreateWindowExW(0, L"STATIC", L"main", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr,
                              nullptr, nullptr);
  ASSERT_NE(main, nullptr);
  HWND current = nullptr;
  Win32Prompts prompts{[&] { return current; }};
  current = main;  // named after construction: read at each box
  for (PromptOwner owner : {PromptOwner::MainWindow, PromptOwner::None}) {
    HWND boxOwner = reinterpret_cast<HWND>(1);
    std::thread driver([&] {
      automation::MessageBoxSeen box = automation::WaitForMessageBox(GetCurrentProcessId());
      if (box.window) boxOwner = GetWindow(box.window, GW_OWNER);
      automation::Answer(box, IDOK);
    });
    EXPECT_EQ(prompts.Show(owner, "text", "Tavコピーツール", MB_OK), IDOK);
    driver.join();
    EXPECT_EQ(boxOwner, owner == PromptOwner::MainWindow ? main : nullptr);
  }
  DestroyWindow(main);
}

}  // namespace
