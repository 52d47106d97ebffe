// Move and delete over Wine's real files, shell and registry with records
// that spell the data folder in other ways than the plain one: the kind
// folders at the top level of the drive, which such a spelling could reach,
// must survive, and so must the data set and its record.
#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <fstream>
#include <string>
#include <vector>

#include "catalogue/content_kinds.h"
#include "catalogue/data_dir_records.h"
#include "command/app_state.h"
#include "command/fake/fake_command_dialogs.h"
#include "delete/delete_command.h"
#include "move/move_command.h"
#include "platform/fake/fake_prompts.h"
#include "platform/text.h"
#include "platform/win32/win32_disks.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_profile.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_wait_cursor.h"
#include "ui/data_list.h"
#include "ui/destination.h"
#include "command/folder_path_rules.h"

namespace {

const std::string kData = "G:\\KR_LAB\\Tav2007\\TestDoc_B";
const std::string kDataFile = kData + "\\Word\\q01.doc";
// What a spelling that climbs out of the data folder could reach.
const std::vector<std::string> kBystanders = {"G:\\Word\\keep.doc", "G:\\PDF\\keep.pdf",
                                              "G:\\KR_LAB\\VOICE\\keep.mp3", "G:\\KR_LAB\\Tav2007\\TXT\\keep.txt"};

bool Exists(const std::string& path) {
  return GetFileAttributesW(Utf8ToUtf16(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void WriteFile(const std::string& path) {
  for (std::size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1))
    CreateDirectoryW(Utf8ToUtf16(path.substr(0, at)).c_str(), nullptr);
  std::ofstream(Utf8ToUtf16(path).c_str(), std::ios::binary) << "data";
}

class RegisteredFolderSpelling : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* top : {"G:\\Word", "G:\\PDF", "G:\\KR_LAB", "D:\\KR_LAB"})
      ASSERT_FALSE(Exists(top)) << top << " belongs to someone else; this test would remove it";
    Clean();
  }
  void TearDown() override { Clean(); }
  void Clean() {
    files.RunShellOperation(ShellOp::Delete, {"G:\\Word", "G:\\PDF", "G:\\KR_LAB", "D:\\KR_LAB"}, "");
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\Wow6432Node\\KR_LAB\\Tav2007\\Biology");
  }
  void Arrange(const std::string& record) {
    for (const auto& file : kBystanders) WriteFile(file);
    WriteFile(kDataFile);
    ASSERT_EQ(WriteDataDirRecord(registry, "Biology", "2007", record), RecordUpdate::Done);
  }
  std::vector<std::string> BystandersLost() const {
    std::vector<std::string> lost;
    for (const auto& file : kBystanders)
      if (!Exists(file)) lost.push_back(file);
    return lost;
  }
  // The data set the list dialog shows as `line` (to a user with rights on
  // every subject).
  ListedDataSet Listed(const std::string& line) {
    std::array<bool, kSubjectCount> everyone;
    everyone.fill(true);
    for (auto& entry : BuildDataList(registry, everyone))
      if (entry.line == line) return entry;
    ADD_FAILURE() << line << " is not listed";
    return {};
  }
  // The command over the real ports; the dialogs do what they would for the
  // Biology 2007 line (and the move's destination on D:), the boxes answer
  // "はい" to the start and "いいえ" to another one.
  std::vector<std::string> Run(bool move) {
    FakePrompts prompts;
    prompts.answers = {IDYES, IDNO};
    FakeCommandDialogs dialogs;
    const std::string line = "Tav2007  生物";
    if (move) {
      dialogs.script.push_back({CommandDialog::MoveList, [&] {
                                  const auto chosen = ConfirmChosenDataSet(registry, DataListVariant::Move, Listed(line));
                                  EXPECT_TRUE(chosen.has_value());
                                  return chosen ? DialogResult{*chosen} : DialogResult{};
                                }});
      dialogs.script.push_back({CommandDialog::MoveDest, [&] {
                                  const std::string composed = DataFolder('D', "2007", "B");
                                  CheckedMoveSource source = CheckMoveSource(registry, app, composed);
                                  EXPECT_EQ(source.check, MoveSourceCheck::Accepted);
                                  EXPECT_EQ(CreateFolderPath(files, composed), FolderResult::Ok);
                                  return DialogResult{ChosenDestination{composed, source.registeredFolder, {}}};
                                }});
    } else {
      dialogs.script.push_back({CommandDialog::DeleteList, [&] {
                                  const auto chosen = ConfirmChosenDataSet(registry, DataListVariant::Delete, Listed(line));
                                  EXPECT_TRUE(chosen.has_value());
                                  return chosen ? DialogResult{*chosen} : DialogResult{};
                                }});
    }
    bool busy = false;
    Win32WaitCursor waitCursor;
    CommandContext context{app, registry, disks, files, profile, prompts, dialogs, busy, waitCursor};
    if (move)
      RunMoveCommand(context);
    else
      RunDeleteCommand(context);
    EXPECT_TRUE(dialogs.script.empty());
    return prompts.Texts();
  }

  TavAppState app;
  Win32Registry registry;
  Win32Disks disks;
  Win32FileSystem files{NoWindowOwner()};
  Win32Profile profile;
};

TEST_F(RegisteredFolderSpelling, OtherSpellingsChangeNothingOnDisk) {
  const char* const spellings[] = {
      "G:\\KR_LAB\\..",                          // the drive's own top level
      "G:\\KR_LAB\\Tav2007\\..",                 // KR_LAB
      "G:\\KR_LAB\\.\\Tav2007\\..\\Tav2007",     // the year folder, roundabout
      "G:\\KR_LAB\\.\\Tav2007\\TestDoc_B",       // the data folder itself, with a "." level
      "G:\\\\KR_LAB\\Tav2007\\TestDoc_B",        // an empty level
      "G:\\KR_LAB\\Tav2007\\TestDoc_B\\\\",      // two trailing backslashes
      "G:\\KR_LAB\\CON",                         // a device to the system
  };
  for (const char* spelling : spellings) {
    for (bool move : {false, true}) {
      SCOPED_TRACE(std::string(move ? "move " : "delete ") + spelling);
      Arrange(spelling);
      const std::vector<std::string> boxes = Run(move);
      ASSERT_EQ(boxes.size(), 3u);
      EXPECT_EQ(boxes[1], move ? "移動を中断しました。" : "削除を中断しました。");
      EXPECT_EQ(BystandersLost(), std::vector<std::string>{});
      EXPECT_TRUE(Exists(kDataFile)) << "the data set stays where it is";
      EXPECT_FALSE(Exists("D:\\KR_LAB\\Tav2007\\TestDoc_B\\Word")) << "nothing arrived on D:";
      EXPECT_FALSE(Exists("D:\\KR_LAB\\Tav2007\\TestDoc_B\\PDF")) << "nothing arrived on D:";
      EXPECT_EQ(ReadDataDirRecord(registry, "Biology", "2007"), std::optional<std::string>(spelling))
          << "the record is kept";
      Clean();
    }
  }
}

// One trailing backslash is how others may have written a record: the data
// set goes, and only it.
TEST_F(RegisteredFolderSpelling, OneTrailingBackslashIsThePlainFolder) {
  for (bool move : {false, true}) {
    SCOPED_TRACE(move ? "move" : "delete");
    Arrange(kData + "\\");
    const std::vector<std::string> boxes = Run(move);
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[1], move ? "移動を完了しました。" : "削除を完了しました。");
    EXPECT_EQ(BystandersLost(), std::vector<std::string>{});
    EXPECT_FALSE(Exists(kData + "\\Word"));
    EXPECT_EQ(Exists("D:\\KR_LAB\\Tav2007\\TestDoc_B\\Word\\q01.doc"), move);
    EXPECT_EQ(ReadDataDirRecord(registry, "Biology", "2007"),
              move ? std::optional<std::string>(DataFolder('D', "2007", "B")) : std::nullopt);
    Clean();
  }
}

}  // namespace
