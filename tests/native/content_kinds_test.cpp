#include "catalogue/content_kinds.h"
#include "platform/windows_path.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_file_system.h"

namespace {

using namespace std::string_literals;
using Paths = std::vector<std::string>;

KindFlags Flags(std::initializer_list<ContentKind> kinds) {
  KindFlags flags{};
  for (ContentKind k : kinds) flags[KindIndex(k)] = true;
  return flags;
}

TEST(ContentKinds, NamesAreMatchedExactly) {
  EXPECT_EQ(FindKindByName("TXT0"), ContentKind::TXT0);
  EXPECT_EQ(FindKindByName("VOICE"), ContentKind::VOICE);
  EXPECT_EQ(FindKindByName("word"), std::nullopt);
  EXPECT_EQ(FindKindByName("TXT "), std::nullopt);
  EXPECT_EQ(FindKindByName(""), std::nullopt);
}

TEST(ContentKinds, FolderPaths) {
  EXPECT_EQ(DiscSubjectFolder("Q:\\", "W"), "Q:\\TestDoc_W");
  EXPECT_EQ(DataFolder('C', "2007", "B"), "C:\\KR_LAB\\Tav2007\\TestDoc_B");
  EXPECT_EQ(DataFolder('D', "2006", "E"), "D:\\KR_LAB\\Tav2006\\TestDoc_E");
  EXPECT_EQ(KindFolderPath("C:\\KR_LAB\\Tav2007\\TestDoc_B", ContentKind::TXT0), "C:\\KR_LAB\\Tav2007\\TestDoc_B\\TXT0");
  // A registered folder written with a trailing backslash still gives one separator.
  EXPECT_EQ(KindFolderPath("C:\\KR_LAB\\Tav2007\\TestDoc_B\\", ContentKind::PDF), "C:\\KR_LAB\\Tav2007\\TestDoc_B\\PDF");
}

TEST(ContentKinds, ListFollowsKindOrderWhateverIsTicked) {
  const std::string base = "D:\\TestDoc_B";
  const struct {
    KindFlags ticks;
    Paths expected;
  } cases[] = {
      {Flags({ContentKind::Word, ContentKind::PDF}), {base + "\\Word", base + "\\PDF"}},
      {Flags({ContentKind::TXT, ContentKind::Word, ContentKind::TIF, ContentKind::Ichitaro}),
       {base + "\\Ichitaro", base + "\\Word", base + "\\TIF", base + "\\TXT"}},
      {Flags({ContentKind::VOICE, ContentKind::TXT0, ContentKind::TXT, ContentKind::TIF, ContentKind::PDF,
              ContentKind::Word, ContentKind::Ichitaro}),
       {base + "\\Ichitaro", base + "\\Word", base + "\\PDF", base + "\\TIF", base + "\\TXT", base + "\\TXT0",
        base + "\\VOICE"}},
      {Flags({}), {}},
  };
  for (const auto& c : cases) EXPECT_EQ(KindFolderList(base, c.ticks), c.expected);
}

TEST(ContentKinds, NoBaseFolderGivesNoRelativePaths) {
  EXPECT_TRUE(KindFolderList("", Flags({ContentKind::Word})).empty());
}

TEST(ContentKinds, ShellListEndsEachPathAndTheListWithNul) {
  const Paths from = KindFolderList(DiscSubjectFolder("D:\\", "B"), Flags({ContentKind::PDF, ContentKind::Word}));
  EXPECT_EQ(ToShellList(from), L"D:\\TestDoc_B\\Word\0D:\\TestDoc_B\\PDF\0\0"s);

  // The destination is a one-path list: the folder and two NULs.
  EXPECT_EQ(ToShellList({DataFolder('C', "2007", "B")}), L"C:\\KR_LAB\\Tav2007\\TestDoc_B\0\0"s);
  // Non-ASCII folders reach the shell as UTF-16.
  EXPECT_EQ(ToShellList({"C:\\データ\\Word"}), L"C:\\\u30C7\u30FC\u30BF\\Word\0\0"s);

  EXPECT_EQ(ToShellList({}), L"\0"s);
  // An empty entry would read as the list's end and hide the paths after it.
  EXPECT_EQ(ToShellList({"C:\\A", "", "C:\\B"}), L"C:\\A\0C:\\B\0\0"s);
}

class KindPresence : public ::testing::Test {
 protected:
  const std::string data = "C:\\KR_LAB\\Tav2007\\TestDoc_B";
  FakeFileSystem files;
};

TEST_F(KindPresence, OnlyKindFoldersThatAreFoldersCount) {
  files.AddFolder(data + "\\VOICE");
  files.AddFile(data + "\\TXT\\q1.txt", 10);
  files.AddFile(data + "\\PDF", 100);  // a file with a kind's name
  files.AddFolder(data + "\\Words");
  files.AddFile(data + "\\readme.txt", 5);
  EXPECT_EQ(PresentKinds(files, data), Flags({ContentKind::TXT, ContentKind::VOICE}));
  EXPECT_EQ(PresentKindFolderList(files, data), (Paths{data + "\\TXT", data + "\\VOICE"}));
}

TEST_F(KindPresence, MissingOrEmptyDataFolderHasNoKinds) {
  files.AddFolder("C:\\Word");
  EXPECT_TRUE(PresentKindFolderList(files, data).empty());
  EXPECT_TRUE(PresentKindFolderList(files, "").empty());
}

}  // namespace
