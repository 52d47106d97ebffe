#pragma once
// Where an unattended run says what it does: one line per call, UTF-8,
// without its line end. The Win32 log writes it to the /log file and to the
// console the tool was started from.
#include <string_view>

class IRunLog {
 public:
  virtual ~IRunLog() = default;
  virtual void Line(std::string_view text) = 0;
};

// Each line of a text that holds several ('\n'-separated), one call each.
void LogLines(IRunLog& log, std::string_view text);
