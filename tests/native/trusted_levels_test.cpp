// An ordinary user of the PC steering the elevated tool: a level of a data
// folder's path that is a link (a junction or a symbolic link: to the port
// both are a reparse point) or that the user owns refuses every command
// before anything changes; a link inside a walked tree fails the walk; the
// folders the tool creates get its own descriptor.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "command/trusted_levels.h"
#include "copy/copy_command.h"
#include "delete/delete_command.h"
#include "move/move_command.h"
#include "platform/text.h"
#include "tests/native/command_fixture.h"
#include "tests/native/unattended_fixture.h"
#include "ui/destination.h"
#include "command/folder_path_rules.h"
#include "unattended/command_line.h"

namespace {

const std::string kOnD = "D:\\KR_LAB\\Tav2007\\TestDoc_B";
const std::string kOnG = "G:\\KR_LAB\\Tav2007\\TestDoc_B";

// Where on the data folder's path the flaw lies, below the drive root.
const struct Level {
  const char* name;
  const char* below;  // appended to "X:"
} kLevels[] = {
    {"KR_LAB", "\\KR_LAB"},
    {"Tav2007", "\\KR_LAB\\Tav2007"},
    {"the data folder", "\\KR_LAB\\Tav2007\\TestDoc_B"},
    {"a kind folder", "\\KR_LAB\\Tav2007\\TestDoc_B\\Word"},
};

enum class Flaw { Link, OrdinaryOwner };
const struct FlawCase {
  const char* name;
  Flaw flaw;
} kFlaws[] = {
    {"is a junction or symbolic link", Flaw::Link},
    {"is owned by an ordinary user", Flaw::OrdinaryOwner},
};

// The level exists (with a file of someone else's in it, which must stay)
// and has the flaw.
void Plant(FakeFileSystem& files, const std::string& level, Flaw flaw) {
  files.AddFile(level + "\\someone-elses.txt", 42);
  (flaw == Flaw::Link ? files.reparsePoints : files.untrustedOwners).insert(UpcaseAsWindows(level));
}

UnattendedRequest Request(const std::string& line) { return ParseCommandLine(line).request; }

// Fixed D: and G:, a Biology 2007 disc in E:, rights on Biology, the data
// set registered on D: unless `registered` is false.
void ArrangeUnattended(UnattendedWorld& w, bool registered) {
  w.disks.drives['D'] = {DriveType::Fixed, std::nullopt, std::uint64_t{1} << 40};
  w.disks.drives['G'] = {DriveType::Fixed, std::nullopt, std::uint64_t{1} << 40};
  w.disks.drives['E'] = {DriveType::CdRom, "TAV07B_S", 0};
  for (const char* root : {"D:\\", "G:\\"}) w.files.AddFolder(root);
  w.files.AddFile("E:\\TestDoc_B\\Word\\q01.doc", 1000);
  w.files.AddFile("E:\\TestDoc_B\\PDF\\q01.pdf", 3000);
  w.app.m_bAdmin[kBiologyRow] = true;
  if (registered) w.RegisterDataSet("Biology", "2007", kOnD);
}

struct CommandCase {
  const char* name;
  std::string commandLine;
  char flawedDrive;   // whose levels get the flaw
  bool registered;    // a data set on D: to act on
  ExitCode refused;
  const char* lastLine;
};

const CommandCase kUnattended[] = {
    {"/copy, its destination", "/copy E: D:", 'D', false, ExitCode::DestinationUnusable,
     "コピー先フォルダにアクセスできません。"},
    {"/move, its source", "/move Biology 2007 G:", 'D', true, ExitCode::OperationFailed, "移動を中断しました。"},
    {"/move, its destination", "/move Biology 2007 G:", 'G', true, ExitCode::DestinationUnusable,
     "移動先フォルダにアクセスできません。"},
    {"/delete, its source", "/delete Biology 2007", 'D', true, ExitCode::OperationFailed, "削除を中断しました。"},
};

TEST(LevelChecks, UnattendedCommandsRefuseAFlawedLevelBeforeAnythingChanges) {
  for (const CommandCase& command : kUnattended) {
    for (const Level& level : kLevels) {
      for (const FlawCase& flaw : kFlaws) {
        SCOPED_TRACE(std::string(command.name) + ": " + level.name + " " + flaw.name);
        UnattendedWorld w;
        ArrangeUnattended(w, command.registered);
        const std::string flawed = std::string(1, command.flawedDrive) + ":" + level.below;
        Plant(w.files, flawed, flaw.flaw);
        const auto recordBefore = w.Record("Biology", "2007");

        EXPECT_EQ(RunUnattended(Request(command.commandLine), w.ctx), command.refused);
        ASSERT_FALSE(w.log.lines.empty());
        EXPECT_EQ(w.log.lines.back(), command.lastLine);
        EXPECT_TRUE(w.files.shellCalls.empty());
        EXPECT_TRUE(w.files.createdFolders.empty()) << w.files.createdFolders.front();
        EXPECT_EQ(w.files.FileSize(flawed + "\\someone-elses.txt"), 42u);
        EXPECT_EQ(w.Record("Biology", "2007"), recordBefore);
        if (command.registered) EXPECT_EQ(w.files.FileSize(kOnD + "\\PDF\\q01.pdf"), 3000u);
      }
    }
  }
}

// The same levels without a flaw (existing, owned by an administrator) are
// acted in as before.
TEST(LevelChecks, TrustedExistingLevelsAreActedIn) {
  for (const CommandCase& command : kUnattended) {
    for (const Level& level : kLevels) {
      SCOPED_TRACE(std::string(command.name) + ": " + level.name + " exists and is fine");
      UnattendedWorld w;
      ArrangeUnattended(w, command.registered);
      const std::string existing = std::string(1, command.flawedDrive) + ":" + level.below;
      w.files.AddFolder(existing);
      EXPECT_EQ(RunUnattended(Request(command.commandLine), w.ctx), ExitCode::Done) << w.log.lines.back();
      // A move across drives copies, then deletes the old kind folders.
      EXPECT_EQ(w.files.shellCalls.size(), std::string(command.commandLine).rfind("/move", 0) == 0 ? 2u : 1u);
    }
  }
}

// The dialogs' commands check again where they act: a level turned into a
// link after the destination was chosen refuses the copy, move or delete
// with its message, the record kept.
TEST(LevelChecks, InteractiveCommandsRefuseAFlawedLevelWhereTheyAct) {
  const struct {
    const char* name;
    char flawedDrive;
    std::function<void(CommandWorld&)> script;
    std::function<void(CommandWorld&)> run;
    const char* message;
    const char* another;
  } commands[] = {
      {"copy, its destination", 'D',
       [](CommandWorld& w) {
         w.ScriptCopyUpToStart();
         w.Answer({kNo});
       },
       [](CommandWorld& w) { RunCopyCommand(w.ctx); }, kCopyInterruptedMessage, "別のディスクをコピーしますか？"},
      {"move, its source", 'D',
       [](CommandWorld& w) {
         w.RegisterDataSet();
         w.DataList(CommandDialog::MoveList, kOk);
         w.MoveDest(kOk);
         w.Answer({kYes, kNo});
       },
       [](CommandWorld& w) { RunMoveCommand(w.ctx); }, kMoveInterruptedMessage, "別のデータを移動しますか？"},
      {"move, its destination", 'G',
       [](CommandWorld& w) {
         w.RegisterDataSet();
         w.DataList(CommandDialog::MoveList, kOk);
         w.MoveDest(kOk);
         w.Answer({kYes, kNo});
       },
       [](CommandWorld& w) { RunMoveCommand(w.ctx); }, kMoveInterruptedMessage, "別のデータを移動しますか？"},
      {"delete, its source", 'D',
       [](CommandWorld& w) {
         w.RegisterDataSet();
         w.DataList(CommandDialog::DeleteList, kOk);
         w.Answer({kYes, kNo});
       },
       [](CommandWorld& w) { RunDeleteCommand(w.ctx); }, "削除を中断しました。", "別のデータを削除しますか？"},
  };
  for (const auto& command : commands) {
    for (const Level& level : kLevels) {
      for (const FlawCase& flaw : kFlaws) {
        SCOPED_TRACE(std::string(command.name) + ": " + level.name + " " + flaw.name);
        CommandWorld w;
        const std::string flawed = std::string(1, command.flawedDrive) + ":" + level.below;
        Plant(w.files, flawed, flaw.flaw);
        command.script(w);
        const auto recordBefore = w.Record("Biology", "DataDir07");
        command.run(w);
        ASSERT_GE(w.Boxes().size(), 2u);
        EXPECT_EQ(w.Boxes()[w.Boxes().size() - 2], Warning(command.message));
        EXPECT_EQ(w.Boxes().back(), Question(command.another));
        EXPECT_TRUE(w.files.shellCalls.empty());
        EXPECT_EQ(w.files.FileSize(flawed + "\\someone-elses.txt"), 42u);
        EXPECT_EQ(w.Record("Biology", "DataDir07"), recordBefore);
      }
    }
  }
}

// The destination dialog shows the command's own message for a destination
// it cannot use, the one the room check shows for an unreadable folder.
TEST(LevelChecks, TheDestinationDialogRefusesWithTheCommandsMessage) {
  EXPECT_STREQ(DestDialogTextsFor(DestVariant::Copy).unusableMessage, kCopyDestUnreadableMessage);
  EXPECT_STREQ(DestDialogTextsFor(DestVariant::Move).unusableMessage, kMoveDestUnreadableMessage);
}

// Walks of the tool's own never enter a link: one anywhere inside a kind
// folder, on the disc or on the hard disk, fails the command with nothing
// done (the size measurement of a move walks only to measure, so the move
// refuses where it acts).
TEST(LevelChecks, ALinkInsideAWalkedTreeFailsTheCommand) {
  const struct {
    const char* name;
    std::string commandLine;
    bool registered;
    std::string link;  // a folder inside a kind folder
    ExitCode code;
    const char* lastLine;
    bool sizesInIni = false;
  } cases[] = {
      // Measured on the disc, the kind is not offered, as a kind folder that
      // cannot be read; asked for, it refuses the copy.
      {"on the disc, the kind measured", "/copy E: D: /kinds Word", false, "E:\\TestDoc_B\\Word\\sub",
       ExitCode::NotFound, "Word はこのディスクにありません。"},
      {"on the disc, the sizes from the INI", "/copy E: D:", false, "E:\\TestDoc_B\\Word\\sub",
       ExitCode::OperationFailed, "コピーを中断しました。", true},
      {"in a kind folder the copy would write into", "/copy E: D:", false, kOnD + "\\Word\\sub",
       ExitCode::DestinationUnusable, "コピー先フォルダにアクセスできません。"},
      {"in a kind folder to move", "/move Biology 2007 G:", true, kOnD + "\\PDF\\sub", ExitCode::OperationFailed,
       "移動を中断しました。"},
      {"in a kind folder the move would move into", "/move Biology 2007 G:", true, kOnG + "\\PDF\\sub",
       ExitCode::DestinationUnusable, "移動先フォルダにアクセスできません。"},
      {"in a kind folder to delete", "/delete Biology 2007", true, kOnD + "\\PDF\\sub", ExitCode::OperationFailed,
       "削除を中断しました。"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    UnattendedWorld w;
    ArrangeUnattended(w, c.registered);
    if (c.sizesInIni) w.profile.sections["Tav2007B"] = {{"Word", "1000"}, {"PDF", "3000"}};
    w.files.AddFile(c.link + "\\elsewhere.txt", 42);
    w.files.reparsePoints.insert(UpcaseAsWindows(c.link));
    const auto recordBefore = w.Record("Biology", "2007");
    EXPECT_EQ(RunUnattended(Request(c.commandLine), w.ctx), c.code);
    ASSERT_FALSE(w.log.lines.empty());
    EXPECT_EQ(w.log.lines.back(), c.lastLine);
    EXPECT_TRUE(w.files.shellCalls.empty());
    EXPECT_EQ(w.files.FileSize(c.link + "\\elsewhere.txt"), 42u);
    EXPECT_EQ(w.Record("Biology", "2007"), recordBefore);
  }
}

TEST(LevelChecks, OnlyDriveRootedDataFoldersPass) {
  FakeFileSystem files;
  files.AddFolder(kOnD);
  EXPECT_TRUE(DataFolderLevelsTrusted(files, kOnD));
  EXPECT_TRUE(DataFolderLevelsTrusted(files, "D:\\KR_LAB\\Tav2008\\TestDoc_B")) << "levels to be created pass";
  for (const char* path : {"D:\\", "D:", "", "KR_LAB\\Tav2007\\TestDoc_B", "\\\\srv\\share\\TestDoc_B"})
    EXPECT_FALSE(DataFolderLevelsTrusted(files, path)) << path;
}

// The descriptor every level the tool creates gets: protected, SYSTEM and
// Administrators full control, Users read and execute, inherited below.
constexpr const char* kProtectedSddl = "D:PAI(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;0x1200a9;;;BU)";

TEST(OwnFolders, EveryLevelTheToolCreatesGetsTheProtectedDescriptor) {
  EXPECT_STREQ(kOwnFolderSddl, kProtectedSddl);
  const struct {
    const char* name;
    std::string commandLine;
    bool registered;
    std::vector<std::string> existingBefore;
    std::vector<std::string> created;  // the levels given the descriptor, the staging folder beside the data folder too
  } cases[] = {
      {"/copy onto an empty drive", "/copy E: D:", false, {},
       {"D:\\KR_LAB", "D:\\KR_LAB\\Tav2007", kOnD, kOnD + ".tavstage"}},
      {"/copy where KR_LAB exists", "/copy E: D:", false, {"D:\\KR_LAB"},
       {"D:\\KR_LAB\\Tav2007", kOnD, kOnD + ".tavstage"}},
      {"/move onto an empty drive", "/move Biology 2007 G:", true, {},
       {"G:\\KR_LAB", "G:\\KR_LAB\\Tav2007", kOnG, kOnG + ".tavstage"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    UnattendedWorld w;
    ArrangeUnattended(w, c.registered);
    for (const auto& folder : c.existingBefore) w.files.AddFolder(folder);
    const auto inheritedBefore = w.files.folderSddl;
    EXPECT_EQ(RunUnattended(Request(c.commandLine), w.ctx), ExitCode::Done);
    std::vector<std::string> given;
    for (const auto& [folded, sddl] : w.files.folderSddl) {
      EXPECT_EQ(sddl, kProtectedSddl) << folded;
      if (!inheritedBefore.count(folded)) given.push_back(folded);
    }
    std::vector<std::string> expected;
    for (const auto& folder : c.created) expected.push_back(UpcaseAsWindows(folder));
    EXPECT_EQ(given, expected) << "the kind folders the shell made inherit; levels that existed keep theirs";
  }
}

}  // namespace

namespace {

// A record acts only on the tool's own layout: its last level
// "TestDoc_<the subject's code>" in any letter case. Any other folder, a
// user's Documents among them, keeps its kind folders and the record stays,
// for the dialogs' commands and the unattended ones alike.
TEST(RecordLayout, OnlyATestDocFolderOfTheSubjectIsActedOn) {
  const struct {
    const char* name;
    std::string record;
    bool actedOn;
  } cases[] = {
      {"the tool's own folder", kOnD, true},
      {"its letter case changed", "d:\\kr_lab\\tav2007\\TESTDOC_b", true},
      {"another parent, the data folder's own name", "D:\\Data\\TestDoc_B", true},
      {"a user's Documents", "C:\\Users\\teacher\\Documents", false},
      {"another subject's data folder", "D:\\KR_LAB\\Tav2007\\TestDoc_C", false},
      {"a folder below the data folder", kOnD + "\\Documents", false},
      {"a longer name", "D:\\KR_LAB\\Tav2007\\TestDoc_BB", false},
      {"the name without the code", "D:\\KR_LAB\\Tav2007\\TestDoc_", false},
      {"a full-width letter, another name to Windows", "D:\\KR_LAB\\Tav2007\\ＴestDoc_B", false},
      {"the KR_LAB level itself", "D:\\KR_LAB", false},
  };
  for (const auto& c : cases) {
    for (const char* verb : {"/delete Biology 2007", "/move Biology 2007 G:"}) {
      SCOPED_TRACE(std::string(c.name) + ", " + verb);
      UnattendedWorld w;
      ArrangeUnattended(w, false);
      w.disks.drives['C'] = {DriveType::Fixed, std::nullopt, std::uint64_t{1} << 40};
      w.RegisterDataSet("Biology", "2007", c.record);
      const ExitCode code = RunUnattended(Request(verb), w.ctx);
      EXPECT_EQ(code, c.actedOn ? ExitCode::Done : ExitCode::OperationFailed);
      EXPECT_EQ(w.files.FileSize(c.record + "\\Word\\q01.doc").has_value(), !c.actedOn);
      EXPECT_EQ(w.files.FileSize(c.record + "\\PDF\\q01.pdf").has_value(), !c.actedOn);
      if (!c.actedOn) {
        EXPECT_EQ(w.Record("Biology", "2007"), c.record);
        EXPECT_TRUE(w.files.shellCalls.empty());
        EXPECT_TRUE(w.files.createdFolders.empty()) << "not even the move's destination";
      }
    }
    SCOPED_TRACE(std::string(c.name) + ", the delete command");
    CommandWorld w;
    w.RegisterDataSet(c.record);
    w.DataList(CommandDialog::DeleteList, kOk);
    w.Answer({kYes, kNo});
    RunDeleteCommand(w.ctx);
    EXPECT_EQ(w.Boxes()[1], c.actedOn ? Information("削除を完了しました。") : Warning("削除を中断しました。"));
    EXPECT_EQ(w.Record("Biology", "DataDir07").has_value(), !c.actedOn);
    EXPECT_EQ(w.files.IsFolder(c.record + "\\Word"), !c.actedOn);
  }
}

TEST(RecordLayout, TheDataFolderNameIsTestDocAndTheCode) {
  const struct {
    std::string folder;
    std::string code;
    bool own;
  } cases[] = {
      {kOnD, "B", true},     {"D:\\x\\testdoc_b", "B", true}, {"D:\\x\\TestDoc_B", "b", true},
      {kOnD, "C", false},    {kOnD, "", false},               {"D:\\x\\TestDoc_B ", "B", false},
      {"TestDoc_B", "B", true},
  };
  for (const auto& c : cases) EXPECT_EQ(IsOwnDataFolderName(c.folder, c.code), c.own) << c.folder << " " << c.code;
}

}  // namespace
