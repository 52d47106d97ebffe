#include "ui/destination.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_disks.h"
#include "platform/fake/fake_registry.h"

namespace {

constexpr std::uint64_t kMiB = 1ull << 20;

TEST(DriveEntry, FreeSpaceInWholeMegabytes) {
  const struct {
    char letter;
    std::optional<std::uint64_t> freeBytes;
    const char* expected;
  } cases[] = {
      {'D', 3758096384ull, "D:\\　（約3584MBの空き）"},
      {'C', 0, "C:\\　（約0MBの空き）"},
      {'C', kMiB - 1, "C:\\　（約0MBの空き）"},
      {'C', kMiB, "C:\\　（約1MBの空き）"},
      {'C', 2 * kMiB + kMiB / 2, "C:\\　（約2MBの空き）"},
      {'E', 2048ull * 1024 * kMiB, "E:\\　（約2097152MBの空き）"},  // 2 TiB
      {'E', 3072ull * 1024 * kMiB, "E:\\　（約3145728MBの空き）"},  // 3 TiB: past any 32-bit figure
      {'Z', std::nullopt, "Z:\\　（空き容量不明）"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatDriveEntry(c.letter, c.freeBytes), c.expected);
}

// Logs every probe and every message pump in the order they happen.
class LoggingDisks : public FakeDisks {
 public:
  DriveType DriveTypeOf(const std::string& root) override {
    log.push_back("type " + root);
    return FakeDisks::DriveTypeOf(root);
  }
  std::optional<std::uint64_t> FreeBytes(const std::string& path) override {
    log.push_back("free " + path);
    return FakeDisks::FreeBytes(path);
  }
  std::vector<std::string> log;
};

TEST(DriveList, FixedDrivesOnlyInLetterOrder) {
  LoggingDisks disks;
  disks.drives['Y'] = {DriveType::Fixed, "DATA", 10 * kMiB};
  disks.drives['A'] = {DriveType::Removable, std::nullopt, 5 * kMiB};
  disks.drives['C'] = {DriveType::Fixed, "OS", 3072ull * 1024 * kMiB};
  disks.drives['D'] = {DriveType::Fixed, std::nullopt, std::nullopt};  // free space unreadable
  disks.drives['E'] = {DriveType::CdRom, "TAV07B_0", 0};
  disks.drives['F'] = {DriveType::Remote, std::nullopt, 100 * kMiB};
  disks.drives['G'] = {DriveType::RamDisk, std::nullopt, 100 * kMiB};
  disks.drives['H'] = {DriveType::Unknown, std::nullopt, 100 * kMiB};
  disks.drives['I'] = {DriveType::Fixed, std::nullopt, kMiB - 1};

  EXPECT_EQ(BuildDriveList(disks, {}), (std::vector<std::string>{
                                           "C:\\　（約3145728MBの空き）",
                                           "D:\\　（空き容量不明）",
                                           "I:\\　（約0MBの空き）",
                                           "Y:\\　（約10MBの空き）",
                                       }));
  EXPECT_EQ(disks.freeSpaceQueries, 4) << "only fixed drives are asked for their free space";
}

TEST(DriveList, OneMessageIsPumpedBeforeEachLetter) {
  LoggingDisks disks;
  disks.drives['C'] = {DriveType::Fixed, "OS", kMiB};
  const auto entries = BuildDriveList(disks, [&] { disks.log.push_back("pump"); });
  ASSERT_EQ(entries.size(), 1u);

  std::vector<std::string> expected;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    const std::string root{letter, ':', '\\'};
    expected.push_back("pump");
    expected.push_back("type " + root);
    if (letter == 'C') expected.push_back("free " + root);
  }
  EXPECT_EQ(disks.log, expected);
}

TEST(DriveList, NoFixedDriveGivesAnEmptyList) {
  FakeDisks disks;
  disks.drives['E'] = {DriveType::CdRom, "TAV07B_0", 0};
  EXPECT_TRUE(BuildDriveList(disks, {}).empty());
}

TEST(DataFolder, ComposedFromTheEntrysDriveLetter) {
  const struct {
    const char* entry;
    std::optional<std::string> expected;
  } cases[] = {
      {"D:\\　（約3584MBの空き）", "D:\\KR_LAB\\Tav2007\\TestDoc_B"},
      {"Z:\\　（空き容量不明）", "Z:\\KR_LAB\\Tav2007\\TestDoc_B"},
      {"", std::nullopt},  // nothing chosen
      {"d:\\", std::nullopt},
      {"　（空き容量不明）", std::nullopt},
      {"1:\\", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ComposeDataFolder(c.entry, "2007", "B"), c.expected) << c.entry;
  EXPECT_EQ(ComposeDataFolder("C:\\", "2000", "T")->size(), 27u);
}

TEST(DestFolderText, NormalizedBeforeTheCheck) {
  const struct {
    const char* text;
    const char* expected;
  } cases[] = {
      {"D:\\KR_LAB\\Tav2007\\TestDoc_B", "D:\\KR_LAB\\Tav2007\\TestDoc_B"},
      {"  D:\\a\\b \t\r\n", "D:\\a\\b"},
      {"D:\\a\\\\\\", "D:\\a"},
      {"D:\\\\", "D:\\"},  // a root keeps its one '\'
      {"D:\\", "D:\\"},
      {"D:", "D:\\"},
      {"d:", "d:\\"},
      {" D: ", "D:\\"},
      {"1:", "1:"},
      {"D", "D"},
      {"", ""},
      {"   ", ""},
      {"\\\\\\\\", "\\\\\\"},
      {"表\\", "表\\"},  // 2 characters: nothing to strip
      {"　D:\\a", "　D:\\a"},  // the ideographic space is not trimmed
  };
  for (const auto& c : cases) EXPECT_EQ(NormalizeDestFolderText(c.text), c.expected) << c.text;
}

TEST(DestDialogTexts, BothVariants) {
  const DestDialogTexts& copy = DestDialogTextsFor(DestVariant::Copy);
  const DestDialogTexts& move = DestDialogTextsFor(DestVariant::Move);
  EXPECT_STREQ(copy.noDriveMessage, "コピー先のドライブを指定してください。");
  EXPECT_STREQ(move.noDriveMessage, "移動先のドライブを指定してください。");
  EXPECT_FALSE(copy.checksRegisteredFolder);
  EXPECT_TRUE(move.checksRegisteredFolder);
  EXPECT_EQ(FormatDestDataLine(DestVariant::Copy, "2007", "生物"), "セットされたCD-ROMは「Tav2007 生物」です。");
  EXPECT_EQ(FormatDestDataLine(DestVariant::Move, "2003", "地学・総合"), "選択されたデータは「Tav2003 地学・総合」です。");
  EXPECT_EQ(FormatDestDataLine(DestVariant::Move, "%s", "x"), "選択されたデータは「Tav%s x」です。");
}

class MoveSource : public ::testing::Test {
 protected:
  void SetUp() override {
    app.m_szSubjectKey = "Biology";
    app.m_szYear = "2005";
    app.m_szDataDir = "before";
  }
  void TearDown() override { EXPECT_EQ(registry.openHandles, 0); }
  void Register(const char* path) {
    registry.Set(RegRoot::LocalMachine, "SOFTWARE\\KR_LAB\\Tav2007\\Biology", "DataDir05", path);
  }
  FakeRegistry registry;
  TavAppState app;
};

TEST_F(MoveSource, TheDataSetsOwnFolderIsRefusedInAnyLetterCaseAndWithATrailingBackslash) {
  const struct {
    const char* registered;
    MoveSourceCheck expected;
  } cases[] = {
      {"D:\\KR_LAB\\Tav2005\\TestDoc_B", MoveSourceCheck::SameFolder},
      {"d:\\kr_lab\\TAV2005\\testdoc_b", MoveSourceCheck::SameFolder},
      // Plain forms compare: one trailing backslash is dropped, no more.
      {"D:\\KR_LAB\\Tav2005\\TestDoc_B\\", MoveSourceCheck::SameFolder},
      {"D:\\KR_LAB\\Tav2005\\TestDoc_B\\\\", MoveSourceCheck::Accepted},
      {"C:\\KR_LAB\\Tav2005\\TestDoc_B", MoveSourceCheck::Accepted},
      {"D:\\KR_LAB\\Tav2005\\TestDoc_BB", MoveSourceCheck::Accepted},
  };
  for (const auto& c : cases) {
    Register(c.registered);
    const CheckedMoveSource source = CheckMoveSource(registry, app, "D:\\KR_LAB\\Tav2005\\TestDoc_B");
    EXPECT_EQ(source.check, c.expected) << c.registered;
    EXPECT_EQ(source.registeredFolder, c.registered) << "the registered folder is handed back either way";
  }
}

TEST_F(MoveSource, AMissingRecordCannotBeMoved) {
  EXPECT_EQ(CheckMoveSource(registry, app, "D:\\KR_LAB\\Tav2005\\TestDoc_B").check, MoveSourceCheck::RecordUnreadable);
  registry.Set(RegRoot::LocalMachine, "SOFTWARE\\KR_LAB\\Tav2007\\Biology", "DataDir04", "D:\\x");
  const CheckedMoveSource source = CheckMoveSource(registry, app, "D:\\KR_LAB\\Tav2005\\TestDoc_B");
  EXPECT_EQ(source.check, MoveSourceCheck::RecordUnreadable);
  EXPECT_EQ(source.registeredFolder, "");
  EXPECT_STREQ(kSameFolderMessage, "移動元フォルダと同じフォルダには移動できません。");
}

}  // namespace
