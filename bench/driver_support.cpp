#include "bench/driver_support.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "bench/bench_timing.h"
#include "bench/driver_options.h"
#include "bench/wine_cpu.h"
#include "catalogue/content_kinds.h"
#include "platform/text.h"
#include "res/resource.h"
#include "tests/e2e/tool_steps.h"
#include "tests/support/automation.h"

namespace bench {

namespace {

std::wstring W(const std::string& s) { return Utf8ToUtf16(s); }

std::string Quoted(const std::string& s) {
  std::string quoted(1, '"');
  quoted += s;
  quoted += '"';
  return quoted;
}

// The main menu: the program's dialog that has the copy button.
HWND FindMainMenu(DWORD pid) {
  HWND window = automation::FindTopWindow(pid, "");
  return window && GetDlgItem(window, IDC_COPY) ? window : nullptr;
}

HWND FindMessageBox(DWORD pid, HWND previous) {
  struct Search {
    DWORD pid;
    HWND previous;
    HWND found;
  } search{pid, previous, nullptr};
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != s->pid || window == s->previous || !IsWindowVisible(window)) return TRUE;
        if (!GetDlgItem(window, 0xFFFF)) return TRUE;  // a message box's text control
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

double StartToMainMenuMs(const std::string& exe) {
  std::wstring commandLine = W(Quoted(exe));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const Stopwatch watch;
  if (!CreateProcessW(W(exe).c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process))
    return -1;
  // Input idle: the program waits for messages, its first window painted.
  WaitForInputIdle(process.hProcess, 15000);
  HWND menu = nullptr;
  while (!(menu = FindMainMenu(process.dwProcessId)) && watch.Ms() < 15000) Sleep(2);
  const double ms = watch.Ms();
  if (menu) PostMessageW(menu, WM_COMMAND, MAKEWPARAM(IDC_EXIT, BN_CLICKED), 0);
  if (WaitForSingleObject(process.hProcess, 15000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return menu ? ms : -1;
}

ShellCopyRun RunShellCopy(const std::string& program, const std::vector<std::string>& switches,
                          const std::vector<std::string>& kindFolders, const std::string& dataFolder,
                          DWORD observerPollMs) {
  e2e::RemoveTree(dataFolder);
  std::vector<std::string> arguments = {Quoted(program), Quoted("--to=" + dataFolder)};
  arguments.insert(arguments.end(), switches.begin(), switches.end());
  for (const auto& folder : kindFolders) arguments.push_back(Quoted(folder));
  std::string commandLine;
  for (const auto& argument : arguments) (commandLine += argument) += ' ';

  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return {};
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION process{};
  std::wstring line = W(commandLine);
  const BOOL started = CreateProcessW(W(program).c_str(), line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                      &startup, &process);
  CloseHandle(writeEnd);
  ShellCopyRun run;
  if (started) {
    if (observerPollMs)
      while (WaitForSingleObject(process.hProcess, observerPollMs) == WAIT_TIMEOUT)
        automation::FindTopWindow(process.dwProcessId, "Tavコピーツール");
    std::string output;
    char buffer[256];
    DWORD got = 0;
    while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got) output.append(buffer, got);
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    int aborted = 0;
    if (sscanf(output.c_str(), "shell_copy %lf %lf %lf %d %d", &run.cost.ms, &run.cost.processCpuMs,
               &run.cost.serverCpuMs, &run.result, &aborted) == 5)
      run.aborted = aborted != 0;
    else
      fprintf(stderr, "%s: %s\n", program.c_str(), output.c_str());
  }
  CloseHandle(readEnd);
  return run;
}

HWND MainMenuWithPointerAside(const e2e::ToolProcess& tool) {
  HWND menu = tool.WaitForMainMenu();
  SetCursorPos(0, 0);
  return menu;
}

StepCost ToolCopyStep(const e2e::ToolProcess& tool, HWND menu) {
  const DWORD pid = tool.pid();
  const std::string dataFolder = Options().DataFolder();
  e2e::RemoveTree(dataFolder);
  std::vector<std::string> kinds;
  for (const auto& info : kContentKinds) kinds.push_back(info.name);
  const automation::MessageBoxSeen start =
      e2e::OpenCopyConfirmation(pid, menu, kinds, Options().destDrive, dataFolder);
  if (!start.window) return {};
  const CpuMeter cpu(FindHostProcess("TavCopyTool.exe"));
  const Stopwatch watch;
  automation::Click(start.window, IDYES);
  HWND next = WaitForNextMessageBox(pid, start.window, kStepPollMs, 600000);
  const StepCost cost{watch.Ms(), cpu.ProcessMs(), cpu.ServerMs()};
  if (!next) {
    ADD_FAILURE() << "no message box after the copy";
    return {};
  }
  const automation::MessageBoxSeen offer{next, "", automation::ItemText(next, 0xFFFF)};
  EXPECT_EQ(offer.text, e2e::kVer2Offer) << "the copy did not succeed";
  automation::Answer(offer, IDNO);
  e2e::ExpectBox(pid, "別のディスクをコピーしますか？", IDNO);
  return offer.text == e2e::kVer2Offer ? cost : StepCost{};
}

HWND WaitForNextMessageBox(DWORD pid, HWND previous, DWORD pollMs, DWORD timeoutMs) {
  const ULONGLONG until = GetTickCount64() + timeoutMs;
  for (;;) {
    if (HWND box = FindMessageBox(pid, previous)) return box;
    if (GetTickCount64() >= until) return nullptr;
    Sleep(pollMs);
  }
}

std::vector<std::string> AllKindFolders(const std::string& discFolder) {
  KindFlags all;
  all.fill(true);
  return KindFolderList(discFolder, all);
}

}  // namespace bench
