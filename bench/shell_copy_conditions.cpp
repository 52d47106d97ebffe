// Why the shell's copy takes longer inside the tool than in a console
// program: the same SHFileOperationW call made under one of the tool's
// conditions at a time, all conditions sampled in turn in every round, the
// tool's own copy step among them.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "bench/driver_options.h"
#include "bench/driver_support.h"
#include "res/resource.h"
#include "tests/e2e/tool_process.h"
#include "tests/support/automation.h"

namespace {

using namespace bench;

struct Condition {
  const char* figure;
  const char* program;  // the build variant of bench_shell_copy
  std::vector<std::string> switches;
  DWORD observerPollMs;
};

// One difference from the bare console call per row, then all of the
// tool's at once.
const Condition kConditions[] = {
    {"shell_bare", "bench_shell_copy", {}, 0},
    {"shell_manifest", "bench_shell_copy_res", {}, 0},
    {"shell_windows_subsystem", "bench_shell_copy_gui", {}, 0},
    {"shell_owner_window", "bench_shell_copy", {"--owner"}, 0},
    {"shell_com_sta", "bench_shell_copy", {"--com"}, 0},
    {"shell_wait_cursor", "bench_shell_copy", {"--wait-cursor"}, 0},
    {"shell_observed", "bench_shell_copy", {}, kStepPollMs},
    {"shell_all_tool_conditions", "bench_shell_copy_gui_res", {"--owner", "--wait-cursor"}, kStepPollMs},
};

TEST(Bench, ShellCopyConditions) {
  e2e::ToolProcess tool;
  HWND menu = MainMenuWithPointerAside(tool);
  ASSERT_NE(menu, nullptr);
  const std::vector<std::string> kinds = AllKindFolders(Options().discFolder);
  constexpr std::size_t kCount = std::size(kConditions);
  std::vector<StepSamples> samples;
  for (const Condition& condition : kConditions) samples.emplace_back(condition.figure);
  samples.emplace_back("shell_tool_copy_step");  // the last: the tool's own step
  for (int round = 0; round < Options().rounds; ++round) {
    // Each round starts one further along, so no condition always follows the same one.
    for (std::size_t i = 0; i <= kCount; ++i) {
      const std::size_t which = (i + static_cast<std::size_t>(round)) % (kCount + 1);
      if (which == kCount) {
        samples[which].Add(ToolCopyStep(tool, menu));
        continue;
      }
      const Condition& condition = kConditions[which];
      const ShellCopyRun run = RunShellCopy(Options().Program(condition.program), condition.switches, kinds,
                                            Options().DataFolder(), condition.observerPollMs);
      EXPECT_EQ(run.result, 0) << condition.figure;
      if (run.result == 0) samples[which].Add(run.cost);
    }
  }
  for (const StepSamples& figure : samples) figure.Report();
  automation::Click(menu, IDC_EXIT);
  EXPECT_TRUE(tool.WaitForExit());
}

}  // namespace
