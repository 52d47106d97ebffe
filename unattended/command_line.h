#pragma once
// The command line of an unattended run. A line with one of the verb
// switches /copy, /move, /delete or /list runs that command unattended, and
// must then be well-formed: the verb first, one verb only, each option at
// most once and only where the verb takes it, every value present, no extra
// argument, and not the installer's "/setup" (its question needs someone to
// answer it). A line without a verb starts the interactive tool only when
// none of its arguments begins with '/' but the installer's switch (exactly
// "/setup" or "/SETUP"); any other switch there is a mistyped command and a
// usage error, so that a script waiting for the tool never waits on a window.
// Switches are matched without regard to letter case.
//
//   /copy SOURCE DRIVE [/kinds KIND,KIND,...] [/label LABEL] [/log FILE]
//   /move SUBJECT YEAR DRIVE [/log FILE]
//   /delete SUBJECT YEAR [/log FILE]
//   /list [/log FILE]
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/content_kinds.h"
#include "catalogue/subject_catalogue.h"

// The arguments after the program name as Windows splits them
// (CommandLineToArgvW): blanks and tabs separate, quotes group and are
// dropped, 2n backslashes before a quote become n and the quote groups,
// 2n+1 become n and a literal quote, other backslashes stay as they are;
// inside quotes every third quote of a run is a literal one.
std::vector<std::string> SplitArguments(std::string_view commandLineTail);

enum class Verb { Copy, Move, Delete, List };

// Where /copy reads a disc's content.
enum class SourceKind {
  CdRomDrive,     // a CD-ROM drive; the disc is identified by its volume label
  ContentFolder,  // a folder holding a disc's content (a drive's root too), identified by /label
};

struct UnattendedRequest {
  Verb verb = Verb::List;
  // /copy
  SourceKind sourceKind = SourceKind::CdRomDrive;
  char sourceDrive = 0;     // CdRomDrive: the drive letter, upper case
  std::string sourceFolder; // ContentFolder: as given; a drive "E:" becomes "E:\"
  std::optional<KindFlags> kinds;  // nullopt: every kind the selection offers and ticks
  std::string label;        // /label, empty when not given
  // /copy and /move: the destination fixed drive, upper case
  char driveLetter = 0;
  // /move and /delete
  const SubjectInfo* subject = nullptr;
  std::string year;  // four ASCII digits
};

// UsageError is an unattended run too: it shows nothing and ends with exit 1.
enum class LaunchMode { Interactive, Unattended, UsageError };

struct ParsedCommandLine {
  LaunchMode mode = LaunchMode::Interactive;
  UnattendedRequest request;  // Unattended
  std::string usageError;     // UsageError: the reason, one line
  // The /log value: known for a usage error too when the switch and its
  // value are there, so that a script's log says why nothing happened.
  std::string logPath;
};

ParsedCommandLine ParseCommandLine(std::string_view commandLineTail);

// Lines of the usage text printed after a usage error: the four forms, the
// kind and subject names, the exit codes.
std::string UsageText();
