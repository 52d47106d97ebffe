// The demo's scripted walk (run by scripts/run.sh only): the main menu, the
// About box, the sizes the tool measured on the demo disc, then a whole copy
// of it, a move and a delete of the data set it made, with a screenshot of
// every dialog and message box.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

#include "tests/e2e/tool_process.h"
#include "tests/e2e/tool_steps.h"
#include "tests/support/automation.h"

namespace {

using namespace automation;
using namespace e2e;

void PrintDataSet(const char* when, const std::string& folder) {
  printf("\n%s: %s\n", when, folder.c_str());
  for (const auto& [file, size] : Tree(folder)) printf("  %s (%llu bytes)\n", file.c_str(), size);
  const std::string record = ReadRecord32("Biology", "DataDir07");
  printf("  record HKLM\\SOFTWARE\\KR_LAB\\Tav2007\\Biology DataDir07 = %s\n",
         record.empty() ? "(none)" : record.c_str());
  fflush(stdout);
}

TEST(DemoWalk, CopyMoveAndDeleteTheDemoDisc) {
  if (!Options().demo) GTEST_SKIP() << "run by the demo only";
  const std::string onD = "D:\\KR_LAB\\Tav2007\\TestDoc_B";
  const std::string onG = "G:\\KR_LAB\\Tav2007\\TestDoc_B";
  RemoveTree("D:\\KR_LAB");
  RemoveTree("G:\\KR_LAB");

  ToolProcess tool;
  const DWORD pid = tool.pid();
  HWND menu = tool.WaitForMainMenu();
  ASSERT_NE(menu, nullptr);
  Shot("01-main-menu");

  PostMessageW(menu, WM_SYSCOMMAND, 0x10, 0);
  HWND about = WaitForTopWindow(pid, "Tavコピーツールのﾊﾞｰｼﾞｮﾝ情報");
  ASSERT_NE(about, nullptr);
  Shot("02-about");
  Click(about, IDOK);
  WaitForClose(about);

  // The INI as shipped: every kind is measured on the disc.
  const auto offered = LookAtContentSelection(pid, menu);
  printf("\nContent selection, sizes measured on the disc:\n");
  for (const auto& [kind, label] : offered) printf("  %s %s\n", kind.c_str(), label.c_str());
  fflush(stdout);
  EXPECT_EQ(offered, MeasuredKinds("E:\\", 'B'));

  StartCopy(pid, menu, {"Word", "Ichitaro", "PDF", "TXT", "TXT0"}, 'D', onD, "03-copy");
  ExpectBox(pid, kVer2Offer, IDNO, "03-copy-06-ver2-offer");
  ExpectBox(pid, "別のディスクをコピーしますか？", IDNO, "03-copy-07-another-disc");
  PrintDataSet("Copied", onD);

  MoveDataSet(pid, menu, "Tav2007  生物", 'G', onG, "04-move");
  PrintDataSet("Moved", onG);

  DeleteDataSet(pid, menu, "Tav2007  生物", "05-delete");
  PrintDataSet("Deleted", onG);

  Click(menu, 1003);
  EXPECT_TRUE(tool.WaitForExit());
}

}  // namespace
