#pragma once
// Steps the bench driver times: a program's start to its main window, a run
// of the bare shell copy, the tool's copy step, and the waits they need.
#include <windows.h>

#include <string>
#include <vector>

#include "bench/bench_timing.h"
#include "tests/e2e/tool_process.h"

namespace bench {

// Starts the program, waits until its window with the main menu's copy
// button is shown, and returns the milliseconds from the start; the program
// is then ended with its exit button. Negative when no window came.
double StartToMainMenuMs(const std::string& exe);

// A timed step: wall time, and the CPU time of its process and of the
// wineserver meanwhile.
struct StepCost {
  double ms = -1;
  double processCpuMs = -1;
  double serverCpuMs = -1;
};

// The samples of a timed step: <figure>_ms, <figure>_cpu_ms (process and
// wineserver together), <figure>_process_cpu_ms and <figure>_server_cpu_ms.
class StepSamples {
 public:
  explicit StepSamples(const std::string& figure)
      : wall_(figure + "_ms"), cpu_(figure + "_cpu_ms"), process_(figure + "_process_cpu_ms"),
        server_(figure + "_server_cpu_ms") {}
  // Failed steps (negative) are left out.
  void Add(const StepCost& cost) {
    if (cost.ms < 0) return;
    wall_.Add(cost.ms);
    cpu_.Add(cost.processCpuMs + cost.serverCpuMs);
    process_.Add(cost.processCpuMs);
    server_.Add(cost.serverCpuMs);
  }
  void Report() const {
    for (const Samples* figure : {&wall_, &cpu_, &process_, &server_}) figure->Report();
  }

 private:
  Samples wall_, cpu_, process_, server_;
};

struct ShellCopyRun {
  StepCost cost;  // the call alone, as the program measured it
  int result = -1;
  bool aborted = false;
};
// Runs bench_shell_copy (a build variant of it) over the disc's kind folders
// into `dataFolder`, which is removed first. With `observerPollMs`, this
// process looks at the window list that often meanwhile, as a driver waiting
// for the tool's next message box does.
ShellCopyRun RunShellCopy(const std::string& program, const std::vector<std::string>& switches,
                          const std::vector<std::string>& kindFolders, const std::string& dataFolder,
                          DWORD observerPollMs = 0);

// The tool's main menu once it shows, with the pointer moved off the tool's
// windows: they are centred where Xvfb leaves the pointer, and over a button
// Wine polls the pointer for the button's hover tracking about a hundred
// times a second, a cost of Wine's that Windows does not have and that
// would otherwise weigh on every CPU reading of the tool.
HWND MainMenuWithPointerAside(const e2e::ToolProcess& tool);

// How often the driver looks for the tool's next window while it works.
constexpr DWORD kStepPollMs = 50;

// The tool's copy step over every kind of the disc into a new data folder:
// from the click on "はい" of "コピーを開始しますか？" to the next message
// box, which must be the offer that follows a successful copy. The tool is at
// its main menu before and after. Negative when the step failed.
StepCost ToolCopyStep(const e2e::ToolProcess& tool, HWND menu);

// The next visible message box of `pid` other than `previous`, looked for
// every `pollMs`; nullptr after `timeoutMs`.
HWND WaitForNextMessageBox(DWORD pid, HWND previous, DWORD pollMs, DWORD timeoutMs);

// Every kind folder of the disc's subject folder, in kind order.
std::vector<std::string> AllKindFolders(const std::string& discFolder);

}  // namespace bench
