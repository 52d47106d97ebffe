// The demo's scripted walk (run by scripts/run.sh only): every dialog and
// message box of the tool, one screenshot per step.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/e2e/tool_process.h"
#include "tests/support/automation.h"

namespace {

using namespace automation;

TEST(DemoWalk, MainMenuAndAbout) {
  if (!e2e::Options().demo) GTEST_SKIP() << "run by the demo only";
  e2e::ToolProcess tool;
  HWND menu = tool.WaitForMainMenu();
  ASSERT_NE(menu, nullptr);
  e2e::Shot("01-main-menu");

  PostMessageW(menu, WM_SYSCOMMAND, 0x10, 0);
  HWND about = WaitForTopWindow(tool.pid(), "Tavコピーツールのﾊﾞｰｼﾞｮﾝ情報");
  ASSERT_NE(about, nullptr);
  e2e::Shot("02-about");
  Click(about, IDOK);
  WaitForClose(about);

  Click(menu, 1003);
  EXPECT_TRUE(tool.WaitForExit());
}

}  // namespace
