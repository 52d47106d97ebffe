// The dialog base itself: where a dialog appears, and what an exception in
// one of its handlers leaves behind.
#include <gtest/gtest.h>
#include <windows.h>

#include <stdexcept>

#include "app/win32/tav_copy_tool_app.h"
#include "res/resource.h"
#include "tests/support/automation.h"
#include "tests/wine/dialog_driver.h"
#include "ui/win32/about_dlg.h"

namespace {

using namespace automation;

const char* const kAboutTitle = "Tavコピーツールのﾊﾞｰｼﾞｮﾝ情報";

// A plain top-level window standing in for the main menu, the owner of every
// dialog made without a parent.
class MainWindowStandIn : public ::testing::Test {
 protected:
  void SetUp() override {
    main.m_hWnd = CreateWindowExW(0, L"Static", L"main", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr,
                                  nullptr, nullptr);
    ASSERT_NE(main.m_hWnd, nullptr);
    TavApp().m_pMainWnd = &main;
  }
  void TearDown() override {
    TavApp().m_pMainWnd = nullptr;
    DestroyWindow(main.m_hWnd);
    main.m_hWnd = nullptr;
  }
  RECT WorkArea() const {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromWindow(main.m_hWnd, MONITOR_DEFAULTTONEAREST), &info);
    return info.rcWork;
  }
  CAboutDlg main;  // any dialog object will do as the holder of the main window
};

using DialogPlacement = MainWindowStandIn;

// Centred over a visible owner, kept whole on the owner's monitor; without
// a visible owner, centred in that monitor's work area.
TEST_F(DialogPlacement, CentredOverTheOwnerAndKeptOnItsMonitor) {
  enum Expected { Centred, AtBottomRight, AtTopLeft, CentredOnWork };
  const RECT work = WorkArea();
  const int workWidth = work.right - work.left, workHeight = work.bottom - work.top;
  const struct {
    const char* name;
    int ownerX, ownerY;  // the owner is 300 x 200
    bool ownerVisible;
    Expected expected;
  } cases[] = {
      {"owner in the middle", work.left + workWidth / 2 - 150, work.top + workHeight / 2 - 100, true, Centred},
      {"owner hanging off the bottom right", work.right - 100, work.bottom - 50, true, AtBottomRight},
      {"owner hanging off the top left", work.left - 250, work.top - 180, true, AtTopLeft},
      {"owner hidden", work.left + 10, work.top + 10, false, CentredOnWork},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetWindowPos(main.m_hWnd, nullptr, c.ownerX, c.ownerY, 300, 200,
                 SWP_NOZORDER | SWP_NOACTIVATE | (c.ownerVisible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    RECT owner;
    GetWindowRect(main.m_hWnd, &owner);
    CAboutDlg dialog;
    RunDriven(dialog, kAboutTitle, [&](HWND w) {
      RECT r;
      GetWindowRect(w, &r);
      const int width = r.right - r.left, height = r.bottom - r.top;
      EXPECT_GE(r.left, work.left);
      EXPECT_GE(r.top, work.top);
      EXPECT_LE(r.right, work.right);
      EXPECT_LE(r.bottom, work.bottom);
      switch (c.expected) {
        case Centred:
          EXPECT_EQ(r.left, owner.left + (300 - width) / 2);
          EXPECT_EQ(r.top, owner.top + (200 - height) / 2);
          break;
        case AtBottomRight:
          EXPECT_EQ(r.right, work.right);
          EXPECT_EQ(r.bottom, work.bottom);
          break;
        case AtTopLeft:
          EXPECT_EQ(r.left, work.left);
          EXPECT_EQ(r.top, work.top);
          break;
        case CentredOnWork:
          EXPECT_EQ(r.left, work.left + (workWidth - width) / 2);
          EXPECT_EQ(r.top, work.top + (workHeight - height) / 2);
          break;
      }
      Click(w, IDOK);
    });
  }
}

// A dialog whose handlers throw where the test says.
class ThrowingDlg : public CDialog {
 public:
  ThrowingDlg(bool inInit, bool onOk) : CDialog(IDD_ABOUTBOX), inInit_(inInit), onOk_(onOk) {}

 protected:
  BOOL OnInitDialog() override {
    if (inInit_) throw std::runtime_error("initialisation failed");
    return TRUE;
  }
  void OnOK() override {
    if (onOk_) throw std::bad_alloc();
    CDialog::OnOK();
  }

 private:
  bool inInit_, onOk_;
};

using DialogExceptions = MainWindowStandIn;

TEST_F(DialogExceptions, AFailedInitialisationEndsTheDialogAsCancelled) {
  ThrowingDlg dialog(true, false);
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(FindTopWindow(GetCurrentProcessId(), kAboutTitle), nullptr) << "never shown";
  EXPECT_TRUE(IsWindowEnabled(main.m_hWnd)) << "the owner is enabled again";
}

TEST_F(DialogExceptions, AFailingHandlerLeavesTheDialogOpenAndWorking) {
  ThrowingDlg dialog(false, true);
  const INT_PTR result = RunDriven(dialog, kAboutTitle, [&](HWND w) {
    Click(w, IDOK);
    ASSERT_TRUE(Flush(w));
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_FALSE(IsWindowEnabled(main.m_hWnd));
    Click(w, IDCANCEL);
    EXPECT_TRUE(WaitForClose(w));
  });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_TRUE(IsWindowEnabled(main.m_hWnd));
}

}  // namespace
