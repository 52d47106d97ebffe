// The disc wait dialog opened for real; its scans run against Wine's drive
// table. Wine reads drive types and volume labels once per session, so every
// set of discs is prepared by scripts/wine-discs.sh and run as a ctest entry
// of its own. The tests that need particular discs look at the drives first
// and skip, saying which configuration they need, when the drives differ.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <string>

#include "catalogue/content_kinds.h"
#include "command/app_state.h"
#include "copy/win32/disc_wait_dlg.h"
#include "platform/win32/win32_disks.h"
#include "platform/text.h"
#include "tests/support/automation.h"
#include "tests/wine/dialog_driver.h"

namespace {

using namespace automation;

const char* const kTitle = "Tavコピーツール - データのコピー";

// The real drives, counting the passes over the drive letters.
class CountingDisks : public IDisks {
 public:
  DriveType DriveTypeOf(const std::string& root) override {
    if (root == "A:\\") ++passes;
    return real_.DriveTypeOf(root);
  }
  std::optional<std::string> VolumeLabel(const std::string& root) override { return real_.VolumeLabel(root); }
  std::optional<std::uint64_t> FreeBytes(const std::string& path) override { return real_.FreeBytes(path); }
  std::optional<std::uint32_t> VolumeSerial(const std::string& root) override { return real_.VolumeSerial(root); }
  std::optional<std::uint64_t> ClusterBytes(const std::string& path) override { return real_.ClusterBytes(path); }
  std::atomic<int> passes{0};

 private:
  Win32Disks real_;
};

// A message box of this process is open.
bool MessageBoxOpen() {
  HWND box = FindTopWindow(GetCurrentProcessId(), "Tavコピーツール");
  return box && GetDlgItem(box, 0xFFFF);
}

// Whether a static control's text, wrapped as the control wraps it, fits
// into the control's height.
bool WrappedTextFits(HWND control) {
  const std::wstring text = Utf8ToUtf16(Text(control));
  RECT client;
  GetClientRect(control, &client);
  RECT needed = client;
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return needed.bottom <= client.bottom && needed.right <= client.right;
}

class DiscWaitDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    // Leftovers of an earlier disc: every field must be written from what the
    // run hands back. (Whole strings are moved in: GCC 12 warns falsely on
    // assigning short literals here, -Wrestrict.)
    app.m_szDiscLabel = std::string("STALE");
    app.m_szCdRoot = std::string("Q:\\");
    app.m_szYear = std::string("2000");
    app.m_szSubject = std::string("Q");
    app.m_szEdition = std::string("W");
    app.m_szSubjectKey = std::string("Stale");
    app.m_szSubjectName = std::string("古い");
  }
  INT_PTR Run(const std::function<void(HWND)>& driver) { return RunDriven(dialog, kTitle, driver); }
  // The data set as the copy command takes the identified disc into it.
  const TavAppState& Taken() {
    ApplyIdentifiedDisc(dialog.Identified(), app);
    return app;
  }
  TavAppState app;
  CountingDisks disks;
  CDiscWaitDlg dialog{disks};
};

TEST_F(DiscWaitDialog, ShowsTheTemplateLayoutWithNothingCutOff) {
  Run([&](HWND w) {
    ExpectClientSize(w, 187, 91);
    const LONG style = GetWindowLongW(w, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & DS_MODALFRAME);
    EXPECT_NE(SendMessageW(w, WM_GETICON, ICON_BIG, 0), 0);

    const struct {
      int id;
      int x, y, cx, cy;
      const char* text;
    } buttons[] = {{IDOK, 75, 70, 50, 14, "OK"}, {IDCANCEL, 130, 70, 50, 14, "ｷｬﾝｾﾙ"}};
    for (const auto& b : buttons) {
      EXPECT_EQ(ItemText(w, b.id), b.text);
      ExpectAt(w, b.id, b.x, b.y, b.cx, b.cy);
      EXPECT_FALSE(GetWindowLongW(GetDlgItem(w, b.id), GWL_STYLE) & BS_DEFPUSHBUTTON)
          << b.text << " is not the default button";
    }

    // The two texts are the static controls without an id, top to bottom.
    const struct {
      int x, y, cx, cy;
      const char* text;
    } texts[] = {
        {10, 10, 165, 20, "Tavディスクを自動検出します。CD-ROMドライブにTavディスクをセットしてOKをクリックしてください。"},
        {10, 35, 165, 30,
         "[Shift]キーを押しながらCD-ROMをセットしてください。\nもしインストーラが起動してしまったり、"
         "新しいフォルダが開いたりした場合は、それらを閉じてください。"},
    };
    HWND control = GetWindow(w, GW_CHILD);
    for (const auto& t : texts) {
      ASSERT_NE(control, nullptr);
      EXPECT_EQ(Text(control), t.text);
      ExpectAt(w, control, t.x, t.y, t.cx, t.cy);
      EXPECT_TRUE(WrappedTextFits(control)) << "nothing cut off: " << t.text;
      control = GetWindow(control, GW_HWNDNEXT);
    }
  });
}

TEST_F(DiscWaitDialog, EnterAndF1DoNothingAndEscapeCancels) {
  const INT_PTR result = Run([&](HWND w) {
    // Enter on the focused OK button and on the dialog: no scan may start
    // (it would hide OK once the timer fired).
    PressKey(GetDlgItem(w, IDOK), VK_RETURN);
    PressKey(w, VK_RETURN);
    HELPINFO help{sizeof(HELPINFO), HELPINFO_WINDOW, IDOK, GetDlgItem(w, IDOK), 0, {0, 0}};
    EXPECT_TRUE(SendMessageW(w, WM_HELP, 0, reinterpret_cast<LPARAM>(&help))) << "F1 is consumed";
    // A scan would have begun the moment OK was handled: button hidden, run flagged.
    ASSERT_TRUE(Flush(w));
    EXPECT_FALSE(dialog.m_bDetecting);
    EXPECT_EQ(disks.passes, 0);
    EXPECT_TRUE(IsItemVisible(w, IDOK));
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_EQ(GetLastActivePopup(w), w) << "nothing was opened";
    PressKey(GetDlgItem(w, IDOK), VK_ESCAPE);
    EXPECT_TRUE(WaitForClose(w));
  });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_FALSE(dialog.m_bDetecting);
}

// One configuration of discs, set up by scripts/wine-discs.sh.
class DiscWaitOnDrives : public DiscWaitDialog {
 protected:
  explicit DiscWaitOnDrives(const char* discSet) : discSet_(discSet) {}
  void SetUp() override {
    DiscWaitDialog::SetUp();
    if (CurrentDiscSet() != discSet_)
      GTEST_SKIP() << "needs the disc set " << discSet_ << " (scripts/wine-discs.sh PREFIX " << discSet_ << " ...)";
  }
  // Clicks OK and waits until the dialog has closed.
  static void ClickOkAndWaitForTheScan(HWND w) {
    Click(w, IDOK);
    EXPECT_TRUE(WaitForClose(w));
  }

 private:
  std::string discSet_;
};

class DiscsProductInE : public DiscWaitOnDrives {
 protected:
  DiscsProductInE() : DiscWaitOnDrives("product") {}
};

TEST_F(DiscsProductInE, IdentifiesBiology2007WithItsDriveRoot) {
  const INT_PTR result = Run([&](HWND w) { ClickOkAndWaitForTheScan(w); });
  EXPECT_EQ(result, IDOK);
  const TavAppState& app = Taken();
  EXPECT_EQ(app.m_szDiscLabel, "TAV07B_S");
  EXPECT_EQ(app.m_szCdRoot, "E:\\");
  EXPECT_EQ(app.m_szYear, "2007");
  EXPECT_EQ(app.m_szSubject, "B");
  EXPECT_EQ(app.m_szEdition, "");
  EXPECT_EQ(app.m_szSubjectKey, "Biology");
  EXPECT_EQ(app.m_szSubjectName, "生物");
  EXPECT_FALSE(MessageBoxOpen());
  // The disc written by scripts/make-demo-disc.sh has every kind folder
  // where a copy will look for it.
  for (const ContentKindInfo& kind : kContentKinds) {
    const std::string folder = KindFolderPath(DiscSubjectFolder(app.m_szCdRoot, app.m_szSubject), kind.kind);
    const DWORD attributes = GetFileAttributesW(Utf8ToUtf16(folder).c_str());
    EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) << folder;
  }
}

class DiscsForeignThenProduct : public DiscWaitOnDrives {
 protected:
  DiscsForeignThenProduct() : DiscWaitOnDrives("foreign-then-product") {}
};

TEST_F(DiscsForeignThenProduct, TheProductDiscInALaterDriveWinsWithoutAMessage) {
  // A message box would end the run without IDOK.
  const INT_PTR result = Run([&](HWND w) { ClickOkAndWaitForTheScan(w); });
  EXPECT_EQ(result, IDOK);
  const TavAppState& app = Taken();
  EXPECT_EQ(app.m_szDiscLabel, "TAV07E_E") << "stored upper-cased";
  EXPECT_EQ(app.m_szCdRoot, "F:\\");
  EXPECT_EQ(app.m_szYear, "2007");
  EXPECT_EQ(app.m_szSubject, "E");
  EXPECT_EQ(app.m_szEdition, "E");
  EXPECT_EQ(app.m_szSubjectKey, "English");
  EXPECT_EQ(app.m_szSubjectName, "英語・東日本版");
}

class DiscsForeignOnly : public DiscWaitOnDrives {
 protected:
  // A data CD without a label and a disc of a year the product does not have.
  DiscsForeignOnly() : DiscWaitOnDrives("foreign") {}
};

TEST_F(DiscsForeignOnly, WarnsThenOffersOkAgain) {
  const INT_PTR result = Run([&](HWND w) {
    for (int attempt = 1; attempt <= 2; ++attempt) {
      Click(w, IDOK);
      const MessageBoxSeen box = WaitForMessageBox(GetCurrentProcessId());
      ASSERT_NE(box.window, nullptr) << "attempt " << attempt;
      EXPECT_EQ(box.caption, "Tavコピーツール");
      EXPECT_EQ(box.text, "Tavのディスクがセットされているか確認してください。");
      EXPECT_EQ(GetWindow(box.window, GW_OWNER), w);
      EXPECT_NE(GetDlgItem(box.window, IDOK), nullptr);
      EXPECT_EQ(GetDlgItem(box.window, IDCANCEL), nullptr) << "a plain OK box";
      EXPECT_FALSE(IsItemVisible(w, IDOK)) << "OK stays hidden while the box is up";
      const int passesAtTheBox = disks.passes;
      Answer(box, IDOK);
      EXPECT_TRUE(WaitUntil([&] { return IsItemVisible(w, IDOK); }));
      // The run has ended: no further pass, no second box.
      ASSERT_TRUE(Flush(w));
      EXPECT_EQ(disks.passes, passesAtTheBox);
      EXPECT_FALSE(dialog.m_bDetecting);
      EXPECT_FALSE(MessageBoxOpen());
      EXPECT_TRUE(IsWindowVisible(w));
    }
    Click(w, IDCANCEL);
    EXPECT_TRUE(WaitForClose(w));
  });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_EQ(dialog.Identified().cdRoot, "") << "nothing identified";
}

class DiscsNone : public DiscWaitOnDrives {
 protected:
  // A label of the product's form whose code letter is no subject counts as
  // an empty drive (Wine cannot show a CD-ROM drive without a disc); F: is
  // no drive at all.
  DiscsNone() : DiscWaitOnDrives("nodisc") {}
};

TEST_F(DiscsNone, ScansQuietlyAndIdlyUntilCancelled) {
  const INT_PTR result = Run([&](HWND w) {
    Click(w, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return disks.passes >= 1; })) << "the scan is running now";

    // The cursor over the dialog is the application-starting one.
    SendMessageW(w, WM_SETCURSOR, reinterpret_cast<WPARAM>(w), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    CURSORINFO cursor{};
    cursor.cbSize = sizeof cursor;
    GetCursorInfo(&cursor);
    EXPECT_EQ(cursor.hCursor, LoadCursorW(nullptr, IDC_APPSTARTING));

    // The scan keeps the dialog answering, and rests between passes instead
    // of polling the drives without a break: a spinning scan makes well over
    // a hundred passes in 2 s, a resting one at most one per pause (a slower
    // machine makes fewer, never more).
    const int passesBefore = disks.passes;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < 2000) {
      DWORD_PTR ignored;
      EXPECT_TRUE(SendMessageTimeoutW(w, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored))
          << "the dialog answers messages during the scan";
      Sleep(50);
    }
    const int passes = disks.passes - passesBefore;
    EXPECT_GE(passes, 1) << "the scan goes on";
    EXPECT_LE(passes, static_cast<int>(2000 / CDiscWaitDlg::kPassPauseMs) + 2) << "passes in 2 s";

    EXPECT_FALSE(MessageBoxOpen());
    EXPECT_FALSE(IsItemVisible(w, IDOK));
    Click(w, IDCANCEL);
    EXPECT_TRUE(WaitForClose(w));
  });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_FALSE(dialog.m_bDetecting);
  EXPECT_EQ(dialog.Identified().cdRoot, "");
}

TEST_F(DiscsNone, AQuitRequestEndsTheScanAndIsPutBackForTheOuterLoops) {
  const DWORD dialogThread = GetCurrentThreadId();
  const INT_PTR result = Run([&](HWND w) {
    Click(w, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return disks.passes >= 1; })) << "the scan is running now";
    PostThreadMessageW(dialogThread, WM_QUIT, 7, 0);
    EXPECT_TRUE(WaitForClose(w));
  });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_FALSE(dialog.m_bDetecting);
  MSG quit;
  ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit request is still there";
  EXPECT_EQ(quit.wParam, 7u);
}

}  // namespace
