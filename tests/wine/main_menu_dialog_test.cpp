// The main menu opened for real and operated by messages.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>

#include "app/win32/tav_copy_tool_app.h"
#include "platform/text.h"
#include "res/resource.h"
#include "tests/support/automation.h"
#include "tests/wine/dialog_driver.h"
#include "ui/usage_help.h"
#include "ui/win32/tav_copy_tool_dlg.h"

namespace {

using namespace automation;

const char* const kMenuTitle = "Tavコピーツール";

class MainMenuDialog : public ::testing::Test {
 protected:
  void SetUp() override { TavApp().m_pMainWnd = &dialog; }
  void TearDown() override { TavApp().m_pMainWnd = nullptr; }
  INT_PTR Run(const std::function<void(HWND)>& driver) { return RunDriven(dialog, kMenuTitle, driver); }
  CTavCopyToolDlg dialog;
};

TEST_F(MainMenuDialog, ShowsTheTemplateLayoutWithATaskbarButton) {
  Run([&](HWND w) {
    const struct {
      int id;
      const char* text;
      int y;
    } buttons[] = {{IDC_USAGE, "ご利用方法", 10},
                   {IDC_COPY, "データのコピー", 40},
                   {IDC_MOVE, "コピー済みデータの移動", 70},
                   {IDC_DELETE, "コピー済みデータの削除", 100},
                   {IDC_EXIT, "終了", 130}};
    for (const auto& b : buttons) {
      EXPECT_EQ(ItemText(w, b.id), b.text);
      EXPECT_TRUE(IsItemVisible(w, b.id));
      ExpectAt(w, b.id, 15, b.y, 115, 25);
    }
    EXPECT_FALSE(IsItemVisible(w, IDOK));
    EXPECT_FALSE(IsItemVisible(w, IDCANCEL));
    EXPECT_TRUE(GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    const LONG style = GetWindowLongW(w, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    ExpectClientSize(w, 147, 165);
    EXPECT_NE(SendMessageW(w, WM_GETICON, ICON_BIG, 0), 0);
  });
}

TEST_F(MainMenuDialog, EnterEscapeAndF1LeaveTheMenuOpen) {
  Run([&](HWND w) {
    for (int id : {IDC_USAGE, IDC_COPY, IDC_EXIT}) {
      PressKey(GetDlgItem(w, id), VK_RETURN);
      PressKey(GetDlgItem(w, id), VK_ESCAPE);
    }
    HELPINFO help{sizeof(HELPINFO), HELPINFO_WINDOW, IDC_COPY, GetDlgItem(w, IDC_COPY), 0, {0, 0}};
    EXPECT_TRUE(SendMessageW(w, WM_HELP, 0, reinterpret_cast<LPARAM>(&help))) << "F1 is consumed";
    Sleep(300);
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_EQ(GetLastActivePopup(w), w) << "nothing was opened";
    Click(w, IDC_EXIT);
  });
}

TEST_F(MainMenuDialog, SystemMenuOpensTheAboutBox) {
  Run([&](HWND w) {
    HMENU menu = GetSystemMenu(w, FALSE);
    const int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    EXPECT_EQ(GetMenuItemID(menu, count - 1), static_cast<UINT>(IDM_ABOUTBOX));
    wchar_t text[128] = {};
    GetMenuStringW(menu, count - 1, text, 128, MF_BYPOSITION);
    EXPECT_STREQ(text, L"TavCopyTool のﾊﾞｰｼﾞｮﾝ情報(&A)...");
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoW(menu, count - 2, TRUE, &info);
    EXPECT_TRUE(info.fType & MFT_SEPARATOR);

    PostMessageW(w, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    HWND about = WaitForTopWindow(GetCurrentProcessId(), "Tavコピーツールのﾊﾞｰｼﾞｮﾝ情報");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(GetWindow(about, GW_OWNER), w);
    EXPECT_FALSE(IsWindowEnabled(w)) << "the menu waits for the About box";
    EXPECT_FALSE(GetWindowLongW(about, GWL_STYLE) & WS_SYSMENU);
    Click(about, IDOK);
    EXPECT_TRUE(WaitForClose(about));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(w) != FALSE; }));
    Click(w, IDC_EXIT);
  });
}

TEST_F(MainMenuDialog, BusyFlagMakesTheCommandButtonsAndExitInert) {
  const INT_PTR result = Run([&](HWND w) {
    SendMessageW(w, WM_NULL, 0, 0);
    dialog.m_bBusy = true;
    for (int id : {IDC_COPY, IDC_MOVE, IDC_DELETE, IDC_EXIT}) Click(w, id);
    Sleep(300);
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_EQ(GetLastActivePopup(w), w);
    dialog.m_bBusy = false;
    Click(w, IDC_EXIT);
    EXPECT_TRUE(WaitForClose(w));
  });
  EXPECT_EQ(result, IDOK);
}

TEST_F(MainMenuDialog, UsageHelpReportsAMissingOrUnopenableDocument) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::string dir = Utf16ToUtf8(temp) + "tav-usage-test\\";
  CreateDirectoryW(Utf8ToUtf16(dir).c_str(), nullptr);
  const std::string ini = dir + "TavCopyTool.INI";
  DeleteFileW(Utf8ToUtf16(ini).c_str());
  TavApp().m_szAppDir = dir;
  TavApp().m_szIniPath = ini;
  // A folder with a document's name, and a file of another type whose 8.3
  // alias ends in .HTM: neither is a document, whatever the INI calls it.
  CreateDirectoryW(Utf8ToUtf16(dir + "folder.html").c_str(), nullptr);
  const std::wstring payload = Utf8ToUtf16(dir + "payload.htmlx");
  std::ofstream(payload.c_str()) << "<p>not a help document</p>";
  wchar_t alias[MAX_PATH] = {};
  GetShortPathNameW(payload.c_str(), alias, MAX_PATH);
  const std::string aliasName = Utf16ToUtf8(alias).substr(Utf16ToUtf8(alias).find_last_of('\\') + 1);
  ASSERT_TRUE(HelpDocumentInside(dir, aliasName)) << aliasName << ": only the disk shows what it is";

  Run([&](HWND w) {
    Click(w, IDC_USAGE);
    MessageBoxSeen box = WaitForMessageBox(GetCurrentProcessId());
    EXPECT_EQ(box.text, "ヘルプファイル名が取得できません。");
    EXPECT_EQ(GetWindow(box.window, GW_OWNER), w);
    Answer(box, IDOK);

    for (const std::string& value : {std::string("missing-guide.html"), std::string("folder.html"), aliasName}) {
      SCOPED_TRACE(value);
      std::ofstream(Utf8ToUtf16(ini).c_str()) << "[HELP]\r\nFILE=" << value << "\r\n";
      Click(w, IDC_USAGE);
      box = WaitForMessageBox(GetCurrentProcessId());
      EXPECT_EQ(box.text, "ヘルプファイルが開けません。");
      Answer(box, IDOK);
    }
    Click(w, IDC_EXIT);
  });
  DeleteFileW(Utf8ToUtf16(ini).c_str());
  DeleteFileW(payload.c_str());
  RemoveDirectoryW(Utf8ToUtf16(dir + "folder.html").c_str());
}

}  // namespace
