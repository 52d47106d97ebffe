// The registered-data list (move and delete) opened for real over records in
// Wine's registry and operated by messages.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>
#include <vector>

#include "app/win32/tav_copy_tool_app.h"
#include "catalogue/data_dir_records.h"
#include "catalogue/subject_catalogue.h"
#include "platform/text.h"
#include "res/resource.h"
#include "tests/support/automation.h"
#include "tests/wine/dialog_driver.h"
#include "ui/data_list.h"
#include "ui/win32/about_dlg.h"
#include "ui/win32/data_list_dlg.h"

namespace {

using namespace automation;

using Lines = std::vector<std::string>;

std::wstring Wide(const std::string& s) { return Utf8ToUtf16(s); }

int IndexOf(HWND dialog, const std::string& line) {
  const auto items = ListItems(dialog, IDC_DATA_LIST);
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i] == line) return static_cast<int>(i);
  return -1;
}

void Choose(HWND dialog, const std::string& line) {
  const int index = IndexOf(dialog, line);
  ASSERT_GE(index, 0) << line << " is not listed";
  SelectListItem(dialog, IDC_DATA_LIST, index);
  ASSERT_TRUE(Flush(dialog));
}

// Everything posted so far has been handled and left the dialog as it was.
bool StaysOpen(HWND dialog) {
  return Flush(dialog) && IsWindowVisible(dialog) && GetLastActivePopup(dialog) == dialog;
}

// The templates' own texts, as the user reads them.
struct TemplateTexts {
  const char* title;
  const char* instruction;
};
TemplateTexts TemplateTextsOf(DataListVariant variant) {
  if (variant == DataListVariant::Delete)
    return {"Tavコピーツール - データの削除", "削除するデータを選択し、[次へ]をクリックしてください。"};
  return {"Tavコピーツール - データの移動", "移動元のデータを選択して、[次へ]をクリックしてください。"};
}
const char* TitleOf(DataListVariant variant) { return TemplateTextsOf(variant).title; }

class DataListDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    Clean();
    app.m_bAdmin.fill(true);
    app.m_szYear = "2000";
    app.m_szSubject = app.m_szSubjectKey = app.m_szSubjectName = "";
    app.m_szEdition = "W";
    app.m_szDataDir = "untouched";
  }
  void TearDown() override { Clean(); }
  static void Clean() {
    const std::wstring branch = L"Software\\Wow6432Node\\KR_LAB\\Tav2007\\";
    for (const auto& subject : kSubjects) RegDeleteTreeW(HKEY_LOCAL_MACHINE, (branch + Wide(subject.keyName)).c_str());
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, (branch + L"General").c_str());
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"Software\\Wow6432Node\\KR_LAB\\Tav2007");
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"Software\\Wow6432Node\\KR_LAB");
  }
  void Record(const char* key, const char* year, const std::string& path) {
    ASSERT_EQ(WriteDataDirRecord(registry, key, year, path), RecordUpdate::Done);
  }
  static std::string FolderOf(char code, const char* year) {
    return std::string("D:\\KR_LAB\\Tav") + year + "\\TestDoc_" + code;
  }

  TavAppState app;
  Win32Registry registry;
};

TEST_F(DataListDialog, TemplatesLayTheControlsOutPerVariant) {
  const struct {
    DataListVariant variant;
    int width, listWidth, buttonX;
  } cases[] = {{DataListVariant::Move, 187, 109, 130}, {DataListVariant::Delete, 182, 104, 125}};
  Record("Biology", "2007", FolderOf('B', "2007"));
  for (const auto& c : cases) {
    SCOPED_TRACE(TitleOf(c.variant));
    const TemplateTexts texts = TemplateTextsOf(c.variant);
    CMoveListDlg move{app, registry};
    CDeleteListDlg erase{app, registry};
    CDialog& dialog = c.variant == DataListVariant::Move ? static_cast<CDialog&>(move) : erase;
    TemplateCapture created;
    RunDriven(dialog, texts.title, [&](HWND w) {
      ExpectClientSize(w, c.width, 183);
      RECT client;
      GetClientRect(w, &client);
      const LONG style = GetWindowLongW(w, GWL_STYLE);
      EXPECT_TRUE(style & WS_SYSMENU);
      EXPECT_TRUE(style & WS_CAPTION);
      EXPECT_TRUE(style & DS_MODALFRAME);
      EXPECT_NE(SendMessageW(w, WM_GETICON, ICON_BIG, 0), 0);

      HWND instruction = FindWindowExW(w, nullptr, L"Static", Wide(texts.instruction).c_str());
      ASSERT_NE(instruction, nullptr);
      const RECT at = ClientRectOf(w, GetDlgCtrlID(instruction));
      const RECT expectedAt = DialogUnits(w, 10, 10, 0, 0);
      EXPECT_EQ(at.left, expectedAt.left);
      EXPECT_EQ(at.top, expectedAt.top);
      EXPECT_LE(at.right, client.right) << "the instruction stays inside the dialog";
      RECT textRect{0, 0, 0, 0};
      HDC dc = GetDC(instruction);
      HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(instruction, WM_GETFONT, 0, 0)));
      const std::wstring text = Wide(texts.instruction);
      DrawTextW(dc, text.c_str(), -1, &textRect, DT_CALCRECT | DT_SINGLELINE);
      SelectObject(dc, old);
      ReleaseDC(instruction, dc);
      EXPECT_LE(textRect.right, at.right - at.left) << "instruction cut off";
      EXPECT_LE(textRect.bottom, at.bottom - at.top) << "instruction cut off";

      const struct {
        int id, x, y, cx, cy;
      } controls[] = {{IDC_DATA_LIST, 10, 25, c.listWidth, 145},
                      {IDOK, c.buttonX, 25, 50, 14},
                      {IDCANCEL, c.buttonX, 43, 50, 14}};
      for (const auto& control : controls) ExpectAt(w, control.id, control.x, control.y, control.cx, control.cy);
      const LONG listStyle = created.byId[IDC_DATA_LIST].style;
      for (LONG bit : {LBS_NOTIFY, LBS_SORT, LBS_NOINTEGRALHEIGHT, WS_VSCROLL, WS_TABSTOP})
        EXPECT_EQ(listStyle & bit, bit) << std::hex << bit;
      EXPECT_TRUE((listStyle & WS_BORDER) || (created.byId[IDC_DATA_LIST].exStyle & WS_EX_CLIENTEDGE));
      EXPECT_TRUE(GetWindowLongW(GetDlgItem(w, IDOK), GWL_STYLE) & BS_DEFPUSHBUTTON);
      EXPECT_EQ(ItemText(w, IDOK), "次へ");
      EXPECT_EQ(ItemText(w, IDCANCEL), "戻る");
      EXPECT_EQ(SendDlgItemMessageW(w, IDC_DATA_LIST, LB_GETCURSEL, 0, 0), LB_ERR) << "nothing preselected";
    });
  }
}

TEST_F(DataListDialog, ListsEveryRecordOnceInTheOrderOfAJapaneseListBox) {
  for (const auto& subject : kSubjects) Record(subject.keyName, "2005", FolderOf(subject.code, "2005"));
  Record("Biology", "2007", FolderOf('B', "2007"));
  Record("Biology", "2003", FolderOf('B', "2003"));
  Record("Physics", "2006", "C:");  // two characters: no data set
  // A record under "General" alone belongs to no subject of the list.
  ASSERT_NE(registry.CreateKey(RegRoot::LocalMachine, DataDirKeyPath("General")), nullptr);
  registry.CreateKey(RegRoot::LocalMachine, DataDirKeyPath("General"))->SetString("DataDir01", "D:\\General");

  CMoveListDlg dialog{app, registry};
  RunDriven(dialog, TitleOf(DataListVariant::Move), [&](HWND w) {
    // Year first; within a year the names in Shift-JIS code order, which is
    // what a list box sorts by on a Japanese system (and on Wine with the
    // Japanese locale).
    EXPECT_EQ(ListItems(w, IDC_DATA_LIST),
              (Lines{"Tav2003  生物", "Tav2005  英語", "Tav2005  化学", "Tav2005  公民", "Tav2005  国語",
                     "Tav2005  数学", "Tav2005  世界史", "Tav2005  生物", "Tav2005  地学・総合", "Tav2005  地理",
                     "Tav2005  日本史", "Tav2005  物理", "Tav2007  生物"}));
    Click(w, IDCANCEL);
  });
}

TEST_F(DataListDialog, NothingToListEndsWithAnUnownedMessageBeforeTheDialogIsSeen) {
  // Records exist, but only under subjects on which the user has no rights.
  Record("Biology", "2007", FolderOf('B', "2007"));
  Record("Earth", "2004", FolderOf('T', "2004"));
  app.m_bAdmin.fill(true);
  app.m_bAdmin[0] = false;   // Biology
  app.m_bAdmin[10] = false;  // Earth; its "General" twin is not a subject of its own
  for (DataListVariant variant : {DataListVariant::Move, DataListVariant::Delete}) {
    SCOPED_TRACE(TitleOf(variant));
    bool dialogSeen = false;
    MessageBoxSeen box;
    HWND boxOwner = reinterpret_cast<HWND>(1);
    std::thread driver([&] {
      box = WaitForMessageBox(GetCurrentProcessId());
      dialogSeen = FindTopWindow(GetCurrentProcessId(), TitleOf(variant)) != nullptr;
      if (box.window) boxOwner = GetWindow(box.window, GW_OWNER);
      Answer(box, IDOK);
    });
    CMoveListDlg move{app, registry};
    CDeleteListDlg erase{app, registry};
    CDialog& dialog = variant == DataListVariant::Move ? static_cast<CDialog&>(move) : erase;
    const INT_PTR result = dialog.DoModal();
    driver.join();
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(box.text, DataListTextsFor(variant).emptyListMessage);
    EXPECT_EQ(box.caption, "Tavコピーツール");
    EXPECT_EQ(boxOwner, nullptr);
    EXPECT_FALSE(dialogSeen);
  }
}

TEST_F(DataListDialog, MainWindowStaysDisabledWhileTheNothingToListMessageIsUp) {
  // The box has no owner, so only the command's own modal state keeps the
  // user from starting a second command from the main window under it.
  CAboutDlg main;  // any dialog object will do as the holder of the main window
  main.m_hWnd = CreateWindowExW(0, L"STATIC", L"main", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr,
                                nullptr, nullptr);
  ASSERT_NE(main.m_hWnd, nullptr);
  TavApp().m_pMainWnd = &main;
  bool mainEnabledUnderTheBox = true;
  std::thread driver([&] {
    MessageBoxSeen box = WaitForMessageBox(GetCurrentProcessId());
    mainEnabledUnderTheBox = IsWindowEnabled(main.m_hWnd) != FALSE;
    Answer(box, IDOK);
  });
  CMoveListDlg dialog{app, registry};
  const INT_PTR result = dialog.DoModal();
  driver.join();
  TavApp().m_pMainWnd = nullptr;
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_FALSE(mainEnabledUnderTheBox);
  EXPECT_TRUE(IsWindowEnabled(main.m_hWnd)) << "enabled again when the command's dialog is over";
}

TEST_F(DataListDialog, NextWithoutASelectionShowsTheVariantsMessageAndStays) {
  Record("Chemistry", "2001", FolderOf('C', "2001"));
  for (DataListVariant variant : {DataListVariant::Move, DataListVariant::Delete}) {
    SCOPED_TRACE(TitleOf(variant));
    CMoveListDlg move{app, registry};
    CDeleteListDlg erase{app, registry};
    CDialog& dialog = variant == DataListVariant::Move ? static_cast<CDialog&>(move) : erase;
    const INT_PTR result = RunDriven(dialog, TitleOf(variant), [&](HWND w) {
      Click(w, IDOK);
      MessageBoxSeen box = WaitForMessageBox(GetCurrentProcessId());
      EXPECT_EQ(box.text, DataListTextsFor(variant).noSelectionMessage);
      EXPECT_EQ(GetWindow(box.window, GW_OWNER), w);
      EXPECT_EQ(GetDlgItem(box.window, IDNO), nullptr);
      Answer(box, IDOK);
      EXPECT_TRUE(StaysOpen(w));
      Click(w, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(move.Chosen().year, "") << "nothing chosen, nothing handed back";
    EXPECT_EQ(erase.Chosen().year, "") << "nothing chosen, nothing handed back";
  }
}

TEST_F(DataListDialog, ConfirmationFillsTheDataSetAndTheDeleteVariantItsFolder) {
  Record("Earth", "2005", FolderOf('T', "2005"));
  Record("Physics", "2002", FolderOf('P', "2002"));
  const struct {
    DataListVariant variant;
    const char* dataDir;
  } cases[] = {{DataListVariant::Move, "untouched"}, {DataListVariant::Delete, "D:\\KR_LAB\\Tav2005\\TestDoc_T"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(TitleOf(c.variant));
    app.m_szDataDir = "untouched";
    CMoveListDlg move{app, registry};
    CDeleteListDlg erase{app, registry};
    CDialog& dialog = c.variant == DataListVariant::Move ? static_cast<CDialog&>(move) : erase;
    const INT_PTR result = RunDriven(dialog, TitleOf(c.variant), [&](HWND w) {
      Choose(w, "Tav2005  地学・総合");
      Click(w, IDOK);
      EXPECT_TRUE(WaitForClose(w));
    });
    EXPECT_EQ(result, IDOK);
    // As the command takes the chosen data set.
    if (c.variant == DataListVariant::Move)
      ApplyDataSetToMove(move.Chosen(), app);
    else
      ApplyDataSetToDelete(erase.Chosen(), app);
    EXPECT_EQ(app.m_szYear, "2005");
    EXPECT_EQ(app.m_szSubjectKey, "Earth");
    EXPECT_EQ(app.m_szSubject, "T");
    EXPECT_EQ(app.m_szSubjectName, "地学・総合");
    EXPECT_EQ(app.m_szDataDir, c.dataDir);
    EXPECT_EQ(app.m_szEdition, "W") << "left as a copy left it";
  }
}

// The list box sorts the lines into the reverse of the order they were
// added in (catalogue order): each line still hands back its own data set,
// carried with it, not the one added at its position.
TEST_F(DataListDialog, EachSortedLineHandsBackItsOwnDataSet) {
  Record("Biology", "2007", FolderOf('B', "2007"));
  Record("English", "2005", FolderOf('E', "2005"));
  Record("Physics", "2003", FolderOf('P', "2003"));
  const struct {
    const char* line;
    const char* key;
    const char* year;
    char code;
  } cases[] = {
      {"Tav2003  物理", "Physics", "2003", 'P'},
      {"Tav2005  英語", "English", "2005", 'E'},
      {"Tav2007  生物", "Biology", "2007", 'B'},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    CDeleteListDlg dialog{app, registry};
    const INT_PTR result = RunDriven(dialog, TitleOf(DataListVariant::Delete), [&](HWND w) {
      EXPECT_EQ(ListItems(w, IDC_DATA_LIST), (Lines{"Tav2003  物理", "Tav2005  英語", "Tav2007  生物"}));
      Choose(w, c.line);
      Click(w, IDOK);
      EXPECT_TRUE(WaitForClose(w));
    });
    EXPECT_EQ(result, IDOK);
    ASSERT_NE(dialog.Chosen().subject, nullptr);
    EXPECT_STREQ(dialog.Chosen().subject->keyName, c.key);
    EXPECT_EQ(dialog.Chosen().year, c.year);
    EXPECT_EQ(dialog.Chosen().dataDir, FolderOf(c.code, c.year));
  }
}

TEST_F(DataListDialog, DeleteOfARecordRemovedAfterListingIsRefusedAndTheDialogStays) {
  Record("Japanese", "2006", FolderOf('J', "2006"));
  Record("English", "2006", FolderOf('E', "2006"));
  CDeleteListDlg dialog{app, registry};
  const INT_PTR result = RunDriven(dialog, TitleOf(DataListVariant::Delete), [&](HWND w) {
    EXPECT_EQ(DeleteDataDirRecord(registry, "Japanese", "2006"), RecordUpdate::Done);  // someone else
    Choose(w, "Tav2006  国語");
    Click(w, IDOK);
    MessageBoxSeen box = WaitForMessageBox(GetCurrentProcessId());
    EXPECT_EQ(box.text, "レジストリにアクセスできません。");
    EXPECT_EQ(GetWindow(box.window, GW_OWNER), w);
    Answer(box, IDOK);
    EXPECT_TRUE(StaysOpen(w));
    EXPECT_EQ(dialog.Chosen().dataDir, "") << "nothing handed back";

    Choose(w, "Tav2006  英語");
    Click(w, IDOK);
    EXPECT_TRUE(WaitForClose(w));
  });
  EXPECT_EQ(result, IDOK);
  ASSERT_NE(dialog.Chosen().subject, nullptr);
  EXPECT_STREQ(dialog.Chosen().subject->keyName, "English");
  EXPECT_EQ(dialog.Chosen().dataDir, FolderOf('E', "2006"));
}

TEST_F(DataListDialog, EnterEscapeDoubleClickAndF1OnlySelect) {
  Record("Geography", "2004", FolderOf('G', "2004"));
  Record("History", "2004", FolderOf('H', "2004"));
  CMoveListDlg dialog{app, registry};
  const INT_PTR result = RunDriven(dialog, TitleOf(DataListVariant::Move), [&](HWND w) {
    HWND list = GetDlgItem(w, IDC_DATA_LIST);
    RECT item;
    SendMessageW(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(list, WM_LBUTTONUP, 0, at);
    PostMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageW(list, WM_LBUTTONUP, 0, at);
    ASSERT_TRUE(Flush(w));
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 1) << "the double-click selected the line";
    for (HWND target : {list, GetDlgItem(w, IDOK), GetDlgItem(w, IDCANCEL)}) {
      PressKey(target, VK_RETURN);
      PressKey(target, VK_ESCAPE);
    }
    HELPINFO help{sizeof(HELPINFO), HELPINFO_WINDOW, IDC_DATA_LIST, list, 0, {0, 0}};
    EXPECT_TRUE(SendMessageW(w, WM_HELP, 0, reinterpret_cast<LPARAM>(&help))) << "F1 is consumed";
    EXPECT_TRUE(StaysOpen(w));
    EXPECT_EQ(dialog.Chosen().year, "") << "nothing was confirmed";
    Click(w, IDCANCEL);
  });
  EXPECT_EQ(result, IDCANCEL);
}

TEST_F(DataListDialog, EveryShowingListsAfreshWithNothingSelected) {
  Record("Mathematics", "2000", FolderOf('M', "2000"));
  CMoveListDlg dialog{app, registry};
  RunDriven(dialog, TitleOf(DataListVariant::Move), [&](HWND w) {
    EXPECT_EQ(ListItems(w, IDC_DATA_LIST), Lines{"Tav2000  数学"});
    Choose(w, "Tav2000  数学");
    Click(w, IDOK);
    EXPECT_TRUE(WaitForClose(w));
  });
  Record("WorldHistory", "2000", FolderOf('W', "2000"));
  // The command went back to this step.
  RunDriven(dialog, TitleOf(DataListVariant::Move), [&](HWND w) {
    EXPECT_EQ(ListItems(w, IDC_DATA_LIST), (Lines{"Tav2000  数学", "Tav2000  世界史"}));
    EXPECT_EQ(SendDlgItemMessageW(w, IDC_DATA_LIST, LB_GETCURSEL, 0, 0), LB_ERR);
    Click(w, IDCANCEL);
  });
}

}  // namespace
