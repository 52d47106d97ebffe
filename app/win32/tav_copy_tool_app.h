#pragma once
// The one application object: start-up, the rights scan, and the fields of
// the current data set that a command's dialogs hand to each other.
#include "command/app_state.h"
#include "platform/win32/app_base.h"
#include "platform/win32/win32_disks.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_profile.h"
#include "platform/win32/win32_prompts.h"
#include "platform/win32/win32_registry.h"
#include "unattended/command_line.h"
#include "unattended/exit_codes.h"

class CTavCopyToolApp : public CWinApp, public TavAppState {
 public:
  BOOL InitInstance() override;
  int ExitInstance() override;

  HANDLE m_hMutex = nullptr;
  // The process exit code: 0 for an interactive run, the outcome of an
  // unattended one.
  int m_nExitCode = 0;

  // The main dialog's window while it runs, else none: what the ports'
  // boxes and the shell's progress window are owned by.
  HWND MainHwnd() const;

  // The real operating system behind the core's ports.
  Win32Registry registry;
  Win32Disks disks;
  Win32FileSystem files{[this] { return MainHwnd(); }};
  Win32Profile profile;
  Win32Prompts prompts{[this] { return MainHwnd(); }};

 private:
  // False when another instance holds the mutex.
  bool TakeInstanceMutex();
  ExitCode RunUnattendedMode(const ParsedCommandLine& commandLine);
};

// The global application object.
CTavCopyToolApp& TavApp();
