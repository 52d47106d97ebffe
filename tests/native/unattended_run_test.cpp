#include "unattended/unattended_run.h"

#include <gtest/gtest.h>

#include <functional>

#include "app/startup.h"
#include "unattended/headless_ports.h"
#include "unattended/unattended_startup.h"
#include "tests/native/unattended_fixture.h"

namespace {

using Lines = std::vector<std::string>;

UnattendedRequest Request(const char* line) {
  const ParsedCommandLine parsed = ParseCommandLine(line);
  EXPECT_EQ(parsed.mode, LaunchMode::Unattended) << line << ": " << parsed.usageError;
  return parsed.request;
}

TEST(UnattendedList, RegisteredDataSetsWithTheirFolders) {
  const struct {
    const char* name;
    std::vector<int> rights;  // catalogue rows
    std::function<void(UnattendedWorld&)> arrange;
    Lines lines;
  } cases[] = {
      {"the subjects with rights, by year, then in catalogue order",
       {kBiologyRow, kPhysicsRow},
       [](UnattendedWorld& w) {
         w.SetRecord("Biology", "2007", "D:\\KR_LAB\\Tav2007\\TestDoc_B");
         w.SetRecord("Physics", "2005", "G:\\物理データ\\TestDoc_P");
         w.SetRecord("Biology", "2003", "D:\\KR_LAB\\Tav2003\\TestDoc_B");
         w.SetRecord("Physics", "2003", "D:\\KR_LAB\\Tav2003\\TestDoc_P");
         w.SetRecord("Earth", "2001", "D:\\KR_LAB\\Tav2001\\TestDoc_T");  // no rights on Earth
         w.SetRecord("Physics", "2006", "C:");                             // too short to be a data set
       },
       {"Tav2003  生物\tD:\\KR_LAB\\Tav2003\\TestDoc_B", "Tav2003  物理\tD:\\KR_LAB\\Tav2003\\TestDoc_P",
        "Tav2005  物理\tG:\\物理データ\\TestDoc_P", "Tav2007  生物\tD:\\KR_LAB\\Tav2007\\TestDoc_B"}},
      {"Earth once, never its General twin",
       {kEarthRow},
       [](UnattendedWorld& w) {
         w.SetRecord("Earth", "2007", "D:\\KR_LAB\\Tav2007\\TestDoc_T");
         w.SetRecord("General", "2007", "D:\\KR_LAB\\Tav2007\\TestDoc_T");
         w.SetRecord("General", "2006", "D:\\KR_LAB\\Tav2006\\TestDoc_T");
       },
       {"Tav2007  地学・総合\tD:\\KR_LAB\\Tav2007\\TestDoc_T"}},
      {"a record's tab and line separator cannot forge a field or a line",
       {kBiologyRow},
       [](UnattendedWorld& w) { w.SetRecord("Biology", "2004", "D:\\KR_LAB\tC:\\forged\u2028Tav2001  生物"); },
       {"Tav2004  生物\tD:\\KR_LAB C:\\forged Tav2001  生物"}},
      {"nothing registered", {kBiologyRow}, [](UnattendedWorld&) {}, {"登録されたデータがありません。"}},
      {"records only where the user has no rights",
       {kBiologyRow},
       [](UnattendedWorld& w) { w.SetRecord("Physics", "2007", "D:\\KR_LAB\\Tav2007\\TestDoc_P"); },
       {"登録されたデータがありません。"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    UnattendedWorld w;
    for (int row : c.rights) w.app.m_bAdmin[row] = true;
    c.arrange(w);
    EXPECT_EQ(RunUnattended(Request("/list"), w.ctx), ExitCode::Done);
    EXPECT_EQ(w.log.lines, c.lines);
  }
}

const std::string kBiology = "D:\\KR_LAB\\Tav2007\\TestDoc_B";
const std::string kEarth = "D:\\KR_LAB\\Tav2007\\TestDoc_T";

// Rights on Biology and Earth; the Biology 2007 data set (Word, PDF, VOICE)
// registered on D:.
TEST(UnattendedDelete, OutcomesAndTheirExitCodes) {
  const std::string dataLine = "データ: Tav2007 生物\t" + kBiology;
  const auto failingShell = [](ShellOutcome outcome) {
    return [outcome](UnattendedWorld& w) { w.files.shellHook = [outcome](auto, auto&, auto&) { return outcome; }; };
  };
  // The kind folders are being set aside when the key refuses to open.
  const auto keyDeniedWhileSettingAside = [](const char* key) {
    return [key](UnattendedWorld& w) {
      w.files.renameHook = [&w, key](const std::string&, const std::string&) {
        w.registry.Deny(RegRoot::LocalMachine, DataDirKeyPath(key));
        return true;
      };
    };
  };
  const std::string leftLine = "データの登録は削除しましたが、" + kBiology + ".tavdelete を削除できませんでした。";
  const struct {
    const char* name;
    const char* command;
    std::function<void(UnattendedWorld&)> arrange;
    ExitCode code;
    Lines lines;
    bool dataDeleted;   // the kind folders and the emptied data folder are gone
    bool recordRemoved;
  } cases[] = {
      {"the kind folders, the emptied data folder and the record go", "/delete Biology 2007",
       [](UnattendedWorld&) {}, ExitCode::Done,
       {dataLine, "データを削除しました。", "削除を完了しました。"}, true, true},
      {"the subject key in another letter case", "/delete BIOLOGY 2007",
       [](UnattendedWorld&) {}, ExitCode::Done,
       {dataLine, "データを削除しました。", "削除を完了しました。"}, true, true},
      {"no rights on the subject: nothing changes", "/delete Physics 2007",
       [](UnattendedWorld& w) { w.RegisterDataSet("Physics", "2007", "D:\\KR_LAB\\Tav2007\\TestDoc_P"); },
       ExitCode::NoRights,
       {"Tav2007 物理 を操作する権限がありません。"}, false, false},
      {"no record for that year", "/delete Biology 2005",
       [](UnattendedWorld&) {}, ExitCode::NotFound,
       {"Tav2005 生物 は登録されていません。"}, false, false},
      {"a year outside the product's whose digits name another year's record", "/delete Biology 1907",
       [](UnattendedWorld&) {}, ExitCode::NotFound,
       {"Tav1907 生物 は登録されていません。"}, false, false},
      {"a record too short to be a data set", "/delete Biology 2006",
       [](UnattendedWorld& w) { w.SetRecord("Biology", "2006", "D:"); }, ExitCode::NotFound,
       {"Tav2006 生物 は登録されていません。"}, false, false},
      {"a file in use stops the shell once the record is gone: the rest goes, the folder holding it is named",
       "/delete Biology 2007",
       [&failingShell](UnattendedWorld& w) {
         failingShell({32, false})(w);
         w.files.refuseRemove.insert(AsciiUpper(kBiology + ".tavdelete\\PDF\\q01.pdf"));
       },
       ExitCode::Done, {dataLine, "データを削除しました。", leftLine, "削除を完了しました。"}, true, true},
      {"the shell reports success and deleted nothing: it all goes without the shell", "/delete Biology 2007",
       failingShell({0, false}), ExitCode::Done,
       {dataLine, "データを削除しました。", "削除を完了しました。"}, true, true},
      {"the shell reports an abort: it all goes without the shell", "/delete Biology 2007",
       failingShell({0, true}), ExitCode::Done,
       {dataLine, "データを削除しました。", "削除を完了しました。"}, true, true},
      {"a kind folder that cannot be set aside (a locked file): all back, the record stays", "/delete Biology 2007",
       [](UnattendedWorld& w) {
         w.files.renameHook = [](const std::string& from, const std::string&) {
           return from.find("\\VOICE") == std::string::npos;
         };
       },
       ExitCode::OperationFailed, {dataLine, "削除を中断しました。"}, false, false},
      {"the record's drive is not there: refused, the record stays", "/delete Biology 2007",
       [](UnattendedWorld& w) { w.SetRecord("Biology", "2007", "K:\\KR_LAB\\Tav2007\\TestDoc_B"); },
       ExitCode::NotFound,
       {"データ: Tav2007 生物\tK:\\KR_LAB\\Tav2007\\TestDoc_B",
        "K:\\KR_LAB\\Tav2007\\TestDoc_B にアクセスできません。", "削除を中断しました。"},
       false, false},
      {"a record that could reach the drive's own folders is not acted on", "/delete Biology 2007",
       [](UnattendedWorld& w) { w.SetRecord("Biology", "2007", "D:\\KR_LAB\\Tav2007\\TestDoc_B\\..\\.."); },
       ExitCode::OperationFailed,
       {"データ: Tav2007 生物\tD:\\KR_LAB\\Tav2007\\TestDoc_B\\..\\..", "削除を中断しました。"}, false, false},
      {"the record cannot be removed: the kind folders go back", "/delete Biology 2007",
       keyDeniedWhileSettingAside("Biology"), ExitCode::RecordFailed,
       {dataLine, "レジストリを削除できませんでした。"}, false, false},
      {"no kind folder left on the disk: the record goes", "/delete Biology 2007",
       [](UnattendedWorld& w) {
         for (const char* kind : {"Word", "PDF", "VOICE"}) w.files.Remove(kBiology + "\\" + kind);
       },
       ExitCode::Done, {dataLine, "データを削除しました。", "削除を完了しました。"}, false, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    UnattendedWorld w;
    w.app.m_bAdmin[kBiologyRow] = true;
    w.app.m_bAdmin[kEarthRow] = true;
    w.RegisterDataSet("Biology", "2007", kBiology);
    w.files.AddFile("D:\\Word\\keep.doc", 7);  // what a malformed record could reach
    c.arrange(w);
    EXPECT_EQ(RunUnattended(Request(c.command), w.ctx), c.code);
    EXPECT_EQ(w.log.lines, c.lines);
    if (c.dataDeleted) {
      EXPECT_FALSE(w.files.Exists(kBiology));
    } else if (c.code != ExitCode::Done) {
      EXPECT_EQ(w.files.FileSize(kBiology + "\\Word\\q01.doc"), 1000u);
    }
    EXPECT_EQ(w.files.FileSize("D:\\Word\\keep.doc"), 7u);
    if (c.code == ExitCode::NoRights || c.code == ExitCode::NotFound) {
      EXPECT_TRUE(w.files.shellCalls.empty());
    }
    EXPECT_EQ(!w.Record("Biology", "2007").has_value(), c.recordRemoved);
  }
}

TEST(UnattendedDelete, EarthGoesWithItsGeneralTwin) {
  const struct {
    const char* name;
    bool twinKeyDenied;
    ExitCode code;
    const char* lastLine;
  } cases[] = {
      {"both removed", false, ExitCode::Done, "削除を完了しました。"},
      {"the twin's key refuses: the Earth record is gone, the twin stays", true, ExitCode::RecordFailed,
       "レジストリを削除できませんでした。"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    UnattendedWorld w;
    w.app.m_bAdmin[kEarthRow] = true;
    w.RegisterDataSet("Earth", "2007", kEarth);
    w.SetRecord("General", "2007", kEarth);
    if (c.twinKeyDenied) w.registry.Deny(RegRoot::LocalMachine, DataDirKeyPath("General"));
    EXPECT_EQ(RunUnattended(Request("/delete earth 2007"), w.ctx), c.code);
    EXPECT_EQ(w.log.lines.back(), c.lastLine);
    EXPECT_FALSE(w.files.Exists(kEarth));
    EXPECT_FALSE(w.Record("Earth", "2007").has_value());
    EXPECT_EQ(w.Record("General", "2007").has_value(), c.twinKeyDenied);
  }
}

// Before the command: the usage error, then the rights. No question is
// ever asked: a world whose prompts are used fails when it goes.
TEST(UnattendedStartup, EndsBeforeTheCommandWhenItMust) {
  const std::string usageLine0 = "使い方:";
  const struct {
    const char* name;
    const char* line;
    const char* userLevel;  // Biology's "UserLevel"; nullptr: no key
    std::optional<ExitCode> code;
    Lines firstLines;
    bool rightsScanned;
  } cases[] = {
      {"rights on Biology: the command runs", "/list", "admin", std::nullopt, {}, true},
      {"no subject with rights", "/list", "USER", ExitCode::NoRights, {kNoRightsMessage}, true},
      {"no key at all", "/delete Biology 2007", nullptr, ExitCode::NoRights, {kNoRightsMessage}, true},
      {"a usage error: the reason, then the usage text", "/list /bogus", "ADMIN",
       ExitCode::UsageError, {"指定が正しくありません: 不明なスイッチです: /bogus", usageLine0}, false},
      {"a usage error comes before the rights", "/list extra", nullptr, ExitCode::UsageError,
       {"指定が正しくありません: 余分な引数があります: extra", usageLine0}, false},
      {"the installer's switch with a verb: no question, a usage error", "/setup /list", "ADMIN",
       ExitCode::UsageError, {"指定が正しくありません: /setup は処理のスイッチと一緒には使えません。", usageLine0}, false},
      {"a mistyped verb", "/cpy E: D: /log C:\\pc01.log", "ADMIN", ExitCode::UsageError,
       {"指定が正しくありません: 処理のスイッチ（/copy、/move、/delete、/list）がありません: /cpy", usageLine0}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    UnattendedWorld w;
    if (c.userLevel) w.registry.Set(RegRoot::CurrentUser, UserLevelKeyPath("Biology"), "UserLevel", c.userLevel);
    const ParsedCommandLine parsed = ParseCommandLine(c.line);
    EXPECT_EQ(UnattendedStartup(parsed, w.registry, w.app, w.log), c.code);
    ASSERT_GE(w.log.lines.size(), c.firstLines.size());
    EXPECT_EQ(Lines(w.log.lines.begin(), w.log.lines.begin() + c.firstLines.size()), c.firstLines);
    if (!c.firstLines.empty() && c.firstLines.back() == usageLine0) {
      RecordingRunLog usage;
      LogLines(usage, UsageText());
      EXPECT_EQ(Lines(w.log.lines.begin() + 1, w.log.lines.end()), usage.lines);
    }
    EXPECT_EQ(w.app.m_bAdmin[kBiologyRow], c.rightsScanned && c.userLevel && std::string(c.userLevel) != "USER");
  }
}

// What a command that still asks in an unattended run gets: nothing shown,
// its text in the log, "いいえ" to a question, a cancelled dialog.
TEST(HeadlessPorts, NothingShowsAndNothingIsAgreedTo) {
  RecordingRunLog log;
  HeadlessPrompts prompts(log);
  EXPECT_EQ(prompts.Show(PromptOwner::MainWindow, "コピー先フォルダの空き容量が足りません。", kCaption, mb::kWarning),
            mb::kIdOk);
  EXPECT_EQ(prompts.Show(PromptOwner::None, "フォルダがありません。\n作成しますか？", kCaption, mb::kQuestion),
            mb::kIdNo);
  HeadlessCommandDialogs dialogs(log);
  EXPECT_FALSE(dialogs.ChooseCopyDestination().has_value());
  EXPECT_EQ(log.lines, (Lines{"コピー先フォルダの空き容量が足りません。", "フォルダがありません。", "作成しますか？",
                              "（確認できないため「いいえ」として扱いました）", "（画面を表示できないため取り消しました）"}));
}

}  // namespace
