// The main menu opened for real and operated by messages.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include <fstream>
#include <thread>

#include "app/win32/main_menu_commands.h"
#include "app/win32/tav_copy_tool_app.h"
#include "catalogue/data_dir_records.h"
#include "platform/text.h"
#include "res/resource.h"
#include "tests/support/automation.h"
#include "tests/wine/dialog_driver.h"
#include "ui/data_list.h"
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
  MainMenuCommands commands{TavApp()};
  CTavCopyToolDlg dialog{commands};
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
    ASSERT_TRUE(Flush(w));
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
    ASSERT_TRUE(Flush(w));
    dialog.m_bBusy = true;
    for (int id : {IDC_COPY, IDC_MOVE, IDC_DELETE, IDC_EXIT}) Click(w, id);
    ASSERT_TRUE(Flush(w));
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

// Another program's window behind the main menu: a top-level window of a
// thread of its own, which the system would activate if the main menu could
// not take the activation back when a dialog of its own goes away.
class OtherProgramWindow {
 public:
  OtherProgramWindow() {
    HANDLE created = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = std::thread([this, created] {
      threadId_ = GetCurrentThreadId();
      window_ = CreateWindowExW(0, L"Edit", L"other program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                                nullptr, nullptr, nullptr, nullptr);
      SetEvent(created);
      MSG msg;
      while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
      DestroyWindow(window_);
    });
    WaitForSingleObject(created, INFINITE);
    CloseHandle(created);
  }
  ~OtherProgramWindow() {
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    thread_.join();
  }
  HWND window() const { return window_; }

 private:
  std::thread thread_;
  DWORD threadId_ = 0;
  HWND window_ = nullptr;
};

// Once the menu's thread has handled what closed the dialog, the menu is the
// foreground window.
bool MenuIsForeground(HWND menu) { return Flush(menu) && GetForegroundWindow() == menu; }

class MainMenuFocus : public MainMenuDialog {
 protected:
  void SetUp() override {
    MainMenuDialog::SetUp();
    Clean();
    TavApp().m_bAdmin.fill(false);
    TavApp().m_bAdmin[0] = true;  // Biology
    CreateDirectoryW(Utf8ToUtf16(kRoot).c_str(), nullptr);
  }
  void TearDown() override {
    Clean();
    TavApp().m_bAdmin.fill(false);
    MainMenuDialog::TearDown();
  }
  static void Clean() {
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\Wow6432Node\\KR_LAB\\Tav2007\\Biology");
    SHFILEOPSTRUCTW remove{};
    const std::wstring list = Utf8ToUtf16(kRoot) + L'\0';
    remove.wFunc = FO_DELETE;
    remove.pFrom = list.c_str();
    remove.fFlags = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    SHFileOperationW(&remove);
  }
  static constexpr const char* kRoot = "D:\\tav-focus-test";
  OtherProgramWindow other;
};

TEST_F(MainMenuFocus, MenuIsInFrontAgainAfterEveryKindOfDialogCloses) {
  const std::string data = std::string(kRoot) + "\\KR_LAB\\Tav2007\\TestDoc_B";
  for (const char* level : {"\\KR_LAB", "\\KR_LAB\\Tav2007", "\\KR_LAB\\Tav2007\\TestDoc_B",
                            "\\KR_LAB\\Tav2007\\TestDoc_B\\Word"})
    CreateDirectoryW(Utf8ToUtf16(kRoot + std::string(level)).c_str(), nullptr);
  Win32Registry registry;
  ASSERT_EQ(WriteDataDirRecord(registry, "Biology", "2007", data), RecordUpdate::Done);
  const DWORD pid = GetCurrentProcessId();

  Run([&](HWND w) {
    ASSERT_TRUE(MenuIsForeground(w)) << "shown over the other window";
    ASSERT_TRUE(IsWindowVisible(other.window()));

    {
      SCOPED_TRACE("the About box");
      PostMessageW(w, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
      HWND about = WaitForTopWindow(pid, "Tavコピーツールのﾊﾞｰｼﾞｮﾝ情報");
      ASSERT_NE(about, nullptr);
      Click(about, IDOK);
      ASSERT_TRUE(WaitForClose(about));
      EXPECT_TRUE(MenuIsForeground(w));
    }
    const char* const kDeleteTitle = "Tavコピーツール - データの削除";
    const struct {
      const char* name;
      int button;
      const char* title;
    } firstDialogs[] = {{"a copy's first dialog cancelled", IDC_COPY, "Tavコピーツール - データのコピー"},
                        {"a delete's first dialog left with its back button", IDC_DELETE, kDeleteTitle}};
    for (const auto& first : firstDialogs) {
      SCOPED_TRACE(first.name);
      Click(w, first.button);
      HWND dialog = WaitForTopWindow(pid, first.title);
      ASSERT_NE(dialog, nullptr);
      Click(dialog, IDCANCEL);
      ASSERT_TRUE(WaitForClose(dialog));
      EXPECT_TRUE(MenuIsForeground(w));
    }
    {
      SCOPED_TRACE("a delete carried out");
      Click(w, IDC_DELETE);
      HWND list = WaitForTopWindow(pid, kDeleteTitle);
      ASSERT_NE(list, nullptr);
      SelectListItem(list, IDC_DATA_LIST, 0);
      Click(list, IDOK);
      for (const auto& [text, answer] : {std::pair{"削除を開始しますか？", IDYES}, std::pair{"削除を完了しました。", IDOK},
                                         std::pair{"別のデータを削除しますか？", IDNO}}) {
        MessageBoxSeen box = WaitForMessageBox(pid);
        ASSERT_EQ(box.text, text);
        ASSERT_TRUE(Answer(box, answer));
      }
      EXPECT_TRUE(MenuIsForeground(w));
      EXPECT_EQ(GetFileAttributesW(Utf8ToUtf16(data + "\\Word").c_str()), INVALID_FILE_ATTRIBUTES)
          << "the data set was deleted";
    }
    Click(w, IDC_EXIT);
  });
}

}  // namespace
