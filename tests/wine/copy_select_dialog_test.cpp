// The content selection dialog opened for real over a content size table
// that each test writes into a temporary INI file, and a disc folder on D:
// for the kinds the table is silent on.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <tuple>

#include "catalogue/content_kinds.h"
#include "copy/kind_sizes.h"
#include "copy/win32/copy_select_dlg.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_profile.h"
#include "platform/text.h"
#include "res/resource.h"
#include "tests/support/automation.h"
#include "tests/wine/dialog_driver.h"

namespace {

using namespace automation;

const char* const kTitle = "Tavコピーツール - データのコピー";
constexpr std::int64_t kMB = 1048576;
const std::string kDiscRoot = "D:\\tav-select-disc\\";

std::string TempFolder() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::string dir = Utf16ToUtf8(temp) + "tav-copy-select-test\\";
  CreateDirectoryW(Utf8ToUtf16(dir).c_str(), nullptr);
  return dir;
}

class CopySelectDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    ini_ = TempFolder() + "TavCopyTool.INI";
    DeleteFileW(Utf8ToUtf16(ini_).c_str());
    RemoveDisc();
    app.m_szIniPath = ini_;
    app.m_szCdRoot = kDiscRoot;
    SetDisc("2007", "B", "", "生物");
    app.m_bKind.fill(true);  // stale choice of an earlier disc
    app.m_nRequiredSize = 12345;
  }
  void TearDown() override {
    DeleteFileW(Utf8ToUtf16(ini_).c_str());
    RemoveDisc();
  }
  void RemoveDisc() { files.RunShellOperation(ShellOp::Delete, {kDiscRoot + "TestDoc_B"}, ""); }
  // A file of `bytes` on the disc, with the folders above it.
  static void WriteOnDisc(const std::string& relative, std::size_t bytes) {
    const std::string path = kDiscRoot + relative;
    for (std::size_t slash = path.find('\\', 3); slash != std::string::npos; slash = path.find('\\', slash + 1))
      CreateDirectoryW(Utf8ToUtf16(path.substr(0, slash)).c_str(), nullptr);
    std::ofstream(Utf8ToUtf16(path).c_str(), std::ios::binary) << std::string(bytes, 'x');
  }

  void SetDisc(const char* year, const char* code, const char* edition, const char* name) {
    app.m_szYear = year;
    app.m_szSubject = code;
    app.m_szEdition = edition;
    app.m_szSubjectName = name;
  }
  void WriteIni(const std::string& text) const { std::ofstream(Utf8ToUtf16(ini_).c_str()) << text; }
  // The Biology 2007 table with Word 100 MB and PDF 50 MB only.
  void WriteWordAndPdfTable() const {
    WriteIni("[Tav2007B]\r\nWord=" + std::to_string(100 * kMB) + "\r\nPDF=" + std::to_string(50 * kMB) + "\r\n");
  }
  // As the copy command does it: the disc's sizes first, then the dialog.
  INT_PTR Run(const std::function<void(HWND)>& driver) {
    DetermineKindSizes(app, profile, files);
    return RunDriven(dialog, kTitle, driver);
  }

  // Every row ticked and enabled exactly when its kind is offered, with the
  // size label; the others unticked, greyed out and without a label.
  static void ExpectOffered(HWND w, const std::set<ContentKind>& offered,
                            const std::map<ContentKind, std::string>& labels = {}) {
    for (const ContentKindInfo& kind : kContentKinds) {
      const bool on = offered.count(kind.kind) > 0;
      EXPECT_EQ(IsChecked(w, kind.checkBoxId), on) << kind.name;
      EXPECT_EQ(IsItemEnabled(w, kind.checkBoxId), on) << kind.name;
      EXPECT_EQ(IsItemEnabled(w, kind.sizeLabelId), on) << kind.name;
      EXPECT_EQ(IsItemEnabled(w, kind.descriptionId), on) << kind.name;
      const auto label = labels.find(kind.kind);
      EXPECT_EQ(ItemText(w, kind.sizeLabelId), label == labels.end() ? "" : label->second) << kind.name;
    }
  }

  // The offered kinds with their labels, and the required space they add up to.
  static void ExpectOfferedInAll(HWND w, const std::map<ContentKind, std::string>& offered, const char* requiredMB) {
    std::set<ContentKind> kinds;
    for (const auto& [kind, label] : offered) kinds.insert(kind);
    ExpectOffered(w, kinds, offered);
    EXPECT_EQ(ItemText(w, IDC_REQUIRED_SPACE),
              std::string("コピー先のハードディスクには、約") + requiredMB + "MBの空き容量が必要です。");
  }

  std::string ini_;
  TavAppState app;
  Win32Profile profile;
  Win32FileSystem files{NoWindowOwner()};
  CCopySelectDlg dialog{app};
};

// Whether `text` fits on one line of `control` in the control's own font;
// `indent` is what the control draws before the text (a check box's box).
bool FitsOnOneLine(HWND control, const std::string& text, int indent = 0) {
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  const std::wstring wide = Utf8ToUtf16(text);
  SIZE extent{};
  GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &extent);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  RECT client;
  GetClientRect(control, &client);
  return indent + extent.cx <= client.right;
}

TEST_F(CopySelectDialog, ShowsTheTemplateLayoutWithNothingCutOff) {
  // The widest texts the dialog gets: the longest subject name, a
  // three-digit figure for every kind (a CD holds under 1000 MB) and their
  // four-digit sum.
  SetDisc("2007", "E", "E", "英語・東日本版");
  std::string table = "[Tav2007E_E]\r\n";
  for (const ContentKindInfo& kind : kContentKinds) {
    table += std::string(kind.name) + "=" + std::to_string(999 * kMB) + "\r\n";
  }
  WriteIni(table);
  Run([&](HWND w) {
    ExpectClientSize(w, 270, 185);
    EXPECT_TRUE(GetWindowLongW(w, GWL_STYLE) & WS_SYSMENU);
    EXPECT_NE(SendMessageW(w, WM_GETICON, ICON_BIG, 0), 0);

    EXPECT_EQ(ItemText(w, IDC_REQUIRED_SPACE), "コピー先のハードディスクには、約6993MBの空き容量が必要です。");
    for (int id : {IDC_DATASET_LINE, IDC_REQUIRED_SPACE}) {
      EXPECT_TRUE(FitsOnOneLine(GetDlgItem(w, id), ItemText(w, id))) << ItemText(w, id);
    }
    ExpectAt(w, IDC_DATASET_LINE, 10, 10, 193, 10);
    ExpectAt(w, IDOK, 210, 10, 50, 14);
    ExpectAt(w, IDCANCEL, 210, 27, 50, 14);
    ExpectAt(w, IDC_REQUIRED_SPACE, 20, 160, 230, 10);
    EXPECT_EQ(ItemText(w, IDOK), "次へ");
    EXPECT_EQ(ItemText(w, IDCANCEL), "ｷｬﾝｾﾙ");
    EXPECT_EQ(GetWindowLongW(GetDlgItem(w, IDOK), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);

    // Rows from the top: Word, Ichitaro, PDF, TXT, TXT0, TIF, VOICE, each
    // with the template's description.
    const struct {
      int row;  // 1 = top
      const char* description;
    } rows[kKindCount] = {
        {2, "編集ファイル、要一太郎10以降"},
        {1, "編集ファイル、要MS-Word97以降（2000以降を推奨）"},
        {3, "原稿ファイル、要AcrobatReader4.0/4.05以上"},
        {6, "Word・一太郎化されていない原稿画像データ"},
        {4, "問題プレビューをテキスト表示する場合必要"},
        {5, "プレーンテキストファイル、冊子分ごと"},
        {7, "音声ファイル、要MP3再生ソフト"},
    };
    for (const ContentKindInfo& kind : kContentKinds) {
      const auto& row = rows[KindIndex(kind.kind)];
      const int y = 55 + 15 * (row.row - 1);
      ExpectAt(w, kind.checkBoxId, 20, y, 35, 10);
      ExpectAt(w, kind.sizeLabelId, 55, y, 40, 10);
      ExpectAt(w, kind.descriptionId, 95, y, 160, 10);
      EXPECT_EQ(ItemText(w, kind.sizeLabelId), "（約999MB）");
      for (int id : {kind.sizeLabelId, kind.descriptionId}) {
        EXPECT_TRUE(FitsOnOneLine(GetDlgItem(w, id), ItemText(w, id))) << ItemText(w, id);
      }
      EXPECT_TRUE(FitsOnOneLine(GetDlgItem(w, kind.checkBoxId), kind.name, GetSystemMetrics(SM_CXMENUCHECK) + 2))
          << kind.name;
      EXPECT_EQ(ItemText(w, kind.checkBoxId), kind.name);
      EXPECT_EQ(ItemText(w, kind.descriptionId), row.description);
      EXPECT_EQ(GetWindowLongW(GetDlgItem(w, kind.checkBoxId), GWL_STYLE) & BS_TYPEMASK, BS_AUTOCHECKBOX)
          << kind.name;
    }

    // The controls without an id: the instruction, then the group box.
    HWND instruction = nullptr, group = nullptr;
    for (HWND c = GetWindow(w, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
      if (GetDlgCtrlID(c) != -1 && GetDlgCtrlID(c) != 0xFFFF) continue;
      (instruction ? group : instruction) = c;
    }
    ASSERT_NE(instruction, nullptr);
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(Text(instruction), "コピー元のフォルダを選択して、[次へ]をクリックしてください。");
    EXPECT_TRUE(FitsOnOneLine(instruction, Text(instruction)));
    EXPECT_EQ(GetWindowLongW(group, GWL_STYLE) & BS_TYPEMASK, BS_GROUPBOX);
    EXPECT_EQ(Text(group), "");
    for (const auto& [control, x, y, cx, cy] :
         {std::tuple{instruction, 10, 30, 193, 10}, std::tuple{group, 10, 45, 250, 130}})
      ExpectAt(w, control, x, y, cx, cy);
  });
}

TEST_F(CopySelectDialog, OffersTheTabledKindsAndSumsTheTickedOnes) {
  WriteWordAndPdfTable();
  const INT_PTR result = Run([&](HWND w) {
    EXPECT_EQ(ItemText(w, IDC_DATASET_LINE), "セットされたCD-ROMは「Tav2007 生物」です。");
    ExpectOffered(w, {ContentKind::Word, ContentKind::PDF},
                  {{ContentKind::Word, "（約100MB）"}, {ContentKind::PDF, "（約50MB）"}});
    EXPECT_EQ(ItemText(w, IDC_REQUIRED_SPACE), "コピー先のハードディスクには、約150MBの空き容量が必要です。");

    SetCheck(w, IDC_CHECK_PDF, false);
    EXPECT_EQ(ItemText(w, IDC_REQUIRED_SPACE), "コピー先のハードディスクには、約100MBの空き容量が必要です。");
    SetCheck(w, IDC_CHECK_PDF, true);
    SetCheck(w, IDC_CHECK_WORD, false);
    EXPECT_EQ(ItemText(w, IDC_REQUIRED_SPACE), "コピー先のハードディスクには、約50MBの空き容量が必要です。");
    Click(w, IDOK);
    EXPECT_TRUE(WaitForClose(w));
  });
  EXPECT_EQ(result, IDOK);
  const KindFlags onlyPdf = {false, false, true, false, false, false, false};
  EXPECT_EQ(dialog.Chosen().kinds, onlyPdf);
  EXPECT_EQ(dialog.Chosen().requiredBytes, static_cast<std::uint64_t>(50 * kMB)) << "as the boxes stood at the end";
}

TEST_F(CopySelectDialog, NextWithNothingTickedWarnsAndStays) {
  WriteWordAndPdfTable();
  const INT_PTR result = Run([&](HWND w) {
    SetCheck(w, IDC_CHECK_WORD, false);
    SetCheck(w, IDC_CHECK_PDF, false);
    EXPECT_EQ(ItemText(w, IDC_REQUIRED_SPACE), "コピー先のハードディスクには、約0MBの空き容量が必要です。");
    Click(w, IDOK);
    const MessageBoxSeen box = WaitForMessageBox(GetCurrentProcessId());
    ASSERT_NE(box.window, nullptr);
    EXPECT_EQ(box.caption, "Tavコピーツール");
    EXPECT_EQ(box.text, "コピー元のフォルダが選択されていません。");
    EXPECT_EQ(GetWindow(box.window, GW_OWNER), w);
    Answer(box, IDOK);
    ASSERT_TRUE(Flush(w));
    EXPECT_TRUE(IsWindowVisible(w)) << "the dialog stays";
    KindFlags none{};
    EXPECT_EQ(dialog.Chosen().kinds, none) << "nothing handed back";
    Click(w, IDCANCEL);
    EXPECT_TRUE(WaitForClose(w));
  });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_EQ(dialog.Chosen().requiredBytes, 0u);
}

TEST_F(CopySelectDialog, ShowingAgainBringsBackTheDefaultTicks) {
  WriteWordAndPdfTable();
  // The user unticks Word, goes on, and steps back from the next dialog.
  EXPECT_EQ(Run([&](HWND w) {
              SetCheck(w, IDC_CHECK_WORD, false);
              Click(w, IDOK);
              EXPECT_TRUE(WaitForClose(w));
            }),
            IDOK);
  EXPECT_EQ(dialog.Chosen().requiredBytes, static_cast<std::uint64_t>(50 * kMB));
  EXPECT_EQ(Run([&](HWND w) {
              ExpectOffered(w, {ContentKind::Word, ContentKind::PDF},
                            {{ContentKind::Word, "（約100MB）"}, {ContentKind::PDF, "（約50MB）"}});
              EXPECT_EQ(ItemText(w, IDC_REQUIRED_SPACE),
                        "コピー先のハードディスクには、約150MBの空き容量が必要です。");
              Click(w, IDCANCEL);
            }),
            IDCANCEL);
}

TEST_F(CopySelectDialog, EnterAndF1DoNotConfirmButAClickOnNextDoes) {
  WriteWordAndPdfTable();
  const INT_PTR result = Run([&](HWND w) {
    PressKey(GetDlgItem(w, IDC_CHECK_WORD), VK_RETURN);
    PressKey(GetDlgItem(w, IDOK), VK_RETURN);
    HELPINFO help{sizeof(HELPINFO), HELPINFO_WINDOW, IDOK, GetDlgItem(w, IDOK), 0, {0, 0}};
    EXPECT_TRUE(SendMessageW(w, WM_HELP, 0, reinterpret_cast<LPARAM>(&help))) << "F1 is consumed";
    ASSERT_TRUE(Flush(w));
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_EQ(GetLastActivePopup(w), w) << "nothing was opened";
    Click(w, IDOK);
    EXPECT_TRUE(WaitForClose(w));
  });
  EXPECT_EQ(result, IDOK);
  const KindFlags wordAndPdf = {false, true, true, false, false, false, false};
  EXPECT_EQ(dialog.Chosen().kinds, wordAndPdf);
}

// Which table section the dialog reads, and what Windows' profile reading
// makes of the values in it.
TEST_F(CopySelectDialog, ReadsTheSectionOfTheDiscAndOffersOnlyPositiveSizes) {
  const std::string table =
      "[Tav2007E_E]\r\nVOICE=" + std::to_string(3 * kMB) + "\r\n"
      "[Tav2007E_]\r\nWord=" + std::to_string(9 * kMB) + "\r\n"
      "[Tav2006E]\r\nTIF=" + std::to_string(7 * kMB) + "\r\n"
      "[Tav2002W]\r\nIchitaro=" + std::to_string(2 * kMB) + "MB\r\nWord=\r\nPDF=0\r\nTIF=-5\r\nTXT=abc\r\n"
      "TXT0=1000\r\n";
  const struct {
    const char* year;
    const char* code;
    const char* edition;
    const char* name;
    bool tableWritten;
    std::map<ContentKind, std::string> offered;  // with the size label
    const char* requiredMB;
  } cases[] = {
      {"2007", "E", "E", "英語・東日本版", true, {{ContentKind::VOICE, "（約3MB）"}}, "3"},
      {"2007", "E", "", "英語", true, {{ContentKind::Word, "（約9MB）"}}, "9"},
      {"2006", "E", "W", "英語・西日本版", true, {{ContentKind::TIF, "（約7MB）"}}, "7"},
      // Digits before trailing text count; empty, zero, negative and
      // non-numeric values leave the kind out; under 1 MB shows 0.
      {"2002", "W", "", "世界史", true, {{ContentKind::Ichitaro, "（約2MB）"}, {ContentKind::TXT0, "（約0MB）"}}, "2"},
      {"2007", "B", "", "生物", false, {}, "0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("Tav") + c.year + c.code + "_" + c.edition);
    if (c.tableWritten) WriteIni(table);
    else DeleteFileW(Utf8ToUtf16(ini_).c_str());
    SetDisc(c.year, c.code, c.edition, c.name);
    Run([&](HWND w) {
      EXPECT_EQ(ItemText(w, IDC_DATASET_LINE), std::string("セットされたCD-ROMは「Tav") + c.year + " " + c.name + "」です。");
      ExpectOfferedInAll(w, c.offered, c.requiredMB);
      Click(w, IDCANCEL);
    });
  }
}

// Windows' own profile reading and files: a key that is there keeps the
// table's rules even when its value is empty, in whatever letter case it is
// written; a kind without a key is measured in its folder on the disc.
TEST_F(CopySelectDialog, MeasuresOnTheDiscTheKindsTheTableIsSilentOn) {
  WriteOnDisc("TestDoc_B\\Word\\Q001.doc", 2 * kMB);
  WriteOnDisc("TestDoc_B\\PDF\\Q001.pdf", 2 * kMB);
  WriteOnDisc("TestDoc_B\\TXT\\Q001.txt", 1000);
  WriteOnDisc("TestDoc_B\\TIF", 3 * kMB);  // a file, not a kind folder
  WriteOnDisc("TestDoc_B\\VOICE\\track01.mp3", kMB + kMB / 2);
  WriteOnDisc("TestDoc_B\\VOICE\\第2部\\track02.mp3", kMB);
  CreateDirectoryW(Utf8ToUtf16(kDiscRoot + "TestDoc_B\\TXT0").c_str(), nullptr);  // empty
  const std::map<ContentKind, std::string> measured = {
      {ContentKind::Word, "（約2MB）"}, {ContentKind::PDF, "（約2MB）"}, {ContentKind::TXT, "（約0MB）"},
      {ContentKind::TXT0, "（約0MB）"}, {ContentKind::VOICE, "（約2MB）"}};
  const struct {
    const char* name;
    const char* ini;  // nullptr: no INI file
    std::map<ContentKind, std::string> offered;
    const char* requiredMB;
  } cases[] = {
      {"no INI file", nullptr, measured, "6"},
      {"no section for the disc", "[HELP]\r\nFILE=TavCopyTool.html\r\n[Tav2006B]\r\nWord=0\r\n", measured, "6"},
      {"keys for some kinds",
       "[Tav2007B]\r\nWord=\r\npdf=0\r\nTXT=4194304\r\nIchitaro=1048576\r\n",
       {{ContentKind::Ichitaro, "（約1MB）"}, {ContentKind::TXT, "（約4MB）"}, {ContentKind::TXT0, "（約0MB）"},
        {ContentKind::VOICE, "（約2MB）"}},
       "7"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.ini) WriteIni(c.ini);
    else DeleteFileW(Utf8ToUtf16(ini_).c_str());
    Run([&](HWND w) {
      ExpectOfferedInAll(w, c.offered, c.requiredMB);
      Click(w, IDCANCEL);
    });
  }
}

}  // namespace
