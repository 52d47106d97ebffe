// The destination drive dialog (copy and move) opened for real on Wine's
// drive table and operated by messages: D: and G: are fixed drives backed by
// folders of the test prefix, E: and F: are CD-ROM drives.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "catalogue/data_dir_records.h"
#include "command/app_state.h"
#include "platform/win32/win32_disks.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_prompts.h"
#include "platform/win32/win32_registry.h"
#include "platform/text.h"
#include "res/resource.h"
#include "tests/support/automation.h"
#include "tests/support/unix_link.h"
#include "tests/wine/dialog_driver.h"
#include "ui/destination.h"
#include "ui/win32/dest_dlg.h"

namespace {

using namespace automation;

const char* const kYear = "2003";
const char* const kTestSubjectKey = "WineTestDest";  // a record key no real subject uses
const char* const kDFolder = "D:\\KR_LAB\\Tav2003\\TestDoc_B";
const char* const kGFolder = "G:\\KR_LAB\\Tav2003\\TestDoc_B";

std::wstring Wide(const std::string& s) { return Utf8ToUtf16(s); }
bool Exists(const std::string& path) { return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

HWND FocusOf(HWND dialog) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info);
  return info.hwndFocus;
}

// Index of the entry of drive `letter`, or -1.
int EntryOf(HWND dialog, char letter) {
  const auto items = ComboItems(dialog, IDC_DRIVE_LIST);
  for (std::size_t i = 0; i < items.size(); ++i)
    if (!items[i].empty() && items[i][0] == letter) return static_cast<int>(i);
  return -1;
}

void ChooseDrive(HWND dialog, char letter) {
  const int index = EntryOf(dialog, letter);
  ASSERT_GE(index, 0) << letter << ": is not listed";
  SelectComboItem(dialog, IDC_DRIVE_LIST, index);
}

// Everything posted so far has been handled and left the dialog as it was.
bool StaysOpen(HWND dialog) {
  return Flush(dialog) && IsWindowVisible(dialog) && GetLastActivePopup(dialog) == dialog;
}

class DestDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    app.m_szYear = kYear;
    app.m_szSubject = "B";
    app.m_szSubjectName = "生物";
    app.m_szSubjectKey = kTestSubjectKey;
    Clean();
  }
  void TearDown() override { Clean(); }

  // The current data set and the real ports, as the runner hands them over.
  DestDialogInputs AppInputs() { return {app, registry, disks, files, prompts}; }
  TavAppState app;
  Win32Registry registry;
  Win32Disks disks;
  Win32FileSystem files{NoWindowOwner()};
  Win32Prompts prompts{NoWindowOwner()};

  // Removes only levels that are empty: whatever else lives on the test
  // drives stays.
  static void Clean() {
    for (const char* root : {"D:\\", "G:\\"}) {
      const std::string r = root;
      for (const std::string level : {"KR_LAB\\Tav2003\\TestDoc_B", "KR_LAB\\Tav2003", "KR_LAB"})
        RemoveDirectoryW(Wide(r + level).c_str());
    }
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\Wow6432Node\\KR_LAB\\Tav2007\\WineTestDest");
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"Software\\Wow6432Node\\KR_LAB\\Tav2007");
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"Software\\Wow6432Node\\KR_LAB");
  }

  // The templates' own texts, as the user reads them.
  struct TemplateTexts {
    const char* title;
    const char* prompt;
  };
  static TemplateTexts TemplateTextsOf(DestVariant variant) {
    if (variant == DestVariant::Move)
      return {"Tavコピーツール - データの移動", "移動先のドライブを指定して、[次へ]をクリックしてください。"};
    return {"Tavコピーツール - データのコピー", "コピー先のドライブを指定して、[次へ]をクリックしてください。"};
  }
  static const char* TitleOf(DestVariant variant) { return TemplateTextsOf(variant).title; }
};

// Every level of `path` below its drive root, created through the Win32 API.
void CreateLevels(const std::string& path) {
  for (std::size_t at = path.find('\\', 3); ; at = path.find('\\', at + 1)) {
    CreateDirectoryW(Wide(path.substr(0, at)).c_str(), nullptr);
    if (at == std::string::npos) break;
  }
}

// Whether `text` drawn in the control's own font fits inside the control.
bool TextFits(HWND control, const std::string& text, int reserved = 0) {
  RECT client;
  GetClientRect(control, &client);
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  SIZE size{};
  const std::wstring w = Wide(text);
  GetTextExtentPoint32W(dc, w.c_str(), static_cast<int>(w.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return size.cx + reserved <= client.right && size.cy <= client.bottom;
}

TEST_F(DestDialog, TemplatesLayTheControlsOutAsDesignedForBothVariants) {
  for (DestVariant variant : {DestVariant::Copy, DestVariant::Move}) {
    SCOPED_TRACE(TitleOf(variant));
    const TemplateTexts texts = TemplateTextsOf(variant);
    CCopyDestDlg copy{AppInputs()};
    CMoveDestDlg move{AppInputs()};
    CDialog& dialog = variant == DestVariant::Copy ? static_cast<CDialog&>(copy) : move;
    TemplateCapture created;
    RunDriven(dialog, texts.title, [&](HWND w) {
      ExpectClientSize(w, 255, 75);
      const LONG style = GetWindowLongW(w, GWL_STYLE);
      EXPECT_TRUE(style & WS_SYSMENU);
      EXPECT_TRUE(style & WS_CAPTION);
      EXPECT_NE(SendMessageW(w, WM_GETICON, ICON_BIG, 0), 0);

      HWND prompt = FindWindowExW(w, nullptr, L"Static", Wide(texts.prompt).c_str());
      ASSERT_NE(prompt, nullptr);
      const struct {
        HWND control;
        int x, y, cx, cy;
        bool visible;
      } controls[] = {
          {GetDlgItem(w, IDC_DRIVE_LIST), 10, 50, 110, 0, true},  // height: that of its selection field
          {GetDlgItem(w, IDC_DEST_FOLDER), 185, 45, 60, 12, false},
          {GetDlgItem(w, IDC_DATASET_LINE), 10, 10, 180, 10, true},
          {GetDlgItem(w, IDOK), 195, 10, 50, 14, true},
          {prompt, 10, 30, 180, 10, true},
          {GetDlgItem(w, IDCANCEL), 195, 27, 50, 14, true},
      };
      // The children are created in tab order.
      HWND child = GetWindow(w, GW_CHILD);
      for (const auto& c : controls) {
        const int id = GetDlgCtrlID(c.control);
        EXPECT_EQ(child, c.control) << "tab order at control " << id;
        child = GetWindow(child, GW_HWNDNEXT);
        RECT actual;
        GetWindowRect(c.control, &actual);
        MapWindowPoints(nullptr, w, reinterpret_cast<POINT*>(&actual), 2);
        const RECT expected = DialogUnits(w, c.x, c.y, c.cx, c.cy);
        EXPECT_EQ(actual.left, expected.left) << id;
        EXPECT_EQ(actual.top, expected.top) << id;
        EXPECT_EQ(actual.right, expected.right) << id;
        if (c.cy) {
          EXPECT_EQ(actual.bottom, expected.bottom) << id;
        }
        EXPECT_EQ(IsWindowVisible(c.control) != FALSE, c.visible) << id;
      }
      // The template's own styles and the drive list's dropped height.
      const TemplateCapture::Created combo = created.byId[IDC_DRIVE_LIST];
      EXPECT_EQ(combo.cy, DialogUnits(w, 0, 0, 0, 55).bottom);
      EXPECT_EQ(combo.style & 0x3, CBS_DROPDOWNLIST);
      for (LONG bit : {CBS_SORT, WS_VSCROLL, WS_TABSTOP}) EXPECT_EQ(combo.style & bit, bit) << std::hex << bit;
      const LONG edit = created.byId[IDC_DEST_FOLDER].style;
      for (LONG bit : {WS_TABSTOP, ES_AUTOHSCROLL}) EXPECT_EQ(edit & bit, bit) << std::hex << bit;
      EXPECT_TRUE((edit & WS_BORDER) || (created.byId[IDC_DEST_FOLDER].exStyle & WS_EX_CLIENTEDGE));
      EXPECT_EQ(edit & WS_VISIBLE, 0);
      EXPECT_EQ(created.byId[IDC_DATASET_LINE].style & 0x1F, SS_LEFT);
      EXPECT_TRUE(created.byId[IDC_DATASET_LINE].style & WS_GROUP);
      EXPECT_EQ(created.byId[-1].style & 0x1F, SS_LEFT);
      EXPECT_TRUE(created.byId[-1].style & WS_GROUP);
      EXPECT_TRUE(GetWindowLongW(GetDlgItem(w, IDC_DATASET_LINE), GWL_STYLE) & SS_CENTERIMAGE);
      EXPECT_TRUE(GetWindowLongW(GetDlgItem(w, IDOK), GWL_STYLE) & BS_DEFPUSHBUTTON);
      EXPECT_EQ(SendDlgItemMessageW(w, IDC_DEST_FOLDER, EM_GETLIMITTEXT, 0, 0), 260);

      EXPECT_EQ(ItemText(w, IDOK), "次へ");
      EXPECT_EQ(ItemText(w, IDCANCEL), "戻る");
      const std::string line = FormatDestDataLine(variant, kYear, "生物");
      EXPECT_EQ(ItemText(w, IDC_DATASET_LINE), line);
      EXPECT_TRUE(TextFits(GetDlgItem(w, IDC_DATASET_LINE), line)) << "data set line cut off";
      EXPECT_TRUE(TextFits(prompt, texts.prompt)) << "prompt cut off";
      for (const std::string& entry : ComboItems(w, IDC_DRIVE_LIST))
        EXPECT_TRUE(TextFits(GetDlgItem(w, IDC_DRIVE_LIST), entry, GetSystemMetrics(SM_CXVSCROLL) + 4))
            << entry << " cut off";
    });
  }
}

TEST_F(DestDialog, ListsExactlyTheFixedDrivesInLetterOrderWithTheirFreeSpace) {
  std::string fixed;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    const wchar_t root[] = {wchar_t(letter), L':', L'\\', 0};
    if (GetDriveTypeW(root) == DRIVE_FIXED) fixed += letter;
  }
  ASSERT_NE(fixed.find('D'), std::string::npos);
  ASSERT_NE(fixed.find('G'), std::string::npos);
  EXPECT_EQ(fixed.find('E'), std::string::npos) << "the prefix makes E: a CD-ROM drive";
  EXPECT_EQ(fixed.find('F'), std::string::npos) << "the prefix makes F: a CD-ROM drive";

  CCopyDestDlg dialog{AppInputs()};
  // Shown twice: the second showing (after stepping back) starts afresh.
  for (int showing = 1; showing <= 2; ++showing) {
    SCOPED_TRACE(showing);
    RunDriven(dialog, TitleOf(DestVariant::Copy), [&](HWND w) {
      const auto items = ComboItems(w, IDC_DRIVE_LIST);
      ASSERT_EQ(items.size(), fixed.size());
      for (std::size_t i = 0; i < items.size(); ++i) {
        const std::string& item = items[i];
        const std::string head{fixed[i], ':', '\\'};
        ASSERT_EQ(item.substr(0, 3), head);
        const std::string prefix = head + "　（約", suffix = "MBの空き）";
        ASSERT_EQ(item.substr(0, prefix.size()), prefix) << item;
        ASSERT_GT(item.size(), prefix.size() + suffix.size()) << item;
        ASSERT_EQ(item.substr(item.size() - suffix.size()), suffix) << item;
        const std::string digits = item.substr(prefix.size(), item.size() - prefix.size() - suffix.size());
        ASSERT_EQ(digits.find_first_not_of("0123456789"), std::string::npos) << item;
        ULARGE_INTEGER available{};
        ASSERT_TRUE(GetDiskFreeSpaceExW(Wide(head).c_str(), &available, nullptr, nullptr));
        // The host disk is shared with other work: allow for a little drift.
        const double shown = std::strtod(digits.c_str(), nullptr);
        const double now = static_cast<double>(available.QuadPart >> 20);
        EXPECT_NEAR(shown, now, 64 + now * 0.02) << item;
      }
      EXPECT_EQ(SendDlgItemMessageW(w, IDC_DRIVE_LIST, CB_GETCURSEL, 0, 0), CB_ERR) << "nothing preselected";
      EXPECT_EQ(FocusOf(w), GetDlgItem(w, IDC_DRIVE_LIST));
      ChooseDrive(w, 'G');
      Click(w, IDCANCEL);
      EXPECT_TRUE(WaitForClose(w));
    });
  }
  EXPECT_TRUE(dialog.Chosen().folder.empty()) << "handed back only on acceptance";
}

TEST_F(DestDialog, NextWithoutADriveShowsTheVariantsMessageAndStays) {
  for (DestVariant variant : {DestVariant::Copy, DestVariant::Move}) {
    SCOPED_TRACE(TitleOf(variant));
    CCopyDestDlg copy{AppInputs()};
    CMoveDestDlg move{AppInputs()};
    CDialog& dialog = variant == DestVariant::Copy ? static_cast<CDialog&>(copy) : move;
    const INT_PTR result = RunDriven(dialog, TitleOf(variant), [&](HWND w) {
      // The focus elsewhere first, so that its return to the list shows.
      PostMessageW(w, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(w, IDCANCEL)), TRUE);
      ASSERT_TRUE(Flush(w));
      Click(w, IDOK);
      MessageBoxSeen box = WaitForMessageBox(GetCurrentProcessId());
      ASSERT_NE(box.window, nullptr);
      EXPECT_EQ(box.text, DestDialogTextsFor(variant).noDriveMessage);
      EXPECT_EQ(box.caption, "Tavコピーツール");
      EXPECT_EQ(GetWindow(box.window, GW_OWNER), w);
      EXPECT_NE(GetDlgItem(box.window, IDOK), nullptr);
      EXPECT_EQ(GetDlgItem(box.window, IDNO), nullptr);
      Answer(box, IDOK);
      EXPECT_TRUE(WaitUntil([&] { return FocusOf(w) == GetDlgItem(w, IDC_DRIVE_LIST); }));
      EXPECT_TRUE(StaysOpen(w));
      Click(w, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
  }
}

TEST_F(DestDialog, ExistingFolderIsAcceptedWithoutAQuestion) {
  CreateLevels(kDFolder);
  ASSERT_TRUE(Exists(kDFolder));
  CCopyDestDlg dialog{AppInputs()};
  const INT_PTR result = RunDriven(dialog, TitleOf(DestVariant::Copy), [&](HWND w) {
    ChooseDrive(w, 'D');
    Click(w, IDOK);
    EXPECT_TRUE(WaitForClose(w)) << "no question was asked";
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(dialog.Chosen().folder, kDFolder);
}

TEST_F(DestDialog, MissingFolderIsCreatedOnlyAfterYes) {
  ASSERT_FALSE(Exists("G:\\KR_LAB"));
  CCopyDestDlg dialog{AppInputs()};
  const INT_PTR result = RunDriven(dialog, TitleOf(DestVariant::Copy), [&](HWND w) {
    ChooseDrive(w, 'G');
    Click(w, IDOK);
    MessageBoxSeen box = WaitForMessageBox(GetCurrentProcessId());
    ASSERT_NE(box.window, nullptr);
    EXPECT_EQ(box.text, std::string(kGFolder) + " は存在しません。作成しますか？");
    EXPECT_EQ(GetWindow(box.window, GW_OWNER), nullptr) << "the folder boxes have no owner";
    EXPECT_FALSE(IsWindowEnabled(w)) << "task-modal: the dialog waits for the answer";
    Answer(box, IDNO);
    HWND folder = GetDlgItem(w, IDC_DEST_FOLDER);
    EXPECT_TRUE(WaitUntil([&] { return FocusOf(w) == folder; }));
    DWORD from = 1, to = 0;
    SendMessageW(folder, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    EXPECT_EQ(from, 0u);
    EXPECT_EQ(to, std::string(kGFolder).size()) << "the whole path is selected";
    EXPECT_EQ(ItemText(w, IDC_DEST_FOLDER), kGFolder);
    EXPECT_FALSE(IsWindowVisible(folder)) << "the folder box is never shown";
    EXPECT_TRUE(StaysOpen(w));
    EXPECT_FALSE(Exists("G:\\KR_LAB")) << "declining creates nothing";

    Click(w, IDOK);
    box = WaitForMessageBox(GetCurrentProcessId());
    ASSERT_NE(box.window, nullptr);
    Answer(box, IDYES);
    EXPECT_TRUE(WaitForClose(w));
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_TRUE(Exists(kGFolder)) << "every level was created";
  EXPECT_EQ(dialog.Chosen().folder, kGFolder);
}

// A level of the data folder that is a link (an ordinary user's junction)
// refuses the destination with the command's message before the folder
// question, and nothing is created where the link leads.
TEST_F(DestDialog, ALinkedLevelIsRefusedBeforeAnythingIsCreated) {
  const std::string elsewhere = "D:\\tav-dest-elsewhere";
  CreateDirectoryW(Wide(elsewhere).c_str(), nullptr);
  CreateDirectoryW(L"D:\\KR_LAB", nullptr);
  ASSERT_TRUE(unix_link::Plant(elsewhere, "D:\\KR_LAB\\Tav2003"));
  for (const DestVariant variant : {DestVariant::Copy, DestVariant::Move}) {
    SCOPED_TRACE(TitleOf(variant));
    if (variant == DestVariant::Move) {
      ASSERT_EQ(WriteDataDirRecord(registry, kTestSubjectKey, kYear, kGFolder), RecordUpdate::Done);
    }
    CCopyDestDlg copyDialog{AppInputs()};
    CMoveDestDlg moveDialog{AppInputs()};
    CDestDlg& dialog = variant == DestVariant::Copy ? static_cast<CDestDlg&>(copyDialog) : moveDialog;
    const INT_PTR result = RunDriven(dialog, TitleOf(variant), [&](HWND w) {
      ChooseDrive(w, 'D');
      Click(w, IDOK);
      MessageBoxSeen box = WaitForMessageBox(GetCurrentProcessId());
      EXPECT_EQ(box.text, DestDialogTextsFor(variant).unusableMessage);
      Answer(box, IDOK);
      EXPECT_TRUE(StaysOpen(w));
      Click(w, IDCANCEL);
      EXPECT_TRUE(WaitForClose(w));
    });
    EXPECT_NE(result, IDOK);
    EXPECT_FALSE(Exists(elsewhere + "\\TestDoc_B")) << "nothing created through the link";
  }
  unix_link::Remove("D:\\KR_LAB\\Tav2003");
  RemoveDirectoryW(Wide(elsewhere).c_str());
}

TEST_F(DestDialog, MoveRefusesItsOwnFolderAndAnUnreadableRecord) {
  CMoveDestDlg dialog{AppInputs()};
  const INT_PTR result = RunDriven(dialog, TitleOf(DestVariant::Move), [&](HWND w) {
    EXPECT_EQ(ItemText(w, IDC_DATASET_LINE), "選択されたデータは「Tav2003 生物」です。");
    ChooseDrive(w, 'G');
    Click(w, IDOK);
    MessageBoxSeen box = WaitForMessageBox(GetCurrentProcessId());
    EXPECT_EQ(box.text, "レジストリにアクセスできません。") << "no record for the data set";
    EXPECT_EQ(GetWindow(box.window, GW_OWNER), w);
    Answer(box, IDOK);
    EXPECT_TRUE(StaysOpen(w));

    // The data set lies on D:, recorded in another letter case.
    ASSERT_EQ(WriteDataDirRecord(registry, kTestSubjectKey, kYear, "d:\\kr_lab\\TAV2003\\testdoc_b"),
              RecordUpdate::Done);
    ChooseDrive(w, 'D');
    Click(w, IDOK);
    box = WaitForMessageBox(GetCurrentProcessId());
    EXPECT_EQ(box.text, "移動元フォルダと同じフォルダには移動できません。");
    EXPECT_EQ(GetWindow(box.window, GW_OWNER), w);
    Answer(box, IDOK);
    EXPECT_TRUE(StaysOpen(w));
    EXPECT_FALSE(Exists("D:\\KR_LAB")) << "a refused destination is not created";

    ChooseDrive(w, 'G');
    Click(w, IDOK);
    box = WaitForMessageBox(GetCurrentProcessId());
    EXPECT_EQ(box.text, std::string(kGFolder) + " は存在しません。作成しますか？");
    Answer(box, IDYES);
    EXPECT_TRUE(WaitForClose(w));
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(dialog.Chosen().folder, kGFolder);
  EXPECT_EQ(dialog.Chosen().registeredFolder, "d:\\kr_lab\\TAV2003\\testdoc_b");
}

TEST_F(DestDialog, EnterEscapeAndF1LeaveItOpen) {
  CreateLevels(kDFolder);
  CCopyDestDlg dialog{AppInputs()};
  const INT_PTR result = RunDriven(dialog, TitleOf(DestVariant::Copy), [&](HWND w) {
    ChooseDrive(w, 'D');  // Enter would accept this drive at once
    ASSERT_TRUE(Flush(w));
    for (HWND target : {GetDlgItem(w, IDC_DRIVE_LIST), GetDlgItem(w, IDOK), GetDlgItem(w, IDCANCEL)}) {
      PressKey(target, VK_RETURN);
      PressKey(target, VK_ESCAPE);
    }
    HELPINFO help{sizeof(HELPINFO), HELPINFO_WINDOW, IDC_DRIVE_LIST, GetDlgItem(w, IDC_DRIVE_LIST), 0, {0, 0}};
    EXPECT_TRUE(SendMessageW(w, WM_HELP, 0, reinterpret_cast<LPARAM>(&help))) << "F1 is consumed";
    EXPECT_TRUE(StaysOpen(w));
    EXPECT_TRUE(dialog.Chosen().folder.empty());
    Click(w, IDCANCEL);
  });
  EXPECT_EQ(result, IDCANCEL);
}

TEST_F(DestDialog, QuitRequestArrivingDuringTheDriveScanIsNotLost) {
  // The scan takes waiting messages one per drive letter; a WM_QUIT among
  // them still has to reach the loops that end the program.
  PostQuitMessage(7);
  std::thread guard([] {
    HWND w = WaitForTopWindow(GetCurrentProcessId(), TitleOf(DestVariant::Copy), "#32770", 1500);
    if (w) PostMessageW(w, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  });
  CCopyDestDlg dialog{AppInputs()};
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  guard.join();
  MSG msg{};
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 7u);
}

// For people to look at: the copy variant with Wine's fixed drives dropped
// down, saved beside the test program as dest_dialog.bmp.
TEST_F(DestDialog, ScreenshotWithTheDriveListOpen) {
  wchar_t exe[MAX_PATH];
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::wstring path(exe);
  path = path.substr(0, path.find_last_of(L'\\') + 1) + L"dest_dialog.bmp";
  app.m_szYear = "2007";
  CCopyDestDlg dialog{AppInputs()};
  RunDriven(dialog, TitleOf(DestVariant::Copy), [&](HWND w) {
    ChooseDrive(w, 'D');
    SendDlgItemMessageW(w, IDC_DRIVE_LIST, CB_SHOWDROPDOWN, TRUE, 0);
    SettleVisibleWindows();  // the drop-down list is a window of its own
    EXPECT_TRUE(SaveScreenshot(Utf16ToUtf8(path)));
    SendDlgItemMessageW(w, IDC_DRIVE_LIST, CB_SHOWDROPDOWN, FALSE, 0);
    Click(w, IDCANCEL);
  });
}

}  // namespace
