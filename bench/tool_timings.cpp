// The tool's own figures, each sampled alternately with its floor: start-up
// against a bare dialog program, the disc identified after OK, the CPU share
// while waiting for a disc against the idle dialog, and the copy step against
// a bare shell call over the same folders.
#include <gtest/gtest.h>
#include <windows.h>

#include "bench/bench_timing.h"
#include "bench/driver_options.h"
#include "bench/driver_support.h"
#include "bench/wine_cpu.h"
#include "res/resource.h"
#include "tests/e2e/tool_process.h"
#include "tests/e2e/tool_steps.h"
#include "tests/support/automation.h"

namespace {

using namespace automation;
using namespace bench;

std::string ToolExe() { return e2e::InstallDir() + "TavCopyTool.exe"; }

// Start-up and detection take a fraction of a second: thrice the rounds give
// a steadier median at little cost.
int QuickRounds() { return Options().rounds * 3; }

TEST(Bench, StartUp) {
  // One untimed start of each first: the first start of a session loads
  // Wine's own programs and DLLs from disk.
  StartToMainMenuMs(ToolExe());
  StartToMainMenuMs(Options().Program("bench_min_dialog"));
  Samples tool("startup_tool_ms"), floor("startup_floor_ms");
  Alternate(
      QuickRounds(),
      [&] {
        const double ms = StartToMainMenuMs(ToolExe());
        EXPECT_GT(ms, 0) << "the tool showed no main menu";
        if (ms > 0) tool.Add(ms);
      },
      [&] {
        const double ms = StartToMainMenuMs(Options().Program("bench_min_dialog"));
        EXPECT_GT(ms, 0) << "the bare dialog program showed no window";
        if (ms > 0) floor.Add(ms);
      });
  tool.Report();
  floor.Report();
}

// The content selection dialog, shown once the disc is identified.
HWND FindContentSelection(DWORD pid) {
  HWND dialog = FindTopWindow(pid, e2e::kCopyTitle);
  return dialog && GetDlgItem(dialog, IDC_REQUIRED_SPACE) ? dialog : nullptr;
}

TEST(Bench, DiscIdentified) {
  e2e::ToolProcess tool;
  const DWORD pid = tool.pid();
  HWND menu = MainMenuWithPointerAside(tool);
  ASSERT_NE(menu, nullptr);
  Samples identified("identified_ms");
  for (int round = 0; round < QuickRounds(); ++round) {
    Click(menu, IDC_COPY);
    HWND discWait = e2e::WaitForDiscWait(pid);
    ASSERT_NE(discWait, nullptr);
    const Stopwatch watch;
    Click(discWait, IDOK);
    HWND selection = nullptr;
    while (!(selection = FindContentSelection(pid)) && watch.Ms() < 15000) Sleep(5);
    const double ms = watch.Ms();
    ASSERT_NE(selection, nullptr) << "the disc was not identified";
    identified.Add(ms);
    Click(selection, IDCANCEL);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(menu) != FALSE; }));
  }
  identified.Report();
  Click(menu, IDC_EXIT);
  EXPECT_TRUE(tool.WaitForExit());
}

// CPU share over one reading, in percent of one core: the tool alone and the
// whole Wine session.
struct CpuShare {
  double tool = 0;
  double session = 0;
};
CpuShare ReadCpuShare(const std::string& toolHostPid) {
  const double toolBefore = HostCpuMs(toolHostPid);
  const double sessionBefore = SessionCpuMs();
  const Stopwatch watch;
  Sleep(static_cast<DWORD>(Options().seconds) * 1000);
  const double wall = watch.Ms();
  return {(HostCpuMs(toolHostPid) - toolBefore) * 100 / wall, (SessionCpuMs() - sessionBefore) * 100 / wall};
}

TEST(Bench, WaitingForDisc) {
  e2e::ToolProcess tool;
  const DWORD pid = tool.pid();
  HWND menu = MainMenuWithPointerAside(tool);
  ASSERT_NE(menu, nullptr);
  const std::string toolHostPid = FindHostProcess("TavCopyTool.exe");
  ASSERT_FALSE(toolHostPid.empty()) << "the tool's process is not found under /proc";
  Samples waitingTool("waiting_tool_pct"), idleTool("waiting_floor_tool_pct");
  Samples waitingSession("waiting_session_pct"), idleSession("waiting_floor_session_pct");
  for (int round = 0; round < Options().rounds; ++round) {
    Click(menu, IDC_COPY);
    HWND discWait = e2e::WaitForDiscWait(pid);
    ASSERT_NE(discWait, nullptr);
    // The floor: the same dialog open, before OK starts the scan.
    const CpuShare idle = ReadCpuShare(toolHostPid);
    Click(discWait, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !IsItemVisible(discWait, IDOK); })) << "no scan started";
    const CpuShare waiting = ReadCpuShare(toolHostPid);
    ASSERT_EQ(WaitForNextMessageBox(pid, nullptr, 0, 0), nullptr) << "the drives must hold no disc to find";
    ASSERT_FALSE(IsItemVisible(discWait, IDOK)) << "the scan ended by itself";
    idleTool.Add(idle.tool);
    idleSession.Add(idle.session);
    waitingTool.Add(waiting.tool);
    waitingSession.Add(waiting.session);
    Click(discWait, IDCANCEL);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(menu) != FALSE; }));
  }
  for (const Samples* figure : {&waitingTool, &idleTool, &waitingSession, &idleSession}) figure->Report();
  Click(menu, IDC_EXIT);
  EXPECT_TRUE(tool.WaitForExit());
}

TEST(Bench, CopyStep) {
  e2e::ToolProcess tool;
  HWND menu = MainMenuWithPointerAside(tool);
  ASSERT_NE(menu, nullptr);
  const std::vector<std::string> kinds = AllKindFolders(Options().discFolder);
  StepSamples step("copy_tool"), floor("copy_floor");
  Alternate(
      Options().rounds, [&] { step.Add(ToolCopyStep(tool, menu)); },
      [&] {
        const ShellCopyRun run = RunShellCopy(Options().Program("bench_shell_copy"), {}, kinds, Options().DataFolder());
        EXPECT_EQ(run.result, 0);
        if (run.result == 0) floor.Add(run.cost);
      });
  step.Report();
  floor.Report();
  Click(menu, IDC_EXIT);
  EXPECT_TRUE(tool.WaitForExit());
}

}  // namespace
