#pragma once
// The log of an unattended run: each line, UTF-8, to the /log file (appended,
// created when missing, no BOM, CRLF) and to the console the tool was started
// from. The tool is a GUI program, so it has a console only in two ways: a
// standard output that its starter redirected (a file or pipe: UTF-8 goes
// there), or the console of the process that started it, attached to
// (WriteConsoleW). It never makes a console of its own.
//
// The /log file and a redirected standard output are where a script keeps
// the log: a line either of them could not take (a full disk, a closed pipe)
// is lost there, so nothing more is written to it (a log with a hole would
// read as complete) and AllLinesWritten() turns false. The attached console
// is a person's window, not a record.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "unattended/run_log.h"

class Win32RunLog : public IRunLog {
 public:
  Win32RunLog();
  ~Win32RunLog() override;
  Win32RunLog(const Win32RunLog&) = delete;
  Win32RunLog& operator=(const Win32RunLog&) = delete;

  // Every later line is appended to the file `value` names too. The reason
  // when it cannot take the log: LogPathProblem's, an existing reparse point
  // (a link could point the administrator's writes anywhere), anything that
  // opens as other than a disk file, or a file that cannot be opened.
  std::optional<std::string> OpenFile(const std::string& value);
  void Line(std::string_view text) override;
  bool AllLinesWritten() const override { return allWritten_; }

 private:
  // Writes all of `bytes`, or closes the way to `handle` for the rest of the run.
  void WriteOrStop(HANDLE& handle, const std::string& bytes, bool owned);

  HANDLE file_ = INVALID_HANDLE_VALUE;
  HANDLE output_ = INVALID_HANDLE_VALUE;  // redirected standard output: UTF-8 bytes
  HANDLE console_ = nullptr;              // a console screen buffer: UTF-16 through WriteConsoleW
  bool ownsConsoleHandle_ = false;
  bool allWritten_ = true;
};
