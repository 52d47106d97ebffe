// The real exe run unattended, as a computer room's script runs it: no
// window, the outcome in the exit code, the steps on the redirected standard
// output and in the /log file.
#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

#include <fstream>
#include <sstream>

#include "platform/text.h"
#include "tests/e2e/tool_process.h"
#include "tests/e2e/tool_steps.h"
#include "tests/e2e/unattended_process.h"
#include "tests/support/automation.h"

namespace {

using namespace e2e;
using Lines = std::vector<std::string>;

const std::string kBiologyOnD = "D:\\KR_LAB\\Tav2007\\TestDoc_B";
const std::string kEarthOnG = "G:\\KR_LAB\\Tav2005\\TestDoc_T";

class Unattended : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetRegistry();
    CleanDataDrives();
    InstallTool();
  }
  void TearDown() override {
    ResetRegistry();
    CleanDataDrives();
  }
  // A data set with two kind folders and its record.
  static void SeedDataSet(const std::string& subjectKey, const std::string& valueName, const std::string& folder) {
    for (const char* kind : {"Word", "PDF"}) {
      SHCreateDirectoryExW(nullptr, Utf8ToUtf16(folder + "\\" + kind).c_str(), nullptr);
      WriteFile(folder + "\\" + kind + "\\問題01.txt", "question");
    }
    WriteRecord32(subjectKey, valueName, folder);
  }
  static std::string ReadBytes(const std::string& path) {
    std::ifstream file(Utf8ToUtf16(path).c_str(), std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
  }
  // The run's lines between its first (the time and the command line) and
  // its last (the exit code), which are checked too.
  static Lines Steps(const UnattendedResult& run, const std::string& commandLine) {
    Lines lines = CrlfLines(run.output);
    if (lines.size() < 2) {
      ADD_FAILURE() << "no start and end line in \"" << run.output << "\"";
      return lines;
    }
    EXPECT_NE(lines.front().find("TavCopyTool.exe " + commandLine), std::string::npos) << lines.front();
    EXPECT_EQ(lines.back(), "終了コード: " + std::to_string(run.exitCode));
    return Lines(lines.begin() + 1, lines.end() - 1);
  }
  // The Biology data set SeedDataSet placed on D:, its files and record intact.
  static void ExpectBiologyUntouched() {
    for (const char* kind : {"Word", "PDF"}) EXPECT_TRUE(Exists(kBiologyOnD + "\\" + kind + "\\問題01.txt"));
    EXPECT_EQ(ReadRecord32("Biology", "DataDir07"), kBiologyOnD);
  }
  static void ExpectWindowless(const UnattendedResult& run) {
    EXPECT_TRUE(run.exited) << "still running, probably waiting for someone";
    EXPECT_FALSE(run.windowSeen) << "an unattended run showed a window";
  }
  // Rights on Biology, its data set seeded, the tool run without a window.
  static UnattendedResult RunOverSeededBiology(const std::string& commandLine, DWORD timeoutMs = 30000) {
    GrantUserLevel("Biology");
    SeedDataSet("Biology", "DataDir07", kBiologyOnD);
    const UnattendedResult run = RunUnattendedTool(commandLine, timeoutMs);
    ExpectWindowless(run);
    return run;
  }
};

TEST_F(Unattended, AUsageErrorPrintsTheUsageAndChangesNothing) {
  const UnattendedResult run = RunOverSeededBiology("/DELETE Biology 2007 extra");
  EXPECT_EQ(run.exitCode, 1u);
  const Lines steps = Steps(run, "/DELETE Biology 2007 extra");
  ASSERT_GE(steps.size(), 6u);
  EXPECT_EQ(steps[0], "指定が正しくありません: 余分な引数があります: extra");
  EXPECT_EQ(steps[1], "使い方:");
  EXPECT_NE(steps[2].find("/copy"), std::string::npos);
  EXPECT_NE(run.output.find("終了コード: 0 完了"), std::string::npos) << "the exit codes are explained";
  ExpectBiologyUntouched();
}

TEST_F(Unattended, ALogFileThatCannotBeOpenedEndsTheRunBeforeAnything) {
  const UnattendedResult run = RunOverSeededBiology("/delete Biology 2007 /log \"C:\\no such folder\\pc01.log\"");
  EXPECT_EQ(run.exitCode, 1u);
  EXPECT_EQ(run.output, "ログファイルを開けません: C:\\no such folder\\pc01.log\r\n");
  ExpectBiologyUntouched();
}

// What a script gets for a typo: exit 1 at once, the reason in its log,
// never the interactive window that `start "" /wait` would wait on for ever.
TEST_F(Unattended, AMistypedSwitchEndsWith1WithoutAWindow) {
  const std::string log = InstallDir() + "typo pc01.log";
  const std::string logSwitch = " /log \"" + log + "\"";
  const struct {
    std::string commandLine;
    std::string reason;
  } cases[] = {
      {"/cpy E: D:" + logSwitch, "/cpy"},
      {"/lst" + logSwitch, "/lst"},
      {logSwitch.substr(1), "/log"},
      {"/setup /list" + logSwitch, "/setup は処理のスイッチと一緒には使えません。"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.commandLine);
    DeleteFileW(Utf8ToUtf16(log).c_str());
    // Ended within a few seconds, or RunUnattendedTool ends it and says so.
    const UnattendedResult run = RunOverSeededBiology(c.commandLine, 10000);
    EXPECT_EQ(run.exitCode, 1u);
    const Lines steps = Steps(run, c.commandLine);
    ASSERT_GE(steps.size(), 2u);
    EXPECT_EQ(steps[0].rfind("指定が正しくありません: ", 0), 0u) << steps[0];
    EXPECT_NE(steps[0].find(c.reason), std::string::npos) << steps[0];
    EXPECT_EQ(steps[1], "使い方:");
    EXPECT_EQ(ReadBytes(log), run.output) << "the log file has the same lines";
    ExpectBiologyUntouched();
    if (&c == &cases[0] && !Options().shotsDir.empty())
      WriteFile(Options().shotsDir + "\\unattended-typo.log", ReadBytes(log));
  }
  // Without any switch the interactive tool still starts.
  ToolProcess interactive("\"C:\\some file.txt\"");
  HWND menu = interactive.WaitForMainMenu();
  ASSERT_NE(menu, nullptr);
  automation::Click(menu, 1003);  // "終了"
  EXPECT_TRUE(interactive.WaitForExit());
}

// A folder named "setup" in the log's path is no installer switch: the run
// neither asks the installer's question nor shows anything.
TEST_F(Unattended, ALogInASetupFolderAsksNothing) {
  SHCreateDirectoryExW(nullptr, L"C:\\setup", nullptr);
  DeleteFileW(L"C:\\setup\\tav.log");
  GrantUserLevel("Biology");
  SeedDataSet("Biology", "DataDir07", kBiologyOnD);
  const UnattendedResult run = RunUnattendedTool("/list /log C:/setup/tav.log", 20000);
  ExpectWindowless(run);
  EXPECT_EQ(run.exitCode, 0u) << run.output;
  EXPECT_EQ(Steps(run, "/list /log C:/setup/tav.log"), Lines{"Tav2007  生物\t" + kBiologyOnD});
  EXPECT_EQ(ReadBytes("C:\\setup\\tav.log"), run.output);
  DeleteFileW(L"C:\\setup\\tav.log");
  RemoveDirectoryW(L"C:\\setup");
}

// The log is written with the tool's administrator rights: a device, a
// pipe or a path relative to wherever the script stands is refused before
// anything else, with nothing done.
TEST_F(Unattended, ALogThatIsNoDiskFileIsRefusedBeforeAnything) {
  DeleteFileW(Utf8ToUtf16(InstallDir() + "pc01.log").c_str());  // another test's log
  const struct {
    const char* value;
    const char* reasonHolds;
  } cases[] = {
      {"COM1", "絶対パス"},
      {"pc01.log", "絶対パス"},
      {"C:\\COM1", "ディスク上のファイル"},
      {"C:\\users\\nul.log", "ディスク上のファイル"},
      {"\\\\.\\COM1", "ディスク上のファイル"},
      {"\\\\.\\pipe\\tav-log", "ディスク上のファイル"},
      {"C:\\windows", "ディスク上のファイル"},  // a folder
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    const UnattendedResult run = RunOverSeededBiology(std::string("/delete Biology 2007 /log ") + c.value);
    EXPECT_EQ(run.exitCode, 1u);
    const Lines lines = CrlfLines(run.output);
    ASSERT_EQ(lines.size(), 1u) << run.output;
    EXPECT_NE(lines[0].find(c.reasonHolds), std::string::npos) << lines[0];
    EXPECT_NE(lines[0].find(c.value), std::string::npos) << lines[0];
    ExpectBiologyUntouched();
  }
  EXPECT_FALSE(Exists(InstallDir() + "pc01.log")) << "nothing written beside the tool either";
}

TEST_F(Unattended, ListGoesToTheConsoleAndIsAppendedToTheLog) {
  GrantUserLevel("Biology");
  GrantUserLevel("Earth");
  SeedDataSet("Biology", "DataDir07", kBiologyOnD);
  SeedDataSet("Earth", "DataDir05", kEarthOnG);
  WriteRecord32("General", "DataDir05", kEarthOnG);
  WriteRecord32("Physics", "DataDir07", "D:\\KR_LAB\\Tav2007\\TestDoc_P");  // no rights on Physics
  // A record is anyone's data: its line break must not forge a line, nor its tab a field.
  WriteRecord32("Biology", "DataDir06", "D:\\KR_LAB\r\nTav2001  生物\tC:\\forged");
  const std::string log = InstallDir() + "ログ pc01.txt";
  WriteFile(log, "earlier run\r\n");
  const std::string commandLine = "/list /log \"" + log + "\"";

  const UnattendedResult run = RunUnattendedTool(commandLine);
  ExpectWindowless(run);
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_EQ(Steps(run, commandLine),
            (Lines{"Tav2005  地学・総合\t" + kEarthOnG, "Tav2006  生物\tD:\\KR_LAB  Tav2001  生物 C:\\forged",
                   "Tav2007  生物\t" + kBiologyOnD}));
  EXPECT_TRUE(IsWellFormedUtf8(run.output));
  // The same UTF-8 lines, without a BOM, after what the file held.
  EXPECT_EQ(ReadBytes(log), "earlier run\r\n" + run.output);
  e2e::Shot("unattended-01-list-leaves-no-window");
}

TEST_F(Unattended, DeleteRemovesTheDataSetWithItsGeneralTwin) {
  GrantUserLevel("Earth");
  SeedDataSet("Earth", "DataDir05", kEarthOnG);
  WriteRecord32("General", "DataDir05", kEarthOnG);
  const UnattendedResult run = RunUnattendedTool("/delete earth 2005");
  ExpectWindowless(run);
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_EQ(Steps(run, "/delete earth 2005"),
            (Lines{"データ: Tav2005 地学・総合\t" + kEarthOnG, "データを削除しました。", "削除を完了しました。"}));
  EXPECT_FALSE(Exists(kEarthOnG)) << "the kind folders and the emptied data folder are gone";
  EXPECT_TRUE(Exists("G:\\KR_LAB\\Tav2005")) << "the year folder stays";
  EXPECT_EQ(ReadRecord32("Earth", "DataDir05"), "");
  EXPECT_EQ(ReadRecord32("General", "DataDir05"), "");
}

TEST_F(Unattended, WithoutRightsNothingChanges) {
  const struct {
    const char* name;
    const char* userLevelOnEarth;  // nullptr: no rights anywhere
    const char* commandLine;
    const char* step;
  } cases[] = {
      {"no subject with rights", nullptr, "/delete Biology 2007", "先にTav2007のインストールを行ってください。"},
      {"no rights on the subject", "ADMIN", "/delete Biology 2007", "Tav2007 生物 を操作する権限がありません。"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ResetRegistry();
    GrantUserLevel("Biology", "USER");
    if (c.userLevelOnEarth) GrantUserLevel("Earth", c.userLevelOnEarth);
    SeedDataSet("Biology", "DataDir07", kBiologyOnD);
    const UnattendedResult run = RunUnattendedTool(c.commandLine);
    ExpectWindowless(run);
    EXPECT_EQ(run.exitCode, 2u);
    EXPECT_EQ(Steps(run, c.commandLine), Lines{c.step});
    ExpectBiologyUntouched();
  }
}

TEST_F(Unattended, ASecondStartWhileTheInteractiveToolRunsEndsWith7) {
  GrantUserLevel("Physics");
  ToolProcess interactive;
  HWND menu = interactive.WaitForMainMenu();
  ASSERT_NE(menu, nullptr);
  const UnattendedResult refused = RunUnattendedTool("/list");
  ExpectWindowless(refused);
  EXPECT_EQ(refused.exitCode, 7u);
  EXPECT_EQ(Steps(refused, "/list"), Lines{"Tavコピーツールがすでに実行中です。"});
  EXPECT_TRUE(IsWindowVisible(menu)) << "the interactive tool keeps running";
  e2e::Shot("unattended-02-second-start-refused");

  automation::Click(menu, 1003);  // "終了"
  ASSERT_TRUE(interactive.WaitForExit());
  const UnattendedResult afterwards = RunUnattendedTool("/list");
  EXPECT_EQ(afterwards.exitCode, 0u);
  EXPECT_EQ(Steps(afterwards, "/list"), Lines{"登録されたデータがありません。"});
}

// With discs in the drives (scripts/wine-discs.sh): the copy, move and
// delete of a computer room's script.
class UnattendedDiscRun : public Unattended {
 protected:
  void Prepare(const std::string& discSet) {
    if (automation::CurrentDiscSet() != discSet) GTEST_SKIP() << "needs the disc set " << discSet;
  }
  // The kind folders of the Biology disc in E:, which a copy without /kinds takes.
  static std::vector<std::string> KindsOnDisc() {
    std::vector<std::string> kinds;
    for (const char* kind : {"Ichitaro", "Word", "PDF", "TIF", "TXT", "TXT0", "VOICE"})
      if (Exists(std::string("E:\\TestDoc_B\\") + kind)) kinds.push_back(kind);
    return kinds;
  }
  static UnattendedResult Run(const std::string& commandLine) {
    const UnattendedResult run = RunUnattendedTool(commandLine, 120000);
    ExpectWindowless(run);
    return run;
  }
};

const std::string kBiologyOnG = "G:\\KR_LAB\\Tav2007\\TestDoc_B";

TEST_F(UnattendedDiscRun, ProductCopiedMovedAndDeletedWithOneLog) {
  Prepare("product");
  GrantUserLevel("Biology");
  const std::string log = InstallDir() + "pc01.log";
  DeleteFileW(Utf8ToUtf16(log).c_str());  // a log is appended to: start with none
  const std::string logSwitch = " /log \"" + log + "\"";

  const UnattendedResult copy = Run("/copy E: D:" + logSwitch);
  EXPECT_EQ(copy.exitCode, 0u) << copy.output;
  ExpectCopied("E:\\TestDoc_B", kBiologyOnD, KindsOnDisc());
  EXPECT_EQ(ReadRecord32("Biology", "DataDir07"), kBiologyOnD);
  const Lines copySteps = Steps(copy, "/copy E: D:" + logSwitch);
  ASSERT_FALSE(copySteps.empty());
  EXPECT_EQ(copySteps.front(), "ディスク: Tav2007 生物（TAV07B_S）\tE:\\");
  EXPECT_EQ(copySteps.back(), "コピーを完了しました。");

  const UnattendedResult move = Run("/move Biology 2007 G:" + logSwitch);
  EXPECT_EQ(move.exitCode, 0u) << move.output;
  ExpectCopied("E:\\TestDoc_B", kBiologyOnG, KindsOnDisc());
  EXPECT_FALSE(Exists(kBiologyOnD)) << "the emptied data folder went with the move";
  EXPECT_EQ(ReadRecord32("Biology", "DataDir07"), kBiologyOnG);
  EXPECT_EQ(Steps(move, "/move Biology 2007 G:" + logSwitch).back(), "移動を完了しました。");

  const UnattendedResult erase = Run("/delete Biology 2007" + logSwitch);
  EXPECT_EQ(erase.exitCode, 0u) << erase.output;
  EXPECT_FALSE(Exists(kBiologyOnG));
  EXPECT_EQ(ReadRecord32("Biology", "DataDir07"), "");

  // One log of the three runs, each ended by its exit code.
  EXPECT_EQ(ReadBytes(log), copy.output + move.output + erase.output);
  if (!Options().shotsDir.empty()) WriteFile(Options().shotsDir + "\\unattended-room.log", ReadBytes(log));
}

TEST_F(UnattendedDiscRun, ProductCopiedFromAFolderWithTwoKinds) {
  Prepare("product");
  GrantUserLevel("Biology");
  // A copy of the disc, as a file server would hold it.
  const std::string server = "G:\\KR_LAB\\server\\bio07";
  for (const char* kind : {"Word", "PDF", "TXT"}) {
    for (const auto& [file, size] : Tree(std::string("E:\\TestDoc_B\\") + kind)) {
      const std::string target = server + "\\TestDoc_B\\" + kind + "\\" + file;
      SHCreateDirectoryExW(nullptr, Utf8ToUtf16(target.substr(0, target.find_last_of('\\'))).c_str(), nullptr);
      ASSERT_TRUE(CopyFileW(Utf8ToUtf16(std::string("E:\\TestDoc_B\\") + kind + "\\" + file).c_str(),
                            Utf8ToUtf16(target).c_str(), FALSE));
    }
  }
  const std::string commandLine = "/copy " + server + " D: /label tav07b_s /kinds PDF,word";
  const UnattendedResult run = Run(commandLine);
  EXPECT_EQ(run.exitCode, 0u) << run.output;
  ExpectCopied(server + "\\TestDoc_B", kBiologyOnD, {"Word", "PDF"});
  EXPECT_FALSE(Exists(kBiologyOnD + "\\TXT")) << "only the kinds asked for";
  EXPECT_EQ(ReadRecord32("Biology", "DataDir07"), kBiologyOnD);
}

TEST_F(UnattendedDiscRun, ProductDiscWithoutRightsCopiesNothing) {
  Prepare("product");
  GrantUserLevel("Earth");
  const UnattendedResult run = Run("/copy E: D:");
  EXPECT_EQ(run.exitCode, 2u);
  EXPECT_EQ(Steps(run, "/copy E: D:").back(), "Tav2007 生物 をコピーする権限がありません。");
  EXPECT_FALSE(Exists("D:\\KR_LAB"));
  EXPECT_EQ(ReadRecord32("Biology", "DataDir07"), "");
}

// The log on a drive that is full: the command still does its work (here
// the list), the console has every line, and the exit code says the log is
// short instead of 0.
TEST_F(UnattendedDiscRun, FullDriveLogThatCannotBeWrittenEndsWith8AfterTheCommand) {
  Prepare("full-drive");
  if (GetDriveTypeW(L"H:\\") != DRIVE_FIXED) GTEST_SKIP() << "needs the small drive H:";
  GrantUserLevel("Biology");
  SeedDataSet("Biology", "DataDir07", kBiologyOnD);
  const std::string filler = "H:\\KR_LAB\\filler.bin";
  SHCreateDirectoryExW(nullptr, L"H:\\KR_LAB", nullptr);
  const HANDLE file = CreateFileW(Utf8ToUtf16(filler).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  const std::string block(4096, 'x');
  DWORD written = 0;
  for (int i = 0; i < 1000 && WriteFile(file, block.data(), block.size(), &written, nullptr) && written; ++i) {
  }
  CloseHandle(file);
  ULARGE_INTEGER freeBytes{};
  ASSERT_TRUE(GetDiskFreeSpaceExW(L"H:\\", &freeBytes, nullptr, nullptr));
  ASSERT_LT(freeBytes.QuadPart, 4096u) << "H: is not full";

  const std::string commandLine = "/list /log H:\\KR_LAB\\pc01.log";
  const UnattendedResult run = Run(commandLine);
  EXPECT_EQ(run.exitCode, 8u) << run.output;
  EXPECT_EQ(Steps(run, commandLine),
            (Lines{"Tav2007  生物\t" + kBiologyOnD, "ログを最後まで書き込めませんでした。処理の終了コード: 0"}));
  EXPECT_EQ(ReadBytes("H:\\KR_LAB\\pc01.log"), "") << "no part of a line";
  ExpectBiologyUntouched();
}

TEST_F(UnattendedDiscRun, FullDriveCopyFailsAndRegistersNothing) {
  Prepare("full-drive");
  if (GetDriveTypeW(L"H:\\") != DRIVE_FIXED) GTEST_SKIP() << "needs the small drive H:";
  // The size table claims the kinds fit; the small drive cannot hold them.
  InstallTool("[Tav2007B]\r\nWord=1000\r\nPDF=1000\r\n");
  GrantUserLevel("Biology");
  const UnattendedResult run = Run("/copy E: H: /kinds Word,PDF");
  EXPECT_EQ(run.exitCode, 5u) << run.output;
  EXPECT_EQ(Steps(run, "/copy E: H: /kinds Word,PDF").back(), "コピーを中断しました。");
  EXPECT_EQ(ReadRecord32("Biology", "DataDir07"), "") << "nothing registered";
}

}  // namespace
