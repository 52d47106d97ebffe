// The real exe run unattended against what an ordinary user of the PC can
// plant: a link (under Wine a Unix symbolic link, which reads as a folder
// with FILE_ATTRIBUTE_REPARSE_POINT, as a junction does on Windows) in place
// of the data folder, its Tav<year> level or a kind folder, and a record
// that names a folder outside the tool's layout. Whatever the link leads to
// survives /delete, /move and /copy; the record stays.
#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "platform/text.h"
#include "tests/e2e/tool_process.h"
#include "tests/e2e/tool_steps.h"
#include "tests/e2e/unattended_process.h"
#include "tests/support/unix_link.h"

namespace {

using namespace e2e;

const std::string kDataFolder = "D:\\KR_LAB\\Tav2007\\TestDoc_B";
// Someone else's folders, which the links lead to.
const std::string kVictim = "D:\\tav-someone-else";
// A folder holding a Biology disc's content, copied with /label.
const std::string kDiscCopy = "G:\\tav-disc-bio07";

void MakeFolder(const std::string& folder) { SHCreateDirectoryExW(nullptr, Utf8ToUtf16(folder).c_str(), nullptr); }

void Seed(const std::string& folder, const std::vector<std::string>& kinds, const std::string& text) {
  for (const auto& kind : kinds) {
    MakeFolder(folder + "\\" + kind);
    WriteFile(folder + "\\" + kind + "\\" + text + ".txt", text);
  }
}

// Where the link stands, and what of the victim's it leads to.
const struct Planting {
  const char* name;
  const char* link;    // the level replaced by a link
  const char* target;  // below kVictim
  // The real levels between the link and the data set: for a kind folder
  // link, the data folder exists and holds a real PDF folder.
  bool realDataFolder;
} kPlantings[] = {
    {"the data folder", "D:\\KR_LAB\\Tav2007\\TestDoc_B", "\\data", false},
    {"the Tav2007 level", "D:\\KR_LAB\\Tav2007", "\\year", false},
    {"a kind folder", "D:\\KR_LAB\\Tav2007\\TestDoc_B\\Word", "\\kind", true},
};

class Redirection : public ::testing::Test {
 protected:
  void SetUp() override {
    Clean();
    ResetRegistry();
    InstallTool();
    GrantUserLevel("Biology");
    Seed(kDiscCopy + "\\TestDoc_B", {"Word", "PDF"}, "disc");
  }
  void TearDown() override {
    Clean();
    ResetRegistry();
  }
  // The links first, as links: the cleaning walks would follow them.
  void Clean() {
    for (const Planting& p : kPlantings) unix_link::Remove(p.link);
    CleanDataDrives();
    e2e::RemoveTree(kVictim);
    e2e::RemoveTree(kDiscCopy);
  }
  // The victim's folders (each holding Word and PDF with a file, so any
  // level's link target has kind folders to lose), then the link.
  static void Plant(const Planting& p) {
    Seed(kVictim + "\\data", {"Word", "PDF"}, "keep");
    Seed(kVictim + "\\year\\TestDoc_B", {"Word", "PDF"}, "keep");
    MakeFolder(kVictim + "\\kind");
    WriteFile(kVictim + "\\kind\\keep.txt", "keep");
    if (p.realDataFolder) Seed(kDataFolder, {"PDF"}, "mine");
    const std::string link = p.link;
    MakeFolder(link.substr(0, link.find_last_of('\\')));
    ASSERT_TRUE(unix_link::Plant(kVictim + p.target, link)) << link;
    const DWORD attributes = GetFileAttributesW(Utf8ToUtf16(link).c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    ASSERT_TRUE(attributes & FILE_ATTRIBUTE_REPARSE_POINT) << "Wine shows the link as a reparse point";
  }
};

TEST_F(Redirection, ALinkedLevelSurvivesEveryCommand) {
  const struct {
    const char* name;
    std::string commandLine;
    bool registered;
    DWORD exitCode;
  } commands[] = {
      {"/delete", "/delete Biology 2007", true, 5},
      {"/move", "/move Biology 2007 G:", true, 5},
      {"/copy", "/copy " + kDiscCopy + " D: /label TAV07B_S", false, 4},
  };
  for (const auto& command : commands) {
    for (const Planting& planting : kPlantings) {
      SCOPED_TRACE(std::string(command.name) + " with a link in place of " + planting.name);
      Clean();
      ResetRegistry();
      GrantUserLevel("Biology");
      Seed(kDiscCopy + "\\TestDoc_B", {"Word", "PDF"}, "disc");
      Plant(planting);
      if (HasFatalFailure()) return;
      if (command.registered) WriteRecord32("Biology", "DataDir07", kDataFolder);
      const std::map<std::string, std::uint64_t> victimBefore = Tree(kVictim);
      ASSERT_FALSE(victimBefore.empty());

      const UnattendedResult run = RunUnattendedTool(command.commandLine);
      EXPECT_TRUE(run.exited);
      EXPECT_FALSE(run.windowSeen);
      EXPECT_EQ(run.exitCode, command.exitCode) << run.output;
      EXPECT_EQ(Tree(kVictim), victimBefore) << "nothing of someone else's lost, changed or added";
      EXPECT_EQ(ReadRecord32("Biology", "DataDir07"), command.registered ? kDataFolder : "");
      EXPECT_FALSE(Exists("G:\\KR_LAB")) << "a refused move makes no destination";
      if (planting.realDataFolder) {
        EXPECT_TRUE(Exists(kDataFolder + "\\PDF\\mine.txt"));
      }
    }
  }
}

// A record naming a folder outside the layout (a user's Documents) keeps
// that folder's Word and PDF, and the record stays.
TEST_F(Redirection, ARecordOutsideTheLayoutIsNotActedOn) {
  const std::string documents = "D:\\tav-someone-else\\Users\\teacher\\Documents";
  for (const char* commandLine : {"/delete Biology 2007", "/move Biology 2007 G:"}) {
    SCOPED_TRACE(commandLine);
    Seed(documents, {"Word", "PDF"}, "mine");
    WriteRecord32("Biology", "DataDir07", documents);
    const UnattendedResult run = RunUnattendedTool(commandLine);
    EXPECT_TRUE(run.exited);
    EXPECT_EQ(run.exitCode, 5u) << run.output;
    EXPECT_TRUE(Exists(documents + "\\Word\\mine.txt"));
    EXPECT_TRUE(Exists(documents + "\\PDF\\mine.txt"));
    EXPECT_EQ(ReadRecord32("Biology", "DataDir07"), documents);
    EXPECT_FALSE(Exists("G:\\KR_LAB"));
  }
}

// The same commands over real folders still do their work: the checks
// accept what the tool made itself (owned by the running user under Wine).
TEST_F(Redirection, TheToolsOwnFoldersAreActedOn) {
  const UnattendedResult copy = RunUnattendedTool("/copy " + kDiscCopy + " D: /label TAV07B_S");
  EXPECT_EQ(copy.exitCode, 0u) << copy.output;
  EXPECT_TRUE(Exists(kDataFolder + "\\Word\\disc.txt"));
  const UnattendedResult move = RunUnattendedTool("/move Biology 2007 G:");
  EXPECT_EQ(move.exitCode, 0u) << move.output;
  EXPECT_TRUE(Exists("G:\\KR_LAB\\Tav2007\\TestDoc_B\\PDF\\disc.txt"));
  const UnattendedResult remove = RunUnattendedTool("/delete Biology 2007");
  EXPECT_EQ(remove.exitCode, 0u) << remove.output;
  EXPECT_FALSE(Exists("G:\\KR_LAB\\Tav2007\\TestDoc_B"));
}

}  // namespace
