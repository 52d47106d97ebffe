#pragma once
// An unattended run over the fakes: a log that keeps its lines, and a command
// context whose prompts and dialogs must stay unused (the run has no one to
// show them to). The world checks that when it goes, with the busy flag and
// wait cursor down and no registry key left open.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/data_dir_records.h"
#include "command/command_context.h"
#include "platform/fake/fake_disks.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_profile.h"
#include "platform/fake/fake_prompts.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_wait_cursor.h"
#include "command/fake/fake_command_dialogs.h"
#include "unattended/run_log.h"
#include "unattended/unattended_run.h"

class RecordingRunLog : public IRunLog {
 public:
  void Line(std::string_view text) override { lines.emplace_back(text); }
  bool AllLinesWritten() const override { return true; }
  std::vector<std::string> lines;
};

inline constexpr int kBiologyRow = 0;
inline constexpr int kPhysicsRow = 7;
inline constexpr int kEarthRow = 10;

struct UnattendedWorld {
  UnattendedWorld() = default;
  ~UnattendedWorld() {
    EXPECT_TRUE(prompts.shown.empty()) << "a message box in an unattended run: " << prompts.shown[0].text;
    EXPECT_TRUE(dialogs.ran.empty()) << "a dialog in an unattended run";
    EXPECT_FALSE(busy);
    EXPECT_EQ(waitCursor.depth, 0);
    EXPECT_EQ(registry.openHandles, 0);
  }
  UnattendedWorld(const UnattendedWorld&) = delete;
  UnattendedWorld& operator=(const UnattendedWorld&) = delete;

  void SetRecord(const char* subjectKey, const char* year, const std::string& path) {
    registry.Set(RegRoot::LocalMachine, DataDirKeyPath(subjectKey), std::string("DataDir") + (year + 2), path);
  }
  std::optional<std::string> Record(const char* subjectKey, const char* year) const {
    return registry.Get(RegRoot::LocalMachine, DataDirKeyPath(subjectKey), std::string("DataDir") + (year + 2));
  }
  // A registered data set with three kind folders and their files.
  void RegisterDataSet(const char* subjectKey, const char* year, const std::string& folder) {
    SetRecord(subjectKey, year, folder);
    files.AddFile(folder + "\\Word\\q01.doc", 1000);
    files.AddFile(folder + "\\PDF\\q01.pdf", 3000);
    files.AddFile(folder + "\\VOICE\\v.mp3", 500);
  }

  TavAppState app;
  FakeRegistry registry;
  FakeDisks disks;
  FakeFileSystem files;
  FakeProfile profile;
  FakePrompts prompts;
  FakeCommandDialogs dialogs;
  bool busy = false;
  FakeWaitCursor waitCursor;
  CommandContext command{app, registry, disks, files, profile, prompts, dialogs, busy, waitCursor};
  RecordingRunLog log;
  UnattendedContext ctx{command, log};
};
