// Whole copy, move and delete runs of the real exe with a product disc in a
// virtual CD-ROM drive. Each suite needs its disc set (scripts/wine-discs.sh,
// one ctest entry per set) and skips elsewhere.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/e2e/tool_process.h"
#include "tests/e2e/tool_steps.h"
#include "tests/support/automation.h"

namespace {

using namespace automation;
using namespace e2e;

class DiscRun : public ::testing::Test {
 protected:
  // `discSet` names the set of scripts/wine-discs.sh the test needs.
  void Prepare(const std::string& discSet, const std::string& section, char code) {
    if (CurrentDiscSet() != discSet) GTEST_SKIP() << "needs the disc set " << discSet;
    ResetRegistry();
    CleanDataDrives();
    InstallTool("[HELP]\r\nFILE=TavCopyTool.html\r\n" + SizeSection("E:\\", section, code));
  }
  void TearDown() override {
    ResetRegistry();
    CleanDataDrives();
  }
};

const std::string kBiologyOnG = "G:\\KR_LAB\\Tav2007\\TestDoc_B";
const std::string kBiologyOnD = "D:\\KR_LAB\\Tav2007\\TestDoc_B";

TEST_F(DiscRun, BiologyCopiedMovedAndDeleted) {
  Prepare("product", "Tav2007B", 'B');
  GrantUserLevel("Biology");
  ToolProcess tool;
  const DWORD pid = tool.pid();
  HWND menu = tool.WaitForMainMenu();
  ASSERT_NE(menu, nullptr);

  // The content selection shows the disc's kinds with the sizes of the table.
  Click(menu, 1000);
  ConfirmDiscWait(pid);
  HWND selection = WaitForDialog(pid, kCopyTitle, 1029);
  ASSERT_NE(selection, nullptr);
  EXPECT_EQ(ItemText(selection, 1015), "セットされたCD-ROMは「Tav2007 生物」です。");
  const std::uint64_t wordBytes = [] {
    std::uint64_t sum = 0;
    for (const auto& [file, size] : Tree("E:\\TestDoc_B\\Word")) sum += size;
    return sum;
  }();
  ASSERT_GE(wordBytes, std::uint64_t{1} << 20) << "the disc set's Word folder holds a megabyte or more";
  EXPECT_EQ(ItemText(selection, 1023), "（約" + std::to_string(wordBytes >> 20) + "MB）");
  for (int checkBox = 1007; checkBox <= 1013; ++checkBox) EXPECT_TRUE(IsChecked(selection, checkBox));
  Click(selection, IDCANCEL);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(menu) != FALSE; })) << "cancel ends the command silently";

  StartCopy(pid, menu, {"Word", "PDF"}, 'G', kBiologyOnG, "copy");
  ExpectBox(pid, kVer2Offer, IDNO, "copy-06-ver2-offer");
  ExpectBox(pid, "別のディスクをコピーしますか？", IDNO, "copy-07-another-disc");
  ExpectCopied("E:\\TestDoc_B", kBiologyOnG, {"Word", "PDF"});
  EXPECT_EQ(Tree(kBiologyOnG).size(), Tree("E:\\TestDoc_B\\Word").size() + Tree("E:\\TestDoc_B\\PDF").size())
      << "exactly Word and PDF";
  EXPECT_EQ(ReadRecord32("Biology", "DataDir07"), kBiologyOnG);

  // Move to D:, then try to move it to D: again.
  MoveDataSet(pid, menu, "Tav2007  生物", 'D', kBiologyOnD, "move");
  EXPECT_FALSE(Exists(kBiologyOnG)) << "the emptied old data folder is removed";
  EXPECT_TRUE(Exists("G:\\KR_LAB\\Tav2007")) << "the year folder stays";
  ExpectCopied("E:\\TestDoc_B", kBiologyOnD, {"Word", "PDF"});
  EXPECT_EQ(ReadRecord32("Biology", "DataDir07"), kBiologyOnD);
  EXPECT_EQ(ListedDataSets(pid, menu, 1001, kMoveTitle), std::vector<std::string>{"Tav2007  生物"});

  Click(menu, 1001);
  ChooseDataSet(pid, kMoveTitle, "Tav2007  生物");
  ChooseDrive(pid, kMoveTitle, 'D');
  ExpectBox(pid, "移動元フォルダと同じフォルダには移動できません。", IDOK, "move-07-same-folder");
  Click(WaitForDialog(pid, kMoveTitle, 1031), IDCANCEL);
  Click(WaitForDialog(pid, kMoveTitle, 1014), IDCANCEL);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(menu) != FALSE; }));

  // Delete: the kind folders go, a foreign file and a file named TXT stay.
  WriteFile(kBiologyOnD + "\\memo.txt", "not ours");
  WriteFile(kBiologyOnD + "\\TXT", "a file, not a kind folder");
  DeleteDataSet(pid, menu, "Tav2007  生物", "delete");
  EXPECT_FALSE(Exists(kBiologyOnD + "\\Word"));
  EXPECT_FALSE(Exists(kBiologyOnD + "\\PDF"));
  EXPECT_TRUE(Exists(kBiologyOnD + "\\memo.txt"));
  EXPECT_TRUE(Exists(kBiologyOnD + "\\TXT"));
  EXPECT_EQ(ReadRecord32("Biology", "DataDir07"), "");
  Click(menu, 1002);
  ExpectBox(pid, "削除できるデータがありません。", IDOK, "delete-05-nothing-left");

  Click(menu, 1003);
  EXPECT_TRUE(tool.WaitForExit());
}

TEST_F(DiscRun, DiscOfASubjectWithoutRightsIsRefused) {
  Prepare("product", "Tav2007B", 'B');
  GrantUserLevel("Earth");
  ToolProcess tool;
  HWND menu = tool.WaitForMainMenu();
  ASSERT_NE(menu, nullptr);
  Click(menu, 1000);
  ConfirmDiscWait(tool.pid());
  ExpectBox(tool.pid(),
            "セットされたCD-ROMは「Tav2007 生物」です。\nこのCD-ROMのデータをコピーする権限がありません。\n"
            "Tav2007 生物 のインストールを先に行ってください。\nインストールを行った方がこのツールをご利用できます。",
            IDOK, "copy-no-rights");
  // No "another disc" question: the menu is back, enabled and with no popup
  // of its own left (a box is hidden before it is destroyed, and until then
  // it is still the menu's last active popup).
  EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(menu) && GetLastActivePopup(menu) == menu; }));
  Click(menu, 1003);
  EXPECT_TRUE(tool.WaitForExit());
}

TEST_F(DiscRun, EarthRecordedMovedAndDeletedWithItsGeneralTwin) {
  Prepare("earth", "Tav2007T", 'T');
  GrantUserLevel("Earth");
  ToolProcess tool;
  const DWORD pid = tool.pid();
  HWND menu = tool.WaitForMainMenu();
  ASSERT_NE(menu, nullptr);
  const std::string onG = "G:\\KR_LAB\\Tav2007\\TestDoc_T";
  const std::string onD = "D:\\KR_LAB\\Tav2007\\TestDoc_T";

  StartCopy(pid, menu, {"TXT", "TXT0"}, 'G', onG);
  ExpectBox(pid, kVer2Offer, IDNO);
  ExpectBox(pid, "別のディスクをコピーしますか？", IDNO);
  ExpectCopied("E:\\TestDoc_T", onG, {"TXT", "TXT0"});  // TXT0 holds Japanese file names
  EXPECT_EQ(ReadRecord32("Earth", "DataDir07"), onG);
  EXPECT_EQ(ReadRecord32("General", "DataDir07"), onG);
  EXPECT_EQ(ListedDataSets(pid, menu, 1001, kMoveTitle), std::vector<std::string>{"Tav2007  地学・総合"});

  MoveDataSet(pid, menu, "Tav2007  地学・総合", 'D', onD);
  EXPECT_EQ(ReadRecord32("Earth", "DataDir07"), onD);
  EXPECT_EQ(ReadRecord32("General", "DataDir07"), onD);

  DeleteDataSet(pid, menu, "Tav2007  地学・総合");
  EXPECT_EQ(ReadRecord32("Earth", "DataDir07"), "");
  EXPECT_EQ(ReadRecord32("General", "DataDir07"), "");
  EXPECT_FALSE(Exists(onD)) << "the emptied data folder is removed";
  Click(menu, 1003);
  EXPECT_TRUE(tool.WaitForExit());
}

TEST_F(DiscRun, AliasDiscIsCopiedAsWorldHistory2002AndItsVer2OfferRefusesItself) {
  Prepare("alias", "Tav2002W", 'W');
  GrantUserLevel("WorldHistory");
  ToolProcess tool;
  const DWORD pid = tool.pid();
  HWND menu = tool.WaitForMainMenu();
  ASSERT_NE(menu, nullptr);
  const std::string onG = "G:\\KR_LAB\\Tav2002\\TestDoc_W";

  StartCopy(pid, menu, {"PDF"}, 'G', onG);
  ExpectBox(pid, kVer2Offer, IDYES);
  // The disc still in the drive is labelled 020626_0403, not TAV02W_S.
  ExpectBox(pid,
            "ここでコピーできるCDではありません。\n\nCDを確認して「はい」を選択してください。\n"
            "中止する場合は「いいえ」を選択してください。",
            IDNO, "alias-ver2-retry");
  ExpectBox(pid, "別のディスクをコピーしますか？", IDNO);
  ExpectCopied("E:\\TestDoc_W", onG, {"PDF"});
  EXPECT_EQ(ReadRecord32("WorldHistory", "DataDir02"), onG);
  Click(menu, 1003);
  EXPECT_TRUE(tool.WaitForExit());
}

TEST_F(DiscRun, CopyOntoADriveThatFillsUpIsReportedAndNotRegistered) {
  Prepare("full-drive", "Tav2007B", 'B');
  if (GetDriveTypeW(L"H:\\") != DRIVE_FIXED) GTEST_SKIP() << "needs the small drive H:";
  // The size table claims the kinds fit; the small drive cannot hold them.
  InstallTool("[Tav2007B]\r\nWord=1000\r\nPDF=1000\r\n");
  GrantUserLevel("Biology");
  ToolProcess tool;
  const DWORD pid = tool.pid();
  HWND menu = tool.WaitForMainMenu();
  ASSERT_NE(menu, nullptr);

  StartCopy(pid, menu, {"Word", "PDF"}, 'H', "H:\\KR_LAB\\Tav2007\\TestDoc_B");
  // Whatever the shell says of the full disk, the tool must not call it done.
  MessageBoxSeen box = WaitForMessageBox(pid, 60000);
  while (box.window && box.text != "コピーを中断しました。") {
    ASSERT_EQ(box.text.find("コピーを完了しました。"), std::string::npos) << box.text;
    Answer(box, GetDlgItem(box.window, IDOK) ? IDOK : IDCANCEL);
    box = WaitForMessageBox(pid, 60000);
  }
  ASSERT_NE(box.window, nullptr);
  Shot("full-drive-interrupted");
  Answer(box, IDOK);
  ExpectBox(pid, "別のディスクをコピーしますか？", IDNO);
  EXPECT_EQ(ReadRecord32("Biology", "DataDir07"), "") << "nothing registered";
  Click(menu, 1003);
  EXPECT_TRUE(tool.WaitForExit());
}

}  // namespace
