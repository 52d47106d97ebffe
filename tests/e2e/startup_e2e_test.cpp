// The real exe: rights scan, single instance, installer switch, main menu and
// About box.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/e2e/tool_process.h"
#include "tests/support/automation.h"

namespace {

using namespace automation;
using e2e::ToolProcess;

class Startup : public ::testing::Test {
 protected:
  void SetUp() override {
    e2e::ResetRegistry();
    e2e::InstallTool();
  }
  void TearDown() override { e2e::ResetRegistry(); }
};

TEST_F(Startup, WithoutRightsTheInstallMessageIsShownAndTheToolEnds) {
  e2e::GrantUserLevel("Biology", "USER");
  ToolProcess tool;
  const MessageBoxSeen box = WaitForMessageBox(tool.pid());
  ASSERT_NE(box.window, nullptr);
  EXPECT_EQ(box.text, "先にTav2007のインストールを行ってください。");
  EXPECT_EQ(GetWindow(box.window, GW_OWNER), nullptr);
  // Its flags (MB_TOPMOST among them) are checked natively: Wine 8 makes a
  // box topmost only for MB_SYSTEMMODAL.
  e2e::Shot("startup-01-no-rights");
  Answer(box, IDOK);
  EXPECT_TRUE(tool.WaitForExit());
}

TEST_F(Startup, RightsOnEarthAloneOpenTheMainMenuAndAboutBox) {
  e2e::GrantUserLevel("Earth", "admin");
  ToolProcess tool;
  HWND menu = tool.WaitForMainMenu();
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(ItemText(menu, 1000), "データのコピー");
  e2e::Shot("startup-02-main-menu");

  PostMessageW(menu, WM_SYSCOMMAND, 0x10, 0);
  HWND about = WaitForTopWindow(tool.pid(), "Tavコピーツールのﾊﾞｰｼﾞｮﾝ情報");
  ASSERT_NE(about, nullptr);
  e2e::Shot("startup-03-about");
  Click(about, IDOK);
  EXPECT_TRUE(WaitForClose(about));

  Click(menu, 1003);  // "終了"
  EXPECT_TRUE(tool.WaitForExit());
}

TEST_F(Startup, ASecondStartEndsSilentlyWhileTheFirstRuns) {
  e2e::GrantUserLevel("Physics");
  ToolProcess first;
  HWND menu = first.WaitForMainMenu();
  ASSERT_NE(menu, nullptr);
  {
    ToolProcess second;
    EXPECT_TRUE(second.WaitForExit());
    EXPECT_TRUE(second.HasNoWindow());
  }
  EXPECT_TRUE(IsWindowVisible(menu)) << "the first instance keeps running";
  Click(menu, 1003);
  ASSERT_TRUE(first.WaitForExit());

  ToolProcess third;  // the mutex went with the first instance
  HWND again = third.WaitForMainMenu();
  ASSERT_NE(again, nullptr);
  Click(again, 1003);
  EXPECT_TRUE(third.WaitForExit());
}

TEST_F(Startup, SetupSwitchAsksFirstAndNoEndsTheTool) {
  e2e::GrantUserLevel("Biology");
  ToolProcess tool("-x /setup");
  const MessageBoxSeen box = WaitForMessageBox(tool.pid());
  ASSERT_NE(box.window, nullptr);
  EXPECT_EQ(box.text, "問題データもインストールしますか？");
  EXPECT_TRUE(GetWindowLongW(box.window, GWL_EXSTYLE) & WS_EX_TOPMOST);
  e2e::Shot("startup-04-setup-question");
  Answer(box, IDNO);
  EXPECT_TRUE(tool.WaitForExit());
}

TEST_F(Startup, SetupYesWithoutRightsThenShowsTheInstallMessage) {
  ToolProcess tool("/SETUP");
  MessageBoxSeen box = WaitForMessageBox(tool.pid());
  EXPECT_EQ(box.text, "問題データもインストールしますか？");
  Answer(box, IDYES);
  box = WaitForMessageBox(tool.pid());
  EXPECT_EQ(box.text, "先にTav2007のインストールを行ってください。");
  Answer(box, IDOK);
  EXPECT_TRUE(tool.WaitForExit());
}

}  // namespace
