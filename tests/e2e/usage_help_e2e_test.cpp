// The usage help of the real exe: the shipped guide opens through the
// desktop's shell, and an INI that names a program starts nothing. The test
// makes launch_recorder.exe the program that opens .html files, so every
// start, wanted or not, leaves a line in the launch log.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

#include "platform/text.h"
#include "tests/e2e/launch_log.h"
#include "tests/e2e/tool_process.h"
#include "tests/support/automation.h"

namespace {

using namespace automation;
using e2e::InstallDir;
using e2e::ToolProcess;

const wchar_t* const kHtmlOpenKey = L"Software\\Classes\\htmlfile\\shell\\open\\command";

std::wstring W(const std::string& text) { return Utf8ToUtf16(text); }

std::string RecorderPath() {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::string path = Utf16ToUtf8(self);
  return path.substr(0, path.find_last_of('\\') + 1) + "launch_recorder.exe";
}

// The program that opens .html files. Wine's shell reads the association
// from HKEY_LOCAL_MACHINE only (HKCU\Software\Classes is not merged in).
std::wstring HtmlOpenCommand() {
  wchar_t command[1024] = {};
  DWORD size = sizeof command - sizeof(wchar_t);
  RegGetValueW(HKEY_LOCAL_MACHINE, kHtmlOpenKey, nullptr, RRF_RT_REG_SZ, nullptr, command, &size);
  return command;
}

void SetHtmlOpenCommand(const std::wstring& command) {
  RegSetKeyValueW(HKEY_LOCAL_MACHINE, kHtmlOpenKey, nullptr, REG_SZ, command.c_str(),
                  static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
}

class UsageHelp : public ::testing::Test {
 protected:
  void SetUp() override {
    e2e::ResetRegistry();
    e2e::GrantUserLevel("Biology");
    e2e::InstallTool();
    e2e::ClearLaunches();
    browser_ = HtmlOpenCommand();
    SetHtmlOpenCommand(L"\"" + W(RecorderPath()) + L"\" \"%1\"");
  }
  void TearDown() override {
    SetHtmlOpenCommand(browser_);
    for (const std::string& planted : planted_) DeleteFileW(W(planted).c_str());
    e2e::ClearLaunches();
    e2e::ResetRegistry();
  }

  void Plant(const std::string& path, const std::string& batchText = "") {
    if (batchText.empty())
      ASSERT_TRUE(CopyFileW(W(RecorderPath()).c_str(), W(path).c_str(), FALSE)) << path;
    else
      std::ofstream(W(path).c_str(), std::ios::binary) << batchText;
    planted_.push_back(path);
  }

  // Starts the tool, clicks "ご利用方法" and waits until a program was
  // started; ends the tool with "終了", which only works when no message
  // box holds it.
  void OpenTheGuide() {
    ToolProcess tool;
    HWND menu = tool.WaitForMainMenu();
    ASSERT_NE(menu, nullptr);
    Click(menu, 1033);
    ASSERT_TRUE(WaitUntil([] { return !e2e::ReadLaunches().empty(); })) << "nothing opened the guide";
    guideOpener_ = e2e::ReadLaunches().front();
    toolProcessId_ = tool.pid();
    Click(menu, 1003);
    EXPECT_TRUE(tool.WaitForExit()) << "a message box kept the tool open";
  }

  // Starts the tool, clicks "ご利用方法", expects the warning `text` owned by
  // the menu, answers it and ends the tool.
  void ExpectWarning(const std::string& text, const std::string& shotName = "") {
    ToolProcess tool;
    HWND menu = tool.WaitForMainMenu();
    ASSERT_NE(menu, nullptr);
    Click(menu, 1033);
    const MessageBoxSeen box = WaitForMessageBox(tool.pid());
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(GetWindow(box.window, GW_OWNER), menu);
    if (!shotName.empty()) e2e::Shot(shotName);
    Answer(box, IDOK);
    Click(menu, 1003);
    EXPECT_TRUE(tool.WaitForExit());
  }

  std::wstring browser_;
  std::vector<std::string> planted_;
  e2e::Launch guideOpener_;
  DWORD toolProcessId_ = 0;
};

TEST_F(UsageHelp, TheShippedGuideOpensThroughTheDesktopsShell) {
  OpenTheGuide();
  EXPECT_EQ(guideOpener_.program, RecorderPath());
  const std::string guide = InstallDir() + "TavCopyTool.html";
  EXPECT_NE(guideOpener_.commandLine.find(guide), std::string::npos) << guideOpener_.commandLine;
  // Wine reports every process as elevated and has a desktop shell, so the
  // tool hands the document over: the browser is Explorer's child, not ours.
  EXPECT_NE(guideOpener_.parentProcessId, toolProcessId_);
  EXPECT_NE(guideOpener_.parentProcessId, 0u);
}

TEST_F(UsageHelp, AnIniNamingAProgramShowsTheMessageAndStartsNothing) {
  // Each would run with the tool's administrator rights, and each records its start.
  Plant("C:\\x.exe");
  Plant(InstallDir() + "cmd.exe");
  Plant(InstallDir() + "help.bat", "@echo %~f0>>" + std::string(e2e::kLaunchLog) + "\r\n");

  for (const char* value : {"..\\x.exe", "cmd.exe", "help.bat"}) {
    SCOPED_TRACE(value);
    e2e::InstallTool(std::string("[HELP]\r\nFILE=") + value + "\r\n");
    ExpectWarning("ヘルプファイルが開けません。", value == std::string("cmd.exe") ? "usage-01-program-refused" : "");
  }

  // The shipped guide, opened last, is the first start the log saw: none of
  // the programs above ran before it.
  e2e::InstallTool();
  OpenTheGuide();
  EXPECT_NE(guideOpener_.commandLine.find("TavCopyTool.html"), std::string::npos)
      << guideOpener_.program << " " << guideOpener_.commandLine;
}

// The desktop's shell answers S_FALSE when it finds no program for the
// document: that is a failed open, reported as one, not a success.
TEST_F(UsageHelp, ADocumentTypeWithNoProgramIsReportedAsNotOpened) {
  // .pdf has no program in the test prefix; the test makes sure of it.
  for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
    RegDeleteTreeW(root, L"Software\\Classes\\.pdf");
    HKEY key = nullptr;
    ASSERT_NE(RegOpenKeyExW(root, L"Software\\Classes\\.pdf", 0, KEY_READ, &key), ERROR_SUCCESS);
  }
  Plant(InstallDir() + "guide.pdf", "%PDF-1.4\n");
  e2e::InstallTool("[HELP]\r\nFILE=guide.pdf\r\n");
  ExpectWarning("ヘルプファイルが開けません。", "usage-02-no-program-for-the-type");
  EXPECT_TRUE(e2e::ReadLaunches().empty()) << "nothing was started for it";
}

TEST_F(UsageHelp, WithoutAnIniTheMissingNameIsReported) {
  DeleteFileW((W(InstallDir()) + L"TavCopyTool.INI").c_str());
  ExpectWarning("ヘルプファイル名が取得できません。");
}

}  // namespace
