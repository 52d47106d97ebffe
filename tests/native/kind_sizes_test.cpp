#include "copy/kind_sizes.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "copy/content_selection.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_profile.h"
#include "platform/text.h"

namespace {

constexpr std::int64_t MB = 1048576;

TEST(ContentSize, SectionNames) {
  const struct {
    const char* year;
    const char* code;
    const char* edition;
    const char* expected;
  } cases[] = {
      {"2006", "B", "", "Tav2006B"},     {"2007", "B", "", "Tav2007B"},
      {"2007", "E", "E", "Tav2007E_E"},  {"2007", "E", "W", "Tav2007E_W"},
      {"2007", "E", "", "Tav2007E_"},    {"2006", "E", "E", "Tav2006E"},
      {"2006", "E", "W", "Tav2006E"},    {"2002", "W", "", "Tav2002W"},
  };
  for (const auto& c : cases) EXPECT_EQ(KindSizeSectionName(c.year, c.code, c.edition), c.expected);
}

TEST(ContentSize, ParsesLikeAtoi64) {
  const struct {
    const char* text;
    std::int64_t expected;
  } cases[] = {
      {"104857600", 104857600},
      {"52428800MB", 52428800},
      {"12 34", 12},
      {"  \t77", 77},
      {"+5", 5},
      {"-5", -5},
      {"- 5", 0},
      {"abc", 0},
      {"", 0},
      {"0x10", 0},
      {"9223372036854775807", std::numeric_limits<std::int64_t>::max()},
      {"9223372036854775808", std::numeric_limits<std::int64_t>::max()},
      {"99999999999999999999999", std::numeric_limits<std::int64_t>::max()},
      {"-9223372036854775808", std::numeric_limits<std::int64_t>::min()},
      {"-99999999999999999999999", std::numeric_limits<std::int64_t>::min()},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseInt64Prefix(c.text), c.expected) << '"' << c.text << '"';
}

// The Biology 2007 disc in E: and the INI beside the tool.
class KindSizes : public ::testing::Test {
 protected:
  static constexpr const char* kIni = "C:\\Tav\\TavCopyTool.INI";
  static constexpr const char* kDisc = "E:\\TestDoc_B";
  KindSize Read(ContentKind kind) { return ReadKindSize(profile, files, kIni, "Tav2007B", kDisc, kind); }
  std::array<KindSize, kKindCount> ReadAll() { return ReadKindSizes(profile, files, kIni, "Tav2007B", kDisc); }
  FakeProfile profile;
  FakeFileSystem files;
};

// Whether the section has the kind's key decides where the size comes from:
// a present key keeps the table's rules whatever the disc holds; a missing
// key, section or file measures the kind folder on the disc.
TEST_F(KindSizes, TableKeyOrDiscFolder) {
  enum class Folder { Files, Missing, FileInItsPlace, Unreadable, Empty, Huge };
  const struct {
    const char* name;
    std::function<void(FakeProfile&)> table;
    Folder folder;
    std::int64_t bytes;
    bool offered;
    const char* label;
  } cases[] = {
      // The table's rules, as the value is read by _atoi64.
      {"key: bytes", [](FakeProfile& p) { p.sections["Tav2007B"]["Word"] = "104857600"; }, Folder::Files, 100 * MB,
       true, "（約100MB）"},
      {"key: digits then text", [](FakeProfile& p) { p.sections["Tav2007B"]["Word"] = "52428800 bytes"; },
       Folder::Files, 50 * MB, true, "（約50MB）"},
      {"key: under a megabyte", [](FakeProfile& p) { p.sections["Tav2007B"]["Word"] = "1048575"; }, Folder::Files,
       1048575, true, "（約0MB）"},
      {"key: beyond 4 GiB", [](FakeProfile& p) { p.sections["Tav2007B"]["Word"] = "5368709120"; }, Folder::Missing,
       5 * 1024 * MB, true, "（約5120MB）"},
      {"key: 0 withholds the kind the disc has", [](FakeProfile& p) { p.sections["Tav2007B"]["Word"] = "0"; },
       Folder::Files, 0, false, ""},
      {"key: negative", [](FakeProfile& p) { p.sections["Tav2007B"]["Word"] = "-104857600"; }, Folder::Files,
       -100 * MB, false, ""},
      {"key: empty", [](FakeProfile& p) { p.sections["Tav2007B"]["Word"] = ""; }, Folder::Files, 0, false, ""},
      {"key: not a number", [](FakeProfile& p) { p.sections["Tav2007B"]["Word"] = "about 100MB"; }, Folder::Files, 0,
       false, ""},
      {"key in another letter case is the kind's key",
       [](FakeProfile& p) { p.sections["Tav2007B"]["word"] = "0"; }, Folder::Files, 0, false, ""},
      // Measured on the disc: 3 MB in the folder and 512 KB in a subfolder.
      {"key missing, folder on the disc",
       [](FakeProfile& p) { p.sections["Tav2007B"]["PDF"] = "1"; }, Folder::Files, 3 * MB + MB / 2, true,
       "（約3MB）"},
      {"section missing", [](FakeProfile& p) { p.sections["Tav2006B"]["Word"] = "1"; }, Folder::Files,
       3 * MB + MB / 2, true, "（約3MB）"},
      {"INI file missing", [](FakeProfile&) {}, Folder::Files, 3 * MB + MB / 2, true, "（約3MB）"},
      {"an empty kind folder is there, with nothing in it", [](FakeProfile&) {}, Folder::Empty, 0, true,
       "（約0MB）"},
      {"a sum beyond 4 GiB", [](FakeProfile&) {}, Folder::Huge, 6 * 1024 * MB, true, "（約6144MB）"},
      {"folder missing", [](FakeProfile&) {}, Folder::Missing, 0, false, ""},
      {"a file in the folder's place", [](FakeProfile&) {}, Folder::FileInItsPlace, 0, false, ""},
      {"a folder that cannot be listed", [](FakeProfile&) {}, Folder::Unreadable, 0, false, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeProfile table;
    c.table(table);
    profile = table;
    files = FakeFileSystem();
    const std::string word = std::string(kDisc) + "\\Word";
    files.AddFolder(kDisc);
    switch (c.folder) {
      case Folder::Files:
      case Folder::Unreadable:
        files.AddFile(word + "\\q01.doc", 3 * MB);
        files.AddFile(word + "\\sub\\q02.doc", MB / 2);
        if (c.folder == Folder::Unreadable) files.refuseList.insert(AsciiUpper(word + "\\sub"));
        break;
      case Folder::Missing: break;
      case Folder::FileInItsPlace: files.AddFile(word, 3 * MB); break;
      case Folder::Empty: files.AddFolder(word); break;
      case Folder::Huge:
        files.AddFile(word + "\\a.doc", 3 * 1024 * MB);
        files.AddFile(word + "\\b\\b.doc", 3 * 1024 * MB);
        break;
    }
    const KindSize s = Read(ContentKind::Word);
    EXPECT_EQ(s.bytes, c.bytes);
    EXPECT_EQ(s.offered, c.offered);
    EXPECT_EQ(s.label, c.label);
  }
}

// A section that gives Word and withholds PDF; the other kinds the disc has
// are measured, the kinds it lacks are not offered.
TEST_F(KindSizes, TableAndDiscTogether) {
  profile.sections["Tav2007B"] = {{"Word", "104857600"}, {"PDF", "0"}};
  files.AddFile("E:\\TestDoc_B\\Word\\q.doc", 1000);
  files.AddFile("E:\\TestDoc_B\\PDF\\q.pdf", 60 * MB);
  files.AddFile("E:\\TestDoc_B\\TXT\\t.txt", 20 * MB);
  files.AddFile("E:\\TestDoc_B\\VOICE\\a.mp3", 25 * MB);
  files.AddFile("E:\\TestDoc_B\\VOICE\\disc2\\b.mp3", 5 * MB);
  files.AddFile("E:\\TestDoc_B\\TIF", 7);  // a file, no kind folder
  const auto sizes = ReadAll();
  KindFlags offered{};
  std::array<std::string, kKindCount> labels;
  for (int k = 0; k < kKindCount; ++k) {
    offered[k] = sizes[k].offered;
    labels[k] = sizes[k].label;
  }
  EXPECT_EQ(offered, (KindFlags{false, true, false, false, true, false, true}));
  EXPECT_EQ(labels, (std::array<std::string, kKindCount>{"", "（約100MB）", "", "", "（約20MB）", "", "（約30MB）"}));
  EXPECT_EQ(RequiredSpaceLine(RequiredSpace(sizes, offered)), "コピー先のハードディスクには、約150MBの空き容量が必要です。");
  offered[KindIndex(ContentKind::VOICE)] = false;
  EXPECT_EQ(RequiredSpace(sizes, offered), static_cast<std::uint64_t>(120 * MB));
}

TEST_F(KindSizes, NoTableAndNoDiscFolderOffersNothing) {
  files.AddFolder("E:\\TestDoc_B");
  const auto sizes = ReadAll();
  for (const auto& s : sizes) EXPECT_FALSE(s.offered);
  KindFlags all;
  all.fill(true);
  EXPECT_EQ(RequiredSpaceLine(RequiredSpace(sizes, all)), "コピー先のハードディスクには、約0MBの空き容量が必要です。");
}

// What the copy command leaves for the content selection: the identified
// disc's section and subject folder, every kind written over, and no walk
// of a folder relative to the current one when the disc has no drive root.
TEST_F(KindSizes, DetermineForTheIdentifiedDisc) {
  files.AddFile("E:\\TestDoc_E\\TXT\\t.txt", 2 * MB);
  files.AddFile("E:\\TestDoc_E\\Word\\w.doc", 5 * MB);
  profile.sections["Tav2007E_W"]["Word"] = "0";
  TavAppState app;
  app.m_szIniPath = kIni;
  app.m_szYear = "2007";
  app.m_szSubject = "E";
  app.m_szEdition = "W";
  app.m_szCdRoot = "E:\\";
  app.m_nKindSize.fill(99);  // an earlier disc's
  app.m_bKindOffered.fill(true);
  DetermineKindSizes(app, profile, files);
  EXPECT_EQ(app.m_bKindOffered, (std::array<bool, kKindCount>{false, false, false, false, true, false, false}));
  EXPECT_EQ(app.m_nKindSize, (std::array<std::int64_t, kKindCount>{0, 0, 0, 0, 2 * MB, 0, 0}));

  std::vector<std::string> listed;
  files.onListTree = [&](const std::string& folder) { listed.push_back(folder); };
  app.m_szCdRoot = "";
  profile.sections["Tav2007E_W"]["PDF"] = "1000";
  DetermineKindSizes(app, profile, files);
  EXPECT_EQ(app.m_bKindOffered, (std::array<bool, kKindCount>{false, false, true, false, false, false, false}));
  EXPECT_TRUE(listed.empty());
}

TEST(ContentSize, RequiredSpaceIsA64BitSum) {
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  const struct {
    const char* name;
    std::array<std::int64_t, kKindCount> sizes;
    KindFlags ticks;
    std::uint64_t expected;
  } cases[] = {
      {"only ticked kinds", {1, 2, 4, 8, 16, 32, 64}, {true, false, true, false, false, false, true}, 69},
      {"beyond 4 GiB", {3 * 1024 * MB, 3 * 1024 * MB, 0, 0, 0, 0, 0}, {true, true}, 6ull * 1024 * MB},
      {"non-positive sizes add nothing", {-100, 0, 7, 0, 0, 0, 0}, {true, true, true}, 7},
      {"stops at the limit", {kMax, kMax, kMax, 0, 0, 0, 0}, {true, true, true},
       std::numeric_limits<std::uint64_t>::max()},
  };
  for (const auto& c : cases) EXPECT_EQ(RequiredSpace(c.sizes, c.ticks), c.expected) << c.name;
}

}  // namespace
