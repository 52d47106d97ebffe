#include "delete/delete_command.h"

#include <gtest/gtest.h>

#include "tests/native/command_fixture.h"

namespace {

const char* const kStart = "削除を開始しますか？";
const char* const kInterrupted = "削除を中断しました。";
const char* const kNotRemoved = "レジストリを削除できませんでした。";
const char* const kCompleted = "削除を完了しました。";
const char* const kAnother = "別のデータを削除しますか？";

const std::string kData = CommandWorld::kDataDir;
const std::string kAside = kData + ".tavdelete";

class DeleteCommand : public CommandTest {};

TEST_F(DeleteCommand, DoesNothingWhileBusy) {
  busy = true;
  RunDeleteCommand(ctx);
  EXPECT_TRUE(dialogs.ran.empty());
  EXPECT_TRUE(prompts.shown.empty());
  busy = false;
}

TEST_F(DeleteCommand, NoToTheStartQuestionShowsTheListAgain) {
  RegisterDataSet();
  DataList(CommandDialog::DeleteList, kOk);
  Answer({kNo});
  DataList(CommandDialog::DeleteList, kCancel);
  RunDeleteCommand(ctx);
  EXPECT_EQ(Boxes(), std::vector<Box>{Question(kStart)});
  EXPECT_TRUE(files.shellCalls.empty());
  EXPECT_TRUE(Record("Biology", "DataDir07").has_value());
}

TEST_F(DeleteCommand, CancelInTheListEndsSilently) {
  RegisterDataSet();
  DataList(CommandDialog::DeleteList, kCancel);
  RunDeleteCommand(ctx);
  EXPECT_TRUE(prompts.shown.empty());
}

// Everything that can follow "はい" to the start question for the Biology
// data set on D: (Word, PDF and VOICE).
TEST(DeleteOutcome, AfterTheConfirmation) {
  const struct {
    const char* name;
    std::function<void(CommandWorld&)> arrange;
    std::vector<Box> boxes;  // after the start question; "いいえ" to the last one
    std::vector<std::string> deleted;  // the shell's list; empty: not called
    bool recordRemoved;
    bool dataFolderStays;
  } cases[] = {
      {"the kind folders are set aside, the record goes, they go in one call, then the emptied data folder",
       [](CommandWorld&) {},
       {Information(kCompleted), Question(kAnother)},
       {kAside + "\\Word", kAside + "\\PDF", kAside + "\\VOICE"},
       true,
       false},
      {"a foreign file and a file named TXT stay, and with them the data folder",
       [](CommandWorld& w) {
         w.files.AddFile(kData + "\\memo.txt", 10);
         w.files.AddFile(kData + "\\TXT", 10);
       },
       {Information(kCompleted), Question(kAnother)},
       {kAside + "\\Word", kAside + "\\PDF", kAside + "\\VOICE"},
       true,
       true},
      {"a kind folder that cannot be set aside (a locked file): all put back, the record stays",
       [](CommandWorld& w) {
         w.files.renameHook = [](const std::string& from, const std::string&) {
           return from.find("\\PDF") == std::string::npos;
         };
       },
       {Warning(kInterrupted), Question(kAnother)},
       {},
       false,
       true},
      {"a file in use stops the shell once the record is gone: the rest goes, where the file lies is said",
       [](CommandWorld& w) {
         w.files.shellHook = [](auto, auto&, auto&) { return ShellOutcome{32, false}; };
         w.files.refuseRemove.insert(AsciiUpper(kAside + "\\PDF\\q01.pdf"));
       },
       {Warning(SetAsideLeftMessage(kAside)), Information(kCompleted), Question(kAnother)},
       {kAside + "\\Word", kAside + "\\PDF", kAside + "\\VOICE"},
       true,
       false},
      {"the user aborts after the first folder: the rest goes without the shell",
       [](CommandWorld& w) {
         w.files.shellHook = [&w](ShellOp op, auto& from, auto& to) {
           w.files.DefaultShellOperation(op, {from[0]}, to);
           return ShellOutcome{0, true};
         };
       },
       {Information(kCompleted), Question(kAnother)},
       {kAside + "\\Word", kAside + "\\PDF", kAside + "\\VOICE"},
       true,
       false},
      {"the shell reports an abort having deleted everything",
       [](CommandWorld& w) {
         w.files.shellHook = [&w](ShellOp op, auto& from, auto& to) {
           w.files.DefaultShellOperation(op, from, to);
           return ShellOutcome{0, true};
         };
       },
       {Information(kCompleted), Question(kAnother)},
       {kAside + "\\Word", kAside + "\\PDF", kAside + "\\VOICE"},
       true,
       false},
      {"the shell returns 0 with a kind folder still there: it goes without the shell",
       [](CommandWorld& w) {
         w.files.shellHook = [&w](ShellOp op, auto& from, auto& to) {
           w.files.DefaultShellOperation(op, {from[0], from[1]}, to);
           return ShellOutcome{};
         };
       },
       {Information(kCompleted), Question(kAnother)},
       {kAside + "\\Word", kAside + "\\PDF", kAside + "\\VOICE"},
       true,
       false},
      {"no kind folder present: nothing deleted, the record goes, the folder stays",
       [](CommandWorld& w) {
         for (const char* kind : {"\\Word", "\\PDF", "\\VOICE"}) w.files.Remove(kData + kind);
       },
       {Information(kCompleted), Question(kAnother)},
       {},
       true,
       true},
      {"the subject key cannot be opened for removing: the kind folders go back, no completion",
       [](CommandWorld& w) {
         w.afterChoice = [&w] { w.registry.Deny(RegRoot::LocalMachine, RecordKey("Biology")); };
       },
       {Warning(kNotRemoved), Question(kAnother)},
       {},
       false,
       true},
      {"the record's drive is not there (an unplugged disk): refused, not taken for empty",
       [](CommandWorld& w) {
         w.SetRecord("Biology", "DataDir07", "K:\\KR_LAB\\Tav2007\\TestDoc_B");
       },
       {Warning(kInterrupted), Question(kAnother)},
       {},
       false,
       true},
      {"a data folder that cannot be read: refused, not taken for empty",
       [](CommandWorld& w) { w.files.refuseList.insert(AsciiUpper(kData)); },
       {Warning(kInterrupted), Question(kAnother)},
       {},
       false,
       true},
      {"a registered folder without its drive never reaches the shell",
       [](CommandWorld& w) {
         w.SetRecord("Biology", "DataDir07", "KR_LAB\\Tav2007\\TestDoc_B");
         w.files.AddFolder("KR_LAB\\Tav2007\\TestDoc_B\\Word");
       },
       {Warning(kInterrupted), Question(kAnother)},
       {},
       false,
       true},
      {"a registered bare drive root is no data folder",
       [](CommandWorld& w) {
         w.SetRecord("Biology", "DataDir07", "D:\\");
         w.files.AddFolder("D:\\Word");
       },
       {Warning(kInterrupted), Question(kAnother)},
       {},
       false,
       true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CommandWorld w;
    w.RegisterDataSet();
    w.DataList(CommandDialog::DeleteList, kOk);
    w.Answer({kYes, kNo});
    c.arrange(w);
    RunDeleteCommand(w.ctx);
    std::vector<Box> expected{Question(kStart)};
    expected.insert(expected.end(), c.boxes.begin(), c.boxes.end());
    EXPECT_EQ(w.Boxes(), expected);
    if (c.deleted.empty()) {
      EXPECT_TRUE(w.files.shellCalls.empty());
    } else {
      ASSERT_EQ(w.files.shellCalls.size(), 1u);
      EXPECT_EQ(w.files.shellCalls[0].op, ShellOp::Delete);
      EXPECT_EQ(w.files.shellCalls[0].from, c.deleted);
    }
    EXPECT_EQ(w.Record("Biology", "DataDir07").has_value(), !c.recordRemoved);
    EXPECT_EQ(w.files.IsFolder(kData), c.dataFolderStays);
    if (!c.recordRemoved)
      for (const char* kind : {"\\Word", "\\PDF", "\\VOICE"})
        EXPECT_TRUE(w.files.IsFolder(kData + kind) || !w.files.Exists(kData)) << kind << " put back";
    EXPECT_TRUE(w.files.IsFolder("D:\\KR_LAB\\Tav2007")) << "the year folder is never removed";
  }
}

TEST(DeleteOutcome, EarthRecordAndItsGeneralTwin) {
  const std::string earth = "D:\\KR_LAB\\Tav2007\\TestDoc_T";
  const struct {
    const char* name;
    bool twinDenied;
    std::vector<Box> boxes;
    bool generalStays;
  } cases[] = {
      {"both removed", false, {Information(kCompleted), Question(kAnother)}, false},
      {"the twin cannot be opened: the message, then the completion",
       true,
       {Warning(kNotRemoved), Information(kCompleted), Question(kAnother)},
       true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CommandWorld w;
    w.RegisterDataSet(earth, "Earth");
    w.SetRecord("General", "DataDir07", earth);
    w.listLine = "Tav2007  地学・総合";
    if (c.twinDenied) w.afterChoice = [&w] { w.registry.Deny(RegRoot::LocalMachine, RecordKey("General")); };
    w.DataList(CommandDialog::DeleteList, kOk);
    w.Answer({kYes, kNo});
    RunDeleteCommand(w.ctx);
    std::vector<Box> expected{Question(kStart)};
    expected.insert(expected.end(), c.boxes.begin(), c.boxes.end());
    EXPECT_EQ(w.Boxes(), expected);
    EXPECT_FALSE(w.Record("Earth", "DataDir07").has_value());
    EXPECT_EQ(w.Record("General", "DataDir07").has_value(), c.generalStays);
    EXPECT_FALSE(w.files.Exists(earth));
  }
}

// A registered folder whose kind folder paths (where they are set aside)
// reach 260 UTF-16 units cannot be probed or handed to the shell: refused,
// nothing deleted, record kept.
TEST(DeletePaths, KindFolderPathsOf260CharactersChangeNothing) {
  const struct {
    std::size_t folderUnits;  // ".tavdelete\Ichitaro" beside it adds 19
    bool deleted;
  } cases[] = {{240, true}, {241, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.folderUnits);
    CommandWorld w;
    const std::string folder = JapaneseDataFolder('D', c.folderUnits);
    w.RegisterDataSet(folder);
    w.DataList(CommandDialog::DeleteList, kOk);
    w.Answer({kYes, kNo});
    RunDeleteCommand(w.ctx);
    EXPECT_EQ(w.files.shellCalls.size(), c.deleted ? 1u : 0u);
    EXPECT_EQ(w.Boxes()[1], c.deleted ? Information(kCompleted) : Warning(kInterrupted));
    EXPECT_EQ(w.Record("Biology", "DataDir07").has_value(), !c.deleted);
    EXPECT_EQ(w.files.IsFolder(folder + "\\Word"), !c.deleted);
  }
}

// A record spelled otherwise than plainly changes nothing: no shell call, the
// failure message, the record kept, and the kind folders it could reach (the
// drive's own top-level ones among them) and the data set itself intact.
TEST(DeletePaths, OnlyAPlainlySpelledRecordIsActedOn) {
  for (const RecordSpelling& c : RecordSpellings()) {
    SCOPED_TRACE(c.name);
    CommandWorld w;
    w.RegisterDataSetAs(c);
    w.DataList(CommandDialog::DeleteList, kOk);
    w.Answer({kYes, kNo});
    RunDeleteCommand(w.ctx);
    EXPECT_EQ(w.Boxes(), (std::vector<Box>{Question(kStart),
                                           c.actedOn ? Information(kCompleted) : Warning(kInterrupted),
                                           Question(kAnother)}));
    EXPECT_EQ(w.files.shellCalls.size(), c.actedOn ? 1u : 0u);
    EXPECT_EQ(w.Record("Biology", "DataDir07").has_value(), !c.actedOn);
    EXPECT_EQ(w.files.IsFolder(kData + "\\Word"), !c.actedOn);
    EXPECT_TRUE(w.BystandersIntact());
  }
}

TEST_F(DeleteCommand, AnotherDeleteShowsAFreshListWithoutTheDeletedSet) {
  RegisterDataSet();
  SetRecord("Biology", "DataDir05", "G:\\KR_LAB\\Tav2005\\TestDoc_B");
  DataList(CommandDialog::DeleteList, kOk);
  Answer({kYes, kYes});
  ExpectCancel(CommandDialog::DeleteList, [this] {
    std::array<bool, kSubjectCount> admin{};
    admin[kBiologyIndex] = true;
    EXPECT_EQ(ListLines(admin), std::vector<std::string>{"Tav2005  生物"});
  });
  RunDeleteCommand(ctx);
  EXPECT_EQ(Boxes(), (std::vector<Box>{Question(kStart), Information(kCompleted), Question(kAnother)}));
}

TEST_F(DeleteCommand, BusyOnlyDuringTheDeletion) {
  std::vector<std::string> seen;
  files.shellHook = [&](ShellOp op, auto& from, auto& to) {
    seen.push_back("shell: " + BusyState());
    return files.DefaultShellOperation(op, from, to);
  };
  prompts.onShow = [&](const std::string&) {
    if (BusyState() != "idle") seen.push_back("box: " + BusyState());
  };
  RegisterDataSet();
  DataList(CommandDialog::DeleteList, kOk);
  Answer({kYes, kNo});
  NoteBusyDialogs(seen);
  RunDeleteCommand(ctx);
  EXPECT_EQ(seen, std::vector<std::string>{"shell: busy"});
}

}  // namespace
