#pragma once
// The process exit codes of an unattended run: what a script reads from
// %ERRORLEVEL%. The values are part of the tool's documented interface
// (help document and README); never renumber them.
enum class ExitCode : int {
  Done = 0,
  UsageError = 1,           // unknown switch, missing or malformed argument
  NoRights = 2,             // no rights at all, or none on the subject
  NotFound = 3,             // disc or data set not found or not identified
  DestinationUnusable = 4,  // destination unusable or too small
  OperationFailed = 5,      // the copy, move or delete failed; nothing registered, record kept
  RecordFailed = 6,         // the record could not be written or removed
  AlreadyRunning = 7,       // another instance of the tool is running
  LogIncomplete = 8,        // a log line could not be written; the command's work stands, not undone
  UnexpectedError = 9,      // an unexpected error (an exception) ended the run; what it did stands
};

constexpr int ProcessExitCode(ExitCode code) { return static_cast<int>(code); }
