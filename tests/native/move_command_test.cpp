#include "move/move_command.h"

#include <gtest/gtest.h>

#include "tests/native/command_fixture.h"

namespace {

const char* const kStart = "移動を開始しますか？";
const char* const kNoAccess = "移動先フォルダにアクセスできません。";
const char* const kNoRoom = "移動先フォルダの空き容量が足りません。";
const char* const kInterrupted = "移動を中断しました。";
const char* const kNotRegistered = "レジストリに登録できませんでした。";
const char* const kCompleted = "移動を完了しました。";
const char* const kAnother = "別のデータを移動しますか？";

const std::string kOld = CommandWorld::kDataDir;
const std::string kNew = "G:\\KR_LAB\\Tav2007\\TestDoc_B";

class MoveCommand : public CommandTest {};

TEST_F(MoveCommand, DoesNothingWhileBusy) {
  busy = true;
  RunMoveCommand(ctx);
  EXPECT_TRUE(dialogs.ran.empty());
  EXPECT_TRUE(prompts.shown.empty());
  busy = false;
}

// The list, the destination, the free-space test and the confirmation, up to
// the point where the move would start. The required amount is what the kind
// folders of the data set hold (6,500 bytes), never the copy's m_nRequiredSize.
TEST(MoveSteps, StepsBackAndTheFreeSpaceTest) {
  const struct {
    const char* name;
    std::function<void(CommandWorld&)> arrange;
    std::vector<Box> boxes;
    int freeSpaceQueries;
  } cases[] = {
      {"cancel in the list ends silently", [](CommandWorld& w) { w.DataList(CommandDialog::MoveList, kCancel); }, {}, 0},
      {"back from the destination returns to the list",
       [](CommandWorld& w) {
         w.DataList(CommandDialog::MoveList, kOk);
         w.MoveDest(kCancel);
         w.DataList(CommandDialog::MoveList, kCancel);
       },
       {},
       0},
      {"no to the start question returns to the destination, not the list",
       [](CommandWorld& w) {
         w.DataList(CommandDialog::MoveList, kOk);
         w.MoveDest(kOk);
         w.Answer({kNo});
         w.MoveDest(kCancel);
         w.DataList(CommandDialog::MoveList, kCancel);
       },
       {Question(kStart)},
       1},
      {"one byte less than the kind folders hold (a stale copy size of 0 notwithstanding)",
       [](CommandWorld& w) {
         w.app.m_nRequiredSize = 0;
         w.disks.drives['G'].clusterBytes = 1;  // the byte count is what the files take
         w.disks.drives['G'].freeBytes = CommandWorld::kDataBytes - 1;
         w.DataList(CommandDialog::MoveList, kOk);
         w.MoveDest(kOk);
         w.MoveDest(kCancel);
         w.DataList(CommandDialog::MoveList, kCancel);
       },
       {Warning(kNoRoom)},
       1},
      {"exactly what the kind folders hold (a stale copy size of 1 TiB notwithstanding)",
       [](CommandWorld& w) {
         w.app.m_nRequiredSize = std::uint64_t{1} << 40;
         w.disks.drives['G'].clusterBytes = 1;
         w.disks.drives['G'].freeBytes = CommandWorld::kDataBytes;
         w.DataList(CommandDialog::MoveList, kOk);
         w.MoveDest(kOk);
         w.Answer({kNo});
         w.MoveDest(kCancel);
         w.DataList(CommandDialog::MoveList, kCancel);
       },
       {Question(kStart)},
       1},
      {"with 4 KiB clusters each of the four files fills one: one byte less is too little",
       [](CommandWorld& w) {
         w.disks.drives['G'].clusterBytes = 4096;
         w.disks.drives['G'].freeBytes = 4 * 4096 - 1;
         w.DataList(CommandDialog::MoveList, kOk);
         w.MoveDest(kOk);
         w.MoveDest(kCancel);
         w.DataList(CommandDialog::MoveList, kCancel);
       },
       {Warning(kNoRoom)},
       1},
      {"with 4 KiB clusters exactly the clusters the files fill are enough",
       [](CommandWorld& w) {
         w.disks.drives['G'].clusterBytes = 4096;
         w.disks.drives['G'].freeBytes = 4 * 4096;
         w.DataList(CommandDialog::MoveList, kOk);
         w.MoveDest(kOk);
         w.Answer({kNo});
         w.MoveDest(kCancel);
         w.DataList(CommandDialog::MoveList, kCancel);
       },
       {Question(kStart)},
       1},
      {"files beside the kind folders and a file named like a kind do not count",
       [](CommandWorld& w) {
         w.files.AddFile(kOld + "\\memo.txt", 100000);
         w.files.AddFile(kOld + "\\TIF", 50000);
         w.disks.drives['G'].clusterBytes = 1;
         w.disks.drives['G'].freeBytes = CommandWorld::kDataBytes;
         w.DataList(CommandDialog::MoveList, kOk);
         w.MoveDest(kOk);
         w.Answer({kNo});
         w.MoveDest(kCancel);
         w.DataList(CommandDialog::MoveList, kCancel);
       },
       {Question(kStart)},
       1},
      {"unreadable free space returns to the destination",
       [](CommandWorld& w) {
         w.disks.drives['G'].freeBytes = std::nullopt;
         w.DataList(CommandDialog::MoveList, kOk);
         w.MoveDest(kOk);
         w.MoveDest(kCancel);
         w.DataList(CommandDialog::MoveList, kCancel);
       },
       {Warning(kNoAccess)},
       1},
      {"the same drive letter in another case skips the test, however full the drive",
       [](CommandWorld& w) {
         w.SetRecord("Biology", "DataDir07", "d:\\KR_LAB\\Tav2007\\TestDoc_B");
         w.disks.drives['D'].freeBytes = 0;
         w.DataList(CommandDialog::MoveList, kOk);
         w.MoveDest(kOk, 'D', "D:\\Other\\TestDoc_B");
         w.Answer({kNo});
         w.MoveDest(kCancel);
         w.DataList(CommandDialog::MoveList, kCancel);
       },
       {Question(kStart)},
       0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CommandWorld w;
    w.RegisterDataSet();
    c.arrange(w);
    RunMoveCommand(w.ctx);
    EXPECT_EQ(w.Boxes(), c.boxes);
    EXPECT_EQ(w.disks.freeSpaceQueries, c.freeSpaceQueries);
    EXPECT_TRUE(w.files.shellCalls.empty());
    EXPECT_TRUE(w.files.IsFolder(kOld + "\\Word"));
  }
}

// Across drives: one shell copy into the staging folder beside the new data
// folder, then, once the record names the new folder, one shell delete of the
// old kind folders.
TEST_F(MoveCommand, WordPdfAndVoiceAreCopiedInOneCallTheRecordFollowsAndTheOldOnesGo) {
  RegisterDataSet();
  DataList(CommandDialog::MoveList, kOk);
  MoveDest(kOk);
  Answer({kYes, kNo});
  RunMoveCommand(ctx);

  EXPECT_EQ(Boxes(), (std::vector<Box>{Question(kStart), Information(kCompleted), Question(kAnother)}));
  const std::vector<std::string> kinds = {kOld + "\\Word", kOld + "\\PDF", kOld + "\\VOICE"};
  ASSERT_EQ(files.shellCalls.size(), 2u);
  EXPECT_EQ(files.shellCalls[0].op, ShellOp::Copy);
  EXPECT_EQ(files.shellCalls[0].from, kinds);
  EXPECT_EQ(files.shellCalls[0].to, kNew + ".tavstage");
  EXPECT_EQ(files.shellCalls[1].op, ShellOp::Delete);
  EXPECT_EQ(files.shellCalls[1].from, kinds);
  EXPECT_EQ(WorkingFoldersLeft(), std::vector<std::string>{});
  EXPECT_EQ(files.FileSize(kNew + "\\Word\\sub\\q02.doc"), 2000u);
  EXPECT_EQ(files.FileSize(kNew + "\\VOICE\\v.mp3"), 500u);
  EXPECT_FALSE(files.Exists(kOld)) << "the emptied data folder goes";
  EXPECT_TRUE(files.IsFolder("D:\\KR_LAB\\Tav2007")) << "the year folder above it stays";
  EXPECT_EQ(Record("Biology", "DataDir07"), kNew);
  EXPECT_EQ(registry.ValueNames(RegRoot::LocalMachine, RecordKey("Biology")), std::set<std::string>{"DataDir07"});
}

// Everything that can follow "はい" to the start question, for the Biology
// data set (or the Earth one) moving from D: to G:.
TEST(MoveOutcome, AfterTheConfirmation) {
  const struct {
    const char* name;
    std::function<void(CommandWorld&)> arrange;
    std::vector<Box> boxes;  // after the start question; "いいえ" to the last one
    std::size_t shellCalls;
    bool recordRewritten;
    bool oldFolderStays;
  } cases[] = {
      {"a file beside the kind folders keeps the old data folder",
       [](CommandWorld& w) { w.files.AddFile(kOld + "\\memo.txt", 10); },
       {Information(kCompleted), Question(kAnother)},
       2,
       true,
       true},
      {"the shell's copy reports a failure",
       [](CommandWorld& w) { w.files.shellHook = [](auto, auto&, auto&) { return ShellOutcome{5, false}; }; },
       {Warning(kInterrupted), Question(kAnother)},
       1,
       false,
       true},
      {"the shell copies everything but reports an abort",
       [](CommandWorld& w) {
         w.files.shellHook = [&w](ShellOp op, auto& from, auto& to) {
           w.files.DefaultShellOperation(op, from, to);
           return ShellOutcome{0, true};
         };
       },
       {Warning(kInterrupted), Question(kAnother)},
       1,
       false,
       true},
      {"the shell returns 0 having copied nothing, onto kind folders already there whole",
       [](CommandWorld& w) {
         w.RegisterDataSet(kNew);
         w.SetRecord("Biology", "DataDir07", kOld);
         w.files.shellHook = [](auto, auto&, auto&) { return ShellOutcome{}; };
       },
       {Warning(kInterrupted), Question(kAnother)},
       1,
       false,
       true},
      {"the shell returns 0 having copied only the first kind folder",
       [](CommandWorld& w) {
         w.files.shellHook = [&w](ShellOp op, auto& from, auto& to) {
           w.files.DefaultShellOperation(op, {from[0]}, to);
           return ShellOutcome{};
         };
       },
       {Warning(kInterrupted), Question(kAnother)},
       1,
       false,
       true},
      {"the shell returns 0 having copied a file short across the drives",
       [](CommandWorld& w) {
         w.files.shellHook = [&w](ShellOp op, auto& from, auto& to) {
           w.files.DefaultShellOperation(op, from, to);
           w.files.AddFile(to + "\\Word\\sub\\q02.doc", 512);
           return ShellOutcome{};
         };
       },
       {Warning(kInterrupted), Question(kAnother)},
       1,
       false,
       true},
      {"the subject key cannot be written: the commit is undone, no completion",
       [](CommandWorld& w) {
         w.afterChoice = [&w] { w.registry.Deny(RegRoot::LocalMachine, RecordKey("Biology")); };
       },
       {Warning(kNotRegistered), Question(kAnother)},
       1,
       false,
       true},
      {"a file in use keeps part of the old kind folders once the record moved: the old folder is named",
       [](CommandWorld& w) {
         w.files.shellHook = [&w](ShellOp op, auto& from, auto& to) {
           if (op == ShellOp::Delete) return ShellOutcome{32, false};
           return w.files.DefaultShellOperation(op, from, to);
         };
         w.files.refuseRemove.insert(AsciiUpper(kOld + "\\Word\\q01.doc"));
       },
       {Warning(OldFolderLeftMessage(kOld)), Information(kCompleted), Question(kAnother)},
       2,
       true,
       true},
      {"no kind folder present: nothing moved, the record follows, the old folder stays",
       [](CommandWorld& w) {
         for (const char* kind : {"\\Word", "\\PDF", "\\VOICE"}) w.files.Remove(kOld + kind);
         w.files.AddFile(kOld + "\\TXT", 10);  // a file, not a kind folder
       },
       {Information(kCompleted), Question(kAnother)},
       0,
       true,
       true},
      {"the record's drive is not there (an unplugged disk): refused, not taken for empty",
       [](CommandWorld& w) { w.SetRecord("Biology", "DataDir07", "K:\\KR_LAB\\Tav2007\\TestDoc_B"); },
       {Warning(kInterrupted), Question(kAnother)},
       0,
       false,
       true},
      {"a data folder that cannot be read: refused, not taken for empty",
       [](CommandWorld& w) { w.files.refuseList.insert(AsciiUpper(kOld)); },
       {Warning(kInterrupted), Question(kAnother)},
       0,
       false,
       true},
      {"a registered folder without its drive never reaches the shell",
       [](CommandWorld& w) {
         w.SetRecord("Biology", "DataDir07", "KR_LAB\\Tav2007\\TestDoc_B");
         w.files.AddFolder("KR_LAB\\Tav2007\\TestDoc_B\\Word");
       },
       {Warning(kInterrupted), Question(kAnother)},
       0,
       false,
       true},
      {"a registered bare drive root is no data folder",
       [](CommandWorld& w) { w.SetRecord("Biology", "DataDir07", "D:\\"); },
       {Warning(kInterrupted), Question(kAnother)},
       0,
       false,
       true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CommandWorld w;
    w.RegisterDataSet();
    w.DataList(CommandDialog::MoveList, kOk);
    w.MoveDest(kOk);
    w.Answer({kYes, kNo});
    c.arrange(w);
    const std::string registered = *w.Record("Biology", "DataDir07");
    RunMoveCommand(w.ctx);
    std::vector<Box> expected{Question(kStart)};
    expected.insert(expected.end(), c.boxes.begin(), c.boxes.end());
    EXPECT_EQ(w.Boxes(), expected);
    EXPECT_EQ(w.files.shellCalls.size(), c.shellCalls);
    EXPECT_EQ(w.Record("Biology", "DataDir07"), c.recordRewritten ? kNew : registered);
    EXPECT_EQ(w.files.IsFolder(kOld), c.oldFolderStays);
    if (!c.recordRewritten && w.Record("Biology", "DataDir07") == kOld)
      EXPECT_EQ(w.files.FileSize(kOld + "\\Word\\sub\\q02.doc"), 2000u) << "the data set stays whole";
    EXPECT_EQ(w.WorkingFoldersLeft(), std::vector<std::string>{});
  }
}

TEST(MoveOutcome, EarthRecordAndItsGeneralTwin) {
  const std::string oldEarth = "D:\\KR_LAB\\Tav2007\\TestDoc_T";
  const std::string newEarth = "G:\\KR_LAB\\Tav2007\\TestDoc_T";
  const struct {
    const char* name;
    bool twinDenied;
    std::vector<Box> boxes;
    std::string generalAfter;
  } cases[] = {
      {"both rewritten", false, {Information(kCompleted), Question(kAnother)}, newEarth},
      {"the twin cannot be written: the message, then the completion",
       true,
       {Warning(kNotRegistered), Information(kCompleted), Question(kAnother)},
       oldEarth},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CommandWorld w;
    w.RegisterDataSet(oldEarth, "Earth");
    w.SetRecord("General", "DataDir07", oldEarth);
    w.listLine = "Tav2007  地学・総合";
    if (c.twinDenied) w.afterChoice = [&w] { w.registry.Deny(RegRoot::LocalMachine, RecordKey("General")); };
    w.DataList(CommandDialog::MoveList, kOk);
    w.MoveDest(kOk);
    w.Answer({kYes, kNo});
    RunMoveCommand(w.ctx);
    std::vector<Box> expected{Question(kStart)};
    expected.insert(expected.end(), c.boxes.begin(), c.boxes.end());
    EXPECT_EQ(w.Boxes(), expected);
    EXPECT_EQ(w.Record("Earth", "DataDir07"), newEarth);
    EXPECT_EQ(w.Record("General", "DataDir07"), c.generalAfter);
    EXPECT_TRUE(w.files.IsFolder(newEarth + "\\PDF"));
  }
}

// A probe or list entry of 260 UTF-16 units or more is refused before the
// shell, on either side; nothing moves and the record stays.
TEST(MovePaths, KindFolderPathsOf260CharactersChangeNothing) {
  const struct {
    const char* name;
    std::string oldFolder;
    std::string newFolder;
    bool moved;
  } cases[] = {
      // "\Ichitaro" is the longest suffix: 9 characters.
      {"old folder at the limit", JapaneseDataFolder('D', 250), kNew, true},        // 250 + 9 = 259
      {"old folder past the limit", JapaneseDataFolder('D', 251), kNew, false},     // 260
      {"new folder past the limit", kOld, JapaneseDataFolder('G', 251), false},
      // The copy is staged beside the new folder: ".tavcommit" adds 10.
      {"new folder's working folder at the limit", kOld, JapaneseDataFolder('G', 240), true},     // 240 + 10 + 9 = 259
      {"new folder's working folder past the limit", kOld, JapaneseDataFolder('G', 241), false},  // 260
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CommandWorld w;
    w.RegisterDataSet(c.oldFolder);
    w.DataList(CommandDialog::MoveList, kOk);
    w.MoveDest(kOk, 'G', c.newFolder);
    w.Answer({kYes, kNo});
    RunMoveCommand(w.ctx);
    EXPECT_EQ(w.files.shellCalls.size(), c.moved ? 2u : 0u);
    EXPECT_EQ(w.Boxes()[1], c.moved ? Information(kCompleted) : Warning(kInterrupted));
    EXPECT_EQ(w.Record("Biology", "DataDir07"), c.moved ? c.newFolder : c.oldFolder);
    EXPECT_EQ(w.files.IsFolder(c.oldFolder + "\\Word"), !c.moved);
  }
}

// A record spelled otherwise than plainly changes nothing: no shell call, the
// failure message, the record kept, and the kind folders it could reach (the
// drive's own top-level ones among them) and the data set itself in place.
TEST(MovePaths, OnlyAPlainlySpelledRecordIsActedOn) {
  for (const RecordSpelling& c : RecordSpellings()) {
    SCOPED_TRACE(c.name);
    CommandWorld w;
    w.RegisterDataSetAs(c);
    w.DataList(CommandDialog::MoveList, kOk);
    w.MoveDest(kOk);
    w.Answer({kYes, kNo});
    RunMoveCommand(w.ctx);
    EXPECT_EQ(w.Boxes(), (std::vector<Box>{Question(kStart),
                                           c.actedOn ? Information(kCompleted) : Warning(kInterrupted),
                                           Question(kAnother)}));
    EXPECT_EQ(w.files.shellCalls.size(), c.actedOn ? 2u : 0u);
    EXPECT_EQ(w.Record("Biology", "DataDir07"), c.actedOn ? kNew : c.record);
    EXPECT_EQ(w.files.IsFolder(kOld + "\\Word"), !c.actedOn);
    EXPECT_EQ(w.files.IsFolder(kNew + "\\Word"), c.actedOn);
    EXPECT_TRUE(w.BystandersIntact());
  }
}

TEST_F(MoveCommand, AnotherMoveShowsAFreshListWithTheMovedSetOnce) {
  RegisterDataSet();
  DataList(CommandDialog::MoveList, kOk);
  MoveDest(kOk);
  Answer({kYes, kYes});
  ExpectCancel(CommandDialog::MoveList, [this] {
    std::array<bool, kSubjectCount> admin{};
    admin[kBiologyIndex] = true;
    EXPECT_EQ(ListLines(admin), std::vector<std::string>{"Tav2007  生物"});
  });
  RunMoveCommand(ctx);
  EXPECT_EQ(Boxes(), (std::vector<Box>{Question(kStart), Information(kCompleted), Question(kAnother)}));
}

TEST_F(MoveCommand, BusyOnlyDuringTheMeasurementTheShellCallsAndTheirChecks) {
  std::vector<std::string> seen;
  disks.onFreeBytes = [&] { seen.push_back("free space: " + BusyState()); };
  files.shellHook = [&](ShellOp op, auto& from, auto& to) {
    seen.push_back("shell: " + BusyState());
    return files.DefaultShellOperation(op, from, to);
  };
  files.onListTree = [&](const std::string&) { seen.push_back("walk: " + BusyState()); };
  prompts.onShow = [&](const std::string&) {
    if (BusyState() != "idle") seen.push_back("box: " + BusyState());
  };
  RegisterDataSet();
  DataList(CommandDialog::MoveList, kOk);
  MoveDest(kOk);
  Answer({kYes, kNo});
  NoteBusyDialogs(seen);
  RunMoveCommand(ctx);
  // The three kind folders are walked to measure them and to prove no link
  // lies inside; the old folder is read whole before the shell's copy, the
  // three staged copies are walked to prove it and go into the new folder by
  // one rename each; then the old kind folders are deleted.
  const std::string walk = "walk: busy";
  EXPECT_EQ(seen, (std::vector<std::string>{walk, walk, walk, "free space: busy", walk, walk, walk, walk,
                                            "shell: busy", walk, walk, walk, "shell: busy"}));
}

}  // namespace
