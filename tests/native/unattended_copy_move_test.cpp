// /copy and /move over the fakes: each outcome with its exit code, what is
// on the disks and in the registry afterwards, and the log's last word.
#include <gtest/gtest.h>

#include <functional>

#include "tests/native/unattended_fixture.h"
#include "unattended/unattended_run.h"

namespace {

using Lines = std::vector<std::string>;
using Arrange = std::function<void(UnattendedWorld&)>;

UnattendedRequest Request(const std::string& line) {
  const ParsedCommandLine parsed = ParseCommandLine(line);
  EXPECT_EQ(parsed.mode, LaunchMode::Unattended) << line << ": " << parsed.usageError;
  return parsed.request;
}

const std::string kDest = "D:\\KR_LAB\\Tav2007\\TestDoc_B";
const std::string kMoved = "G:\\KR_LAB\\Tav2007\\TestDoc_B";

// A Biology 2007 disc in the CD-ROM drive E: (Word, PDF and TXT), the same
// content copied into the folder X:\discs\bio07, fixed drives D: and G: with
// room, rights on Biology only.
void ArrangeDiscs(UnattendedWorld& w) {
  w.disks.drives['D'] = {DriveType::Fixed, std::nullopt, std::uint64_t{1} << 40};
  w.disks.drives['G'] = {DriveType::Fixed, std::nullopt, std::uint64_t{1} << 40};
  w.disks.drives['X'] = {DriveType::Remote, std::nullopt, std::uint64_t{1} << 40};
  w.disks.drives['E'] = {DriveType::CdRom, "TAV07B_S", 0};
  for (const char* root : {"D:\\", "G:\\"}) w.files.AddFolder(root);
  for (const std::string root : {"E:\\", "X:\\discs\\bio07\\", "\\\\srv\\tav\\bio07\\"}) {
    w.files.AddFile(root + "TestDoc_B\\Word\\q01.doc", 1000);
    w.files.AddFile(root + "TestDoc_B\\Word\\sub\\q02.doc", 2000);
    w.files.AddFile(root + "TestDoc_B\\PDF\\q01.pdf", 3000);
    w.files.AddFile(root + "TestDoc_B\\TXT\\t.txt", 10);
  }
  w.app.m_bAdmin[kBiologyRow] = true;
}

TEST(UnattendedCopy, OutcomesAndTheirExitCodes) {
  const Arrange nothing = [](UnattendedWorld&) {};
  const struct {
    const char* name;
    std::string command;
    Arrange arrange;
    ExitCode code;
    Lines copied;  // kind folders in the data folder afterwards; registered when the copy is done
    std::string lastLine;
  } cases[] = {
      {"every kind the disc offers", "/copy E: D:", nothing, ExitCode::Done, {"Word", "PDF", "TXT"}, "コピーを完了しました。"},
      {"the kinds asked for, in any letter case", "/copy e:\\ d: /kinds pdf,WORD", nothing, ExitCode::Done,
       {"Word", "PDF"}, "コピーを完了しました。"},
      {"from a folder holding the disc's content, named by /label", "/copy X:\\discs\\bio07 D: /label tav07b_s",
       nothing, ExitCode::Done, {"Word", "PDF", "TXT"}, "コピーを完了しました。"},
      {"from a file server's share", "/copy \\\\srv\\tav\\bio07 D: /label TAV07B_S /kinds TXT", nothing,
       ExitCode::Done, {"TXT"}, "コピーを完了しました。"},
      {"a kind the disc does not offer", "/copy E: D: /kinds Word,VOICE", nothing, ExitCode::NotFound, {},
       "VOICE はこのディスクにありません。"},
      {"no disc in the drive", "/copy E: D:", [](UnattendedWorld& w) { w.disks.drives['E'].label.reset(); },
       ExitCode::NotFound, {}, "E:\\ にディスクがありません。"},
      {"another disc in the drive", "/copy E: D:", [](UnattendedWorld& w) { w.disks.drives['E'].label = "MUSIC"; },
       ExitCode::NotFound, {}, "Tavのディスクがセットされているか確認してください。"},
      {"a source drive that is no CD-ROM drive", "/copy D: G:", nothing, ExitCode::NotFound, {},
       "D:\\ はCD-ROMドライブではありません。"},
      {"a label that names no product disc", "/copy X:\\discs\\bio07 D: /label DATA_CD", nothing,
       ExitCode::NotFound, {}, "/label DATA_CD はTavのディスクのラベルではありません。"},
      {"a label of another subject than the folder holds", "/copy X:\\discs\\bio07 D: /label TAV07C_S", nothing,
       ExitCode::NotFound, {}, "X:\\discs\\bio07\\TestDoc_C が見つかりません。"},
      {"a source folder the current folder would complete", "/copy discs\\bio07 D: /label TAV07B_S", nothing,
       ExitCode::UsageError, {}, "コピー元はドライブから始まるフォルダか \\\\サーバー\\共有\\… で指定してください: discs\\bio07"},
      {"another disc of the same label put in while the disc was measured", "/copy E: D:",
       [](UnattendedWorld& w) {
         w.files.onListTree = [&w](const std::string&) { w.disks.drives['E'].serial = 0x0BADF00D; };
       },
       ExitCode::NotFound, {}, "Tavのディスクがセットされているか確認してください。"},
      {"a disc without rights", "/copy E: D:", [](UnattendedWorld& w) { w.app.m_bAdmin[kBiologyRow] = false; },
       ExitCode::NoRights, {}, "Tav2007 生物 をコピーする権限がありません。"},
      {"a destination that is no fixed drive", "/copy E: X:", nothing, ExitCode::DestinationUnusable, {},
       "X: は固定ドライブではありません。"},
      {"a data folder that cannot be created", "/copy E: D:",
       [](UnattendedWorld& w) { w.files.refuseCreate.insert("D:\\KR_LAB"); }, ExitCode::DestinationUnusable, {},
       kDest + " を作成できません。"},
      {"too little room", "/copy E: D:", [](UnattendedWorld& w) { w.disks.drives['D'].freeBytes = 5999; },
       ExitCode::DestinationUnusable, {}, "コピー先フォルダの空き容量が足りません。"},
      {"room unknown", "/copy E: D:", [](UnattendedWorld& w) { w.disks.drives['D'].freeBytes.reset(); },
       ExitCode::DestinationUnusable, {}, "コピー先フォルダにアクセスできません。"},
      {"the shell copies nothing and says it did", "/copy E: D:",
       [](UnattendedWorld& w) { w.files.shellHook = [](auto, auto&, auto&) { return ShellOutcome{0, false}; }; },
       ExitCode::OperationFailed, {}, "コピーを中断しました。"},
      {"the record cannot be written", "/copy E: D:",
       [](UnattendedWorld& w) { w.registry.Deny(RegRoot::LocalMachine, DataDirKeyPath("Biology")); },
       ExitCode::RecordFailed, {}, "レジストリに登録できませんでした。"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    UnattendedWorld w;
    ArrangeDiscs(w);
    c.arrange(w);
    EXPECT_EQ(RunUnattended(Request(c.command), w.ctx), c.code);
    ASSERT_FALSE(w.log.lines.empty());
    EXPECT_EQ(w.log.lines.back(), c.lastLine);
    Lines copied;
    for (const char* kind : {"Ichitaro", "Word", "PDF", "TIF", "TXT", "TXT0", "VOICE"})
      if (w.files.Exists(kDest + "\\" + kind)) copied.push_back(kind);
    EXPECT_EQ(copied, c.copied);
    EXPECT_EQ(w.Record("Biology", "2007"),
              c.code == ExitCode::Done ? std::optional<std::string>(kDest) : std::nullopt);
    if (c.code == ExitCode::Done && w.files.Exists(kDest + "\\Word")) {
      EXPECT_EQ(w.files.FileSize(kDest + "\\Word\\sub\\q02.doc"), 2000u) << "whole trees";
    }
    if (c.code != ExitCode::Done && c.code != ExitCode::OperationFailed && c.code != ExitCode::RecordFailed) {
      EXPECT_TRUE(w.files.shellCalls.empty());
    }
  }
}

TEST(UnattendedCopy, TheHappyPathLogsEachStep) {
  UnattendedWorld w;
  ArrangeDiscs(w);
  EXPECT_EQ(RunUnattended(Request("/copy E: D: /kinds Word"), w.ctx), ExitCode::Done);
  EXPECT_EQ(w.log.lines, (Lines{"ディスク: Tav2007 生物（TAV07B_S）\tE:\\",
                                "コピーするデータ: Word\tコピー先のハードディスクには、約0MBの空き容量が必要です。",
                                kDest + " を作成しました。", "コピーを開始します: " + kDest, "コピーを完了しました。"}));
}

TEST(UnattendedMove, OutcomesAndTheirExitCodes) {
  const Arrange nothing = [](UnattendedWorld&) {};
  const struct {
    const char* name;
    std::string command;
    Arrange arrange;
    ExitCode code;
    bool moved;
    std::string lastLine;
  } cases[] = {
      {"to another drive", "/move Biology 2007 G:", nothing, ExitCode::Done, true, "移動を完了しました。"},
      {"onto the folder it lies in", "/move biology 2007 D:", nothing, ExitCode::DestinationUnusable, false,
       "移動元フォルダと同じフォルダには移動できません。"},
      {"no rights on the subject", "/move Biology 2007 G:",
       [](UnattendedWorld& w) { w.app.m_bAdmin[kBiologyRow] = false; }, ExitCode::NoRights, false,
       "Tav2007 生物 を操作する権限がありません。"},
      {"no such data set", "/move Biology 2006 G:", nothing, ExitCode::NotFound, false,
       "Tav2006 生物 は登録されていません。"},
      {"a destination that is no fixed drive", "/move Biology 2007 E:", nothing, ExitCode::DestinationUnusable,
       false, "E: は固定ドライブではありません。"},
      {"too little room", "/move Biology 2007 G:", [](UnattendedWorld& w) { w.disks.drives['G'].freeBytes = 4499; },
       ExitCode::DestinationUnusable, false, "移動先フォルダの空き容量が足りません。"},
      {"the shell fails", "/move Biology 2007 G:",
       [](UnattendedWorld& w) { w.files.shellHook = [](auto, auto&, auto&) { return ShellOutcome{5, false}; }; },
       ExitCode::OperationFailed, false, "移動を中断しました。"},
      {"the record cannot be rewritten: the copy is taken back", "/move Biology 2007 G:",
       [](UnattendedWorld& w) {
         w.files.shellHook = [&w](ShellOp op, auto& from, auto& to) {
           const ShellOutcome outcome = w.files.DefaultShellOperation(op, from, to);
           w.registry.Deny(RegRoot::LocalMachine, DataDirKeyPath("Biology"));
           return outcome;
         };
       },
       ExitCode::RecordFailed, false, "レジストリに登録できませんでした。"},
      {"the old kind folders cannot be deleted once the record moved: exit 0 with the old folder named",
       "/move Biology 2007 G:",
       [](UnattendedWorld& w) {
         w.files.shellHook = [&w](ShellOp op, auto& from, auto& to) {
           if (op == ShellOp::Delete) return ShellOutcome{32, false};
           return w.files.DefaultShellOperation(op, from, to);
         };
       },
       ExitCode::Done, true, "移動を完了しました。"},
      {"the record's drive is not there: refused, the record stays", "/move Biology 2007 G:",
       [](UnattendedWorld& w) { w.files.Remove("D:\\"); }, ExitCode::NotFound, false, "移動を中断しました。"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    UnattendedWorld w;
    ArrangeDiscs(w);
    w.RegisterDataSet("Biology", "2007", kDest);
    c.arrange(w);
    EXPECT_EQ(RunUnattended(Request(c.command), w.ctx), c.code);
    ASSERT_FALSE(w.log.lines.empty());
    EXPECT_EQ(w.log.lines.back(), c.lastLine);
    EXPECT_EQ(w.files.FileSize(kMoved + "\\PDF\\q01.pdf").has_value(), c.moved);
    if (c.code != ExitCode::Done)
      EXPECT_TRUE(w.files.FileSize(kDest + "\\PDF\\q01.pdf").has_value()) << "the data set stays where it was";
    if (c.code == ExitCode::RecordFailed) continue;  // the denied key cannot be read back
    EXPECT_EQ(w.Record("Biology", "2007"), c.code == ExitCode::Done ? kMoved : kDest);
  }
}

}  // namespace
