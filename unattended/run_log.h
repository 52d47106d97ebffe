#pragma once
// Where an unattended run says what it does: one line per call, UTF-8,
// without its line end. The Win32 log writes it to the /log file and to the
// console the tool was started from.
#include <optional>
#include <string>
#include <string_view>

class IRunLog {
 public:
  virtual ~IRunLog() = default;
  virtual void Line(std::string_view text) = 0;
  // False once a line could not be written where the run keeps its log (the
  // /log file filled up, a redirected output closed): the log then ends
  // early, and the run must say so through its exit code.
  virtual bool AllLinesWritten() const = 0;
};

// Each line of a text that holds several ('\n'-separated), one call each.
void LogLines(IRunLog& log, std::string_view text);

// A line as the log writes it: every control character (C0, DEL, C1 with
// NEL), the Unicode line and paragraph separators and the marks that reorder
// the text shown become a blank, so that data from the registry or a disc
// can neither start a line of its own nor dress up as another one. A tab
// stays: it is the log's own field separator.
std::string LogLineText(std::string_view text);
// A field of a line that comes from outside (a record, a label): the same,
// and a tab too, so that it cannot forge a field.
std::string LogField(std::string_view text);

// The /log value as it is opened: '/' read as '\', as Windows reads it.
std::string LogPathForOpening(std::string_view value);
// Why the /log value cannot name the log, nullopt when it can: the log is a
// file on a disk, named by an absolute path ("C:\logs\pc01.log", or on a file
// server "\\server\share\pc01.log"); a relative one would land wherever the
// starter's current folder is, and a device ("COM1", "\\.\pipe\x", "nul.log"
// in any folder) or an alternate data stream is not a file. The Win32 log
// checks the disk too: a reparse point or anything but a disk file is refused.
std::optional<std::string> LogPathProblem(std::string_view value);
