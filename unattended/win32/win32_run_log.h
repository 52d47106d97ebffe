#pragma once
// The log of an unattended run: each line, UTF-8, to the /log file (appended,
// created when missing, no BOM, CRLF) and to the console the tool was started
// from. The tool is a GUI program, so it has a console only in two ways: a
// standard output that its starter redirected (a file or pipe: UTF-8 goes
// there), or the console of the process that started it, attached to
// (WriteConsoleW). It never makes a console of its own.
#include <windows.h>

#include <string>
#include <string_view>

#include "unattended/run_log.h"

class Win32RunLog : public IRunLog {
 public:
  Win32RunLog();
  ~Win32RunLog() override;
  Win32RunLog(const Win32RunLog&) = delete;
  Win32RunLog& operator=(const Win32RunLog&) = delete;

  // Every later line is appended to this file too; false when it cannot be
  // opened or created.
  bool OpenFile(const std::string& path);
  void Line(std::string_view text) override;

 private:
  HANDLE file_ = INVALID_HANDLE_VALUE;
  HANDLE output_ = nullptr;   // redirected standard output: UTF-8 bytes
  HANDLE console_ = nullptr;  // a console screen buffer: UTF-16 through WriteConsoleW
  bool ownsConsoleHandle_ = false;
};
