// Every command stopped at every step, through both front ends: afterwards
// the data set and its record are exactly as they were, or completely in
// their new state with the record naming it. Only a move's old folder or a
// delete's set-aside folder may remain once the record has changed, and
// then the user is told where.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "copy/copy_command.h"
#include "delete/delete_command.h"
#include "move/move_command.h"
#include "platform/text.h"
#include "tests/native/command_fixture.h"
#include "tests/native/unattended_fixture.h"

namespace {

const std::string kData = CommandWorld::kDataDir;  // D:\KR_LAB\Tav2007\TestDoc_B
const std::string kOtherPlaceOnD = "D:\\Old\\TestDoc_B";

// Every file and folder of the fixed drives with its size, and the record.
struct Snapshot {
  std::map<std::string, std::uint64_t> entries;  // folded path; folders count as size 0 with a '\' at the end
  std::optional<std::string> record;
  bool operator==(const Snapshot&) const = default;
};

Snapshot Take(FakeFileSystem& files, FakeRegistry& registry) {
  Snapshot snapshot;
  for (const std::string root : {"D:\\", "G:\\"})
    for (const auto& entry : files.ListTree(root).value_or(std::vector<FileEntry>{}))
      snapshot.entries[AsciiUpper(root + entry.relativePath) + (entry.isFolder ? "\\" : "")] = entry.size;
  snapshot.record = registry.Get(RegRoot::LocalMachine, DataDirKeyPath("Biology"), "DataDir07");
  return snapshot;
}

std::string Describe(const Snapshot& s) {
  std::string text = "record " + s.record.value_or("(none)") + "\n";
  for (const auto& [path, size] : s.entries) text += "  " + path + " " + std::to_string(size) + "\n";
  return text;
}

// The registered Biology 2007 data set: Word with an older q01.doc than the
// disc's and a file the disc does not have, PDF, VOICE.
void RegisterBiology(FakeFileSystem& files, FakeRegistry& registry, const std::string& folder) {
  registry.Set(RegRoot::LocalMachine, DataDirKeyPath("Biology"), "DataDir07", folder);
  files.AddFile(folder + "\\Word\\q01.doc", 999);
  files.AddFile(folder + "\\Word\\old.doc", 7);
  files.AddFile(folder + "\\PDF\\q01.pdf", 3000);
  files.AddFile(folder + "\\VOICE\\v.mp3", 500);
}

struct Scenario {
  const char* name;
  std::string registeredAt;  // empty: nothing registered before
  std::function<void(CommandWorld&)> interactive;
  const char* unattended;
  std::string leftoverFolder;  // what may stay once the record changed
  std::string completed;
};

const std::vector<Scenario>& Scenarios() {
  static const std::vector<Scenario> scenarios = {
      {"a copy into a new data folder", "",
       [](CommandWorld& w) {
         w.ScriptCopyUpToStart();
         RunCopyCommand(w.ctx);
       },
       "/copy E: D: /kinds Word,PDF", "", kCopyCompletedMessage},
      {"a copy over the registered data set", kData,
       [](CommandWorld& w) {
         w.ScriptCopyUpToStart();
         RunCopyCommand(w.ctx);
       },
       "/copy E: D: /kinds Word,PDF", "", kCopyCompletedMessage},
      {"a move across drives", kData,
       [](CommandWorld& w) {
         w.DataList(CommandDialog::MoveList, kOk);
         w.MoveDest(kOk, 'G');
         w.Answer({kYes});
         RunMoveCommand(w.ctx);
       },
       "/move Biology 2007 G:", kData, kMoveCompletedMessage},
      {"a move on one drive", kOtherPlaceOnD,
       [](CommandWorld& w) {
         w.DataList(CommandDialog::MoveList, kOk);
         w.MoveDest(kOk, 'D');
         w.Answer({kYes});
         RunMoveCommand(w.ctx);
       },
       "/move Biology 2007 D:", "", kMoveCompletedMessage},
      {"a delete", kData,
       [](CommandWorld& w) {
         w.DataList(CommandDialog::DeleteList, kOk);
         w.Answer({kYes});
         RunDeleteCommand(w.ctx);
       },
       "/delete Biology 2007", kData + ".tavdelete", kDeleteCompletedMessage},
  };
  return scenarios;
}

enum class Fault { None, ShellStopsAfter, RenameFailsAfter, RecordDenied };

// Arms a fault in a world's ports; counts what the clean run did.
struct FaultPlan {
  Fault fault = Fault::None;
  int k = 0;
  int renames = 0;
  bool failed = false;

  void Arm(FakeFileSystem& files, FakeRegistry& registry) {
    files.shellFileBudget = fault == Fault::ShellStopsAfter ? k : 1 << 30;
    // The key refuses to open once the command starts to change the disk,
    // after the list and the destination have read the record.
    files.renameHook = [this, &registry](const std::string&, const std::string&) {
      if (fault == Fault::RecordDenied) registry.Deny(RegRoot::LocalMachine, DataDirKeyPath("Biology"));
      // One rename fails (a file in use), as a real fault would; the ones
      // that take the steps back go through.
      if (fault == Fault::RenameFailsAfter && renames == k && !failed) {
        failed = true;
        return false;
      }
      ++renames;
      return true;
    };
    if (fault == Fault::RecordDenied)
      files.onListTree = [&registry](const std::string& folder) {
        if (folder.find(".tav") != std::string::npos) registry.Deny(RegRoot::LocalMachine, DataDirKeyPath("Biology"));
      };
  }
};

struct Result {
  Snapshot before, after;
  bool reportedDone = false;  // the completion message, or exit code 0
  bool namedLeftover = false;
};

Result RunInteractive(const Scenario& s, FaultPlan& plan, int* shellFiles = nullptr) {
  Result r;
  CommandWorld w;
  if (!s.registeredAt.empty()) RegisterBiology(w.files, w.registry, s.registeredAt);
  r.before = Take(w.files, w.registry);
  plan.Arm(w.files, w.registry);
  s.interactive(w);
  if (shellFiles) *shellFiles = w.files.shellFilesHandled;
  w.files.renameHook = nullptr;
  w.files.onListTree = nullptr;
  r.after = Take(w.files, w.registry);
  for (const auto& box : w.Boxes()) {
    // A copy's completion opens the Ver2.0 offer.
    if (box.text.rfind(s.completed, 0) == 0) r.reportedDone = true;
    if (!s.leftoverFolder.empty() && box.text.find(s.leftoverFolder + " ") != std::string::npos) r.namedLeftover = true;
  }
  return r;
}

Result RunUnattendedOnce(const Scenario& s, FaultPlan& plan) {
  Result r;
  UnattendedWorld w;
  w.disks.drives['D'] = {DriveType::Fixed, std::nullopt, std::uint64_t{1} << 40};
  w.disks.drives['G'] = {DriveType::Fixed, std::nullopt, std::uint64_t{1} << 40};
  w.disks.drives['E'] = {DriveType::CdRom, "TAV07B_S", 0};
  for (const char* root : {"D:\\", "G:\\"}) w.files.AddFolder(root);
  w.files.AddFile("E:\\TestDoc_B\\Word\\q01.doc", 1000);
  w.files.AddFile("E:\\TestDoc_B\\Word\\sub\\q02.doc", 2000);
  w.files.AddFile("E:\\TestDoc_B\\PDF\\q01.pdf", 3000);
  w.files.AddFile("E:\\TestDoc_B\\TXT\\t.txt", 10);
  w.app.m_bAdmin[kBiologyRow] = true;
  if (!s.registeredAt.empty()) RegisterBiology(w.files, w.registry, s.registeredAt);
  r.before = Take(w.files, w.registry);
  plan.Arm(w.files, w.registry);
  const ParsedCommandLine parsed = ParseCommandLine(s.unattended);
  r.reportedDone = RunUnattended(parsed.request, w.ctx) == ExitCode::Done;
  w.files.renameHook = nullptr;
  w.files.onListTree = nullptr;
  r.after = Take(w.files, w.registry);
  for (const auto& line : w.log.lines)
    if (!s.leftoverFolder.empty() && line.find(s.leftoverFolder + " ") != std::string::npos) r.namedLeftover = true;
  return r;
}

// The invariant, given the state a fault-free run leaves.
void ExpectAllOrNothing(const Scenario& s, const Result& r, const Snapshot& clean) {
  if (r.after == r.before) {
    EXPECT_FALSE(r.reportedDone) << "nothing changed, yet reported done";
    return;
  }
  EXPECT_TRUE(r.reportedDone) << "changed, yet not reported done";
  EXPECT_EQ(r.after.record, clean.record);
  if (r.after == clean) {
    EXPECT_FALSE(r.namedLeftover);
    return;
  }
  // Only what lies in the folder the user was told of may differ.
  ASSERT_FALSE(s.leftoverFolder.empty()) << "neither as before nor as done:\n" << Describe(r.after);
  EXPECT_TRUE(r.namedLeftover) << "the folder left behind was not named";
  const std::string leftover = AsciiUpper(s.leftoverFolder) + "\\";
  for (const auto& [path, size] : clean.entries) EXPECT_EQ(r.after.entries.count(path), 1u) << path << " missing";
  for (const auto& [path, size] : r.after.entries)
    if (!clean.entries.count(path)) EXPECT_EQ(path.rfind(leftover, 0), 0u) << path << " left outside " << leftover;
}

TEST(AllOrNothing, EveryCommandStoppedAtEveryStepLeavesTheDataSetWholeInOnePlace) {
  for (const Scenario& s : Scenarios()) {
    SCOPED_TRACE(s.name);
    FaultPlan clean;
    int shellFiles = 0;
    const Result done = RunInteractive(s, clean, &shellFiles);
    ASSERT_TRUE(done.reportedDone);
    ASSERT_NE(done.after, done.before) << Describe(done.after);
    const int renames = clean.renames;
    {
      FaultPlan again;
      const Result unattended = RunUnattendedOnce(s, again);
      EXPECT_TRUE(unattended.reportedDone);
      EXPECT_EQ(unattended.after, done.after) << "both front ends end in the same state";
    }
    std::vector<FaultPlan> plans;
    for (int k = 0; k < shellFiles; ++k) plans.push_back({Fault::ShellStopsAfter, k});
    for (int k = 0; k < renames; ++k) plans.push_back({Fault::RenameFailsAfter, k});
    plans.push_back({Fault::RecordDenied, 0});
    for (FaultPlan& plan : plans) {
      SCOPED_TRACE(testing::Message() << "fault " << static_cast<int>(plan.fault) << " after " << plan.k);
      FaultPlan forUnattended = plan;
      ExpectAllOrNothing(s, RunInteractive(s, plan), done.after);
      ExpectAllOrNothing(s, RunUnattendedOnce(s, forUnattended), done.after);
    }
  }
}

}  // namespace
