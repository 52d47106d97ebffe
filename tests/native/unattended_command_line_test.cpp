#include "unattended/command_line.h"

#include <gtest/gtest.h>

#include "app/startup.h"

namespace {

using Args = std::vector<std::string>;

TEST(SplitArguments, FollowsTheWindowsRules) {
  const struct {
    const char* line;
    Args args;
  } cases[] = {
      {"", {}},
      {"  \t ", {}},
      {"/list", {"/list"}},
      {" /delete\tBiology   2007 ", {"/delete", "Biology", "2007"}},
      {R"(/copy "\\srv\tav disc\B" D:)", {"/copy", R"(\\srv\tav disc\B)", "D:"}},
      {R"("/LIST")", {"/LIST"}},
      {R"(a"b c"d e)", {"ab cd", "e"}},
      {R"(C:\a\b)", {R"(C:\a\b)"}},                 // backslashes before no quote stay
      {R"("C:\dir with blank\\" next)", {R"(C:\dir with blank\)", "next"}},  // 2n + quote: n, the quote closes
      {R"(a\"b)", {R"(a"b)"}},                       // 2n+1 + quote: n and a literal quote
      {R"(a\\\"b)", {R"(a\"b)"}},
      {R"(a\\\\"b c")", {R"(a\\b c)"}},
      {R"("" x)", {"", "x"}},                        // an empty quoted argument counts
      {R"("a ""b"" c")", {R"(a "b)", "c"}},          // inside quotes the third quote of a run is literal
      {R"("a """ b")", {R"(a " b)"}},
      {R"(a""b)", {"ab"}},
      {R"("unterminated  x)", {"unterminated  x"}},
      {"/log \"C:\\ログ\\結果.txt\"", {"/log", "C:\\ログ\\結果.txt"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitArguments(c.line), c.args) << c.line;
}

// Without a verb, and without any switch but the installer's, the tool
// starts as it always did: a file dropped on it, a word, the installer.
TEST(ParseCommandLine, WithoutAVerbOrASwitchTheToolIsInteractive) {
  for (const char* line : {"", "/setup", "/SETUP", "/setup /SETUP", "junk 1 2", "-list", "list", "x/list",
                           "C:\\data\\問題.txt", "\"C:\\my data\\a.pdf\"", "C:/setup/tav.log", "/setup C:\\x",
                           "x/SETUPy"})
    EXPECT_EQ(ParseCommandLine(line).mode, LaunchMode::Interactive) << line;
}

// A switch without a verb is a mistyped command: it must never open the
// window that a waiting script cannot close. The log it names (if any) still
// gets the reason.
TEST(ParseCommandLine, ASwitchWithoutAVerbIsAUsageError) {
  const struct {
    const char* line;
    const char* reasonHolds;
    const char* logPath;
  } cases[] = {
      {"/cpy E: D: /log pc01.log", "/cpy", "pc01.log"},
      {"/lst", "/lst", ""},
      {"/log x.log", "/log", "x.log"},
      {"/log \"C:\\tav logs\\pc01.log\" /dlete Biology 2007", "/dlete", "C:\\tav logs\\pc01.log"},
      {"/log", "/log", ""},
      {"/copyx E: D:", "/copyx", ""},
      {"\"/list \"", "/list ", ""},
      {"/kinds Word", "/kinds", ""},
      {"/bogus", "/bogus", ""},
      {"E: D: /cpy", "/cpy", ""},
      // The installer's switch starts the tool only in its two spellings and
      // only with nothing else that looks like a switch.
      {"/Setup", "/Setup", ""},
      {"/setup /lst", "/lst", ""},
      {"/SETUP /Setup", "/Setup", ""},
  };
  for (const auto& c : cases) {
    const ParsedCommandLine parsed = ParseCommandLine(c.line);
    EXPECT_EQ(parsed.mode, LaunchMode::UsageError) << c.line;
    EXPECT_NE(parsed.usageError.find(c.reasonHolds), std::string::npos)
        << c.line << ": \"" << parsed.usageError << "\" should hold \"" << c.reasonHolds << "\"";
    EXPECT_EQ(parsed.logPath, c.logPath) << c.line;
  }
}

struct Expected {
  Verb verb;
  SourceKind sourceKind = SourceKind::CdRomDrive;
  char sourceDrive = 0;
  std::string sourceFolder{};
  std::optional<std::vector<ContentKind>> kinds{};
  std::string label{};
  char drive = 0;
  const char* subjectKey = nullptr;
  std::string year{};
  std::string logPath{};
};

std::optional<KindFlags> Flags(const std::optional<std::vector<ContentKind>>& kinds) {
  if (!kinds) return std::nullopt;
  KindFlags flags{};
  for (ContentKind kind : *kinds) flags[KindIndex(kind)] = true;
  return flags;
}

TEST(ParseCommandLine, WellFormedRequests) {
  using enum ContentKind;
  const struct {
    const char* line;
    Expected expected;
  } cases[] = {
      {"/list", {.verb = Verb::List}},
      {"/LIST /LOG C:\\logs\\pc01.log", {.verb = Verb::List, .logPath = "C:\\logs\\pc01.log"}},
      {"/list /log \"C:\\my logs\\pc 01.log\"", {.verb = Verb::List, .logPath = "C:\\my logs\\pc 01.log"}},
      {"/delete Biology 2007", {.verb = Verb::Delete, .subjectKey = "Biology", .year = "2007"}},
      {"/Delete civics 2003 /log d.log",
       {.verb = Verb::Delete, .subjectKey = "ciVics", .year = "2003", .logPath = "d.log"}},
      {"/delete EARTH 2000", {.verb = Verb::Delete, .subjectKey = "Earth", .year = "2000"}},
      {"/move WorldHistory 2005 g:", {.verb = Verb::Move, .drive = 'G', .subjectKey = "WorldHistory", .year = "2005"}},
      {"/move Physics 2007 D:\\ /log m.log",
       {.verb = Verb::Move, .drive = 'D', .subjectKey = "Physics", .year = "2007", .logPath = "m.log"}},
      {"/copy E: D:", {.verb = Verb::Copy, .sourceDrive = 'E', .drive = 'D'}},
      {"/copy f:\\ d:\\", {.verb = Verb::Copy, .sourceDrive = 'F', .drive = 'D'}},
      {"/copy E: D: /kinds Word,pdf,TXT0",
       {.verb = Verb::Copy, .sourceDrive = 'E', .kinds = std::vector{Word, PDF, TXT0}, .drive = 'D'}},
      {"/copy E: D: /KINDS \"voice, ichitaro\"",
       {.verb = Verb::Copy, .sourceDrive = 'E', .kinds = std::vector{Ichitaro, VOICE}, .drive = 'D'}},
      {"/copy E: D: /kinds Word,Word", {.verb = Verb::Copy, .sourceDrive = 'E', .kinds = std::vector{Word}, .drive = 'D'}},
      // A drive with /label is a folder holding the disc's content, whatever the drive is.
      {"/copy E: D: /label TAV07B_S",
       {.verb = Verb::Copy, .sourceKind = SourceKind::ContentFolder, .sourceFolder = "E:\\", .label = "TAV07B_S", .drive = 'D'}},
      {"/copy \\\\server\\tav\\TAV07B_S D: /label TAV07B_S /kinds TIF /log \\\\server\\logs\\pc01.log",
       {.verb = Verb::Copy,
        .sourceKind = SourceKind::ContentFolder,
        .sourceFolder = "\\\\server\\tav\\TAV07B_S",
        .kinds = std::vector{TIF},
        .label = "TAV07B_S",
        .drive = 'D',
        .logPath = "\\\\server\\logs\\pc01.log"}},
      // Options may stand before the positional arguments.
      {"/copy /label TAV07T_S \"C:\\disc copies\\T\" D:",
       {.verb = Verb::Copy, .sourceKind = SourceKind::ContentFolder, .sourceFolder = "C:\\disc copies\\T", .label = "TAV07T_S", .drive = 'D'}},
      // A folder named "setup" in a value is no installer's switch.
      {"/list /log C:/setup/tav.log", {.verb = Verb::List, .logPath = "C:/setup/tav.log"}},
      {"/delete Biology 2007 /log \"C:\\x /setup\\tav.log\"",
       {.verb = Verb::Delete, .subjectKey = "Biology", .year = "2007", .logPath = "C:\\x /setup\\tav.log"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const ParsedCommandLine parsed = ParseCommandLine(c.line);
    ASSERT_EQ(parsed.mode, LaunchMode::Unattended) << parsed.usageError;
    const UnattendedRequest& r = parsed.request;
    const Expected& e = c.expected;
    EXPECT_EQ(r.verb, e.verb);
    EXPECT_EQ(r.driveLetter, e.drive);
    EXPECT_EQ(std::string(r.subject ? r.subject->keyName : ""), std::string(e.subjectKey ? e.subjectKey : ""));
    EXPECT_EQ(r.year, e.year);
    EXPECT_EQ(parsed.logPath, e.logPath);
    EXPECT_EQ(r.kinds, Flags(e.kinds));
    EXPECT_EQ(r.label, e.label);
    if (e.verb == Verb::Copy) {
      EXPECT_EQ(r.sourceKind, e.sourceKind);
      EXPECT_EQ(r.sourceDrive, e.sourceDrive);
      EXPECT_EQ(r.sourceFolder, e.sourceFolder);
    }
  }
}

// Each usage error names what is wrong: the reason holds the culprit.
TEST(ParseCommandLine, UsageErrors) {
  const struct {
    const char* line;
    const char* reasonHolds;
  } cases[] = {
      // The verb: first, and only one.
      {"junk /list", "junk"},
      {"/Setup /list", "/Setup"},
      {"/log x.log /list", "/log"},
      {"/list /delete Biology 2007", "一つだけ"},
      {"/list /LIST", "一つだけ"},
      // Switches: known, allowed for the verb, once, with a value.
      {"/list /bogus", "/bogus"},
      {"/list x/setupx", "x/setupx"},
      {"/delete Biology 2007 /Setup", "/Setup"},
      // The installer's question needs someone to answer it.
      {"/setup /list", "/setup"},
      {"/list /SETUP", "/SETUP"},
      {"/SETUP /delete Biology 2007 /setup", "/SETUP"},
      {"/list /kinds Word", "/kinds"},
      {"/delete Biology 2007 /label X", "/label"},
      {"/move Biology 2007 D: /kinds Word", "/kinds"},
      {"/list /log a.log /log b.log", "二度"},
      {"/copy E: D: /kinds Word /KINDS PDF", "二度"},
      {"/list /log", "/log の値"},
      {"/list /log \"\"", "/log の値"},
      {"/list /log /x", "/log の値"},
      {"/copy E: D: /label", "/label の値"},
      {"/copy E: D: /kinds", "/kinds の値"},
      // Positional arguments: present, not more, well-formed.
      {"/list extra", "extra"},
      {"/delete Biology", "教科 年度"},
      {"/delete", "教科 年度"},
      {"/delete Biology 2007 more", "more"},
      {"/move Biology 2007", "教科 年度 ドライブ"},
      {"/move Biology 2007 D: E:", "E:"},
      {"/copy E:", "コピー元 ドライブ"},
      {"/copy E: D: F:", "F:"},
      {"/delete \"\" 2007", "空"},
      {"/delete General 2007", "General"},
      {"/delete Biologyy 2007", "Biologyy"},
      {"/delete Biology 07", "07"},
      {"/delete Biology 20077", "20077"},
      {"/delete Biology ２００７", "２００７"},
      {"/delete Biology 2oo7", "2oo7"},
      {"/move Biology 2007 D", "D"},
      {"/move Biology 2007 1:", "1:"},
      {"/move Biology 2007 D:\\KR_LAB", "D:\\KR_LAB"},
      {"/move Biology 2007 D:/", "D:/"},
      {"/copy E: DD: ", "DD:"},
      {"/copy E: D: /kinds Word,,PDF", "Word,,PDF"},
      {"/copy E: D: /kinds Word,", "Word,"},
      {"/copy E: D: /kinds Excel", "Excel"},
      {"/copy E: D: /kinds TXT00", "TXT00"},
      // A folder is identified only by the label given with it.
      {"/copy \\\\server\\tav\\B D:", "/label"},
      {"/copy E:\\TestDoc_B D:", "/label"},
  };
  for (const auto& c : cases) {
    const ParsedCommandLine parsed = ParseCommandLine(c.line);
    EXPECT_EQ(parsed.mode, LaunchMode::UsageError) << c.line;
    EXPECT_NE(parsed.usageError.find(c.reasonHolds), std::string::npos)
        << c.line << ": \"" << parsed.usageError << "\" should hold \"" << c.reasonHolds << "\"";
  }
}

TEST(ParseCommandLine, AUsageErrorStillKnowsItsLog) {
  const ParsedCommandLine parsed = ParseCommandLine("/delete Biology 207 /log \"C:\\tav logs\\pc01.log\"");
  EXPECT_EQ(parsed.mode, LaunchMode::UsageError);
  EXPECT_EQ(parsed.logPath, "C:\\tav logs\\pc01.log");
  EXPECT_EQ(ParseCommandLine("/list /log").logPath, "");
}

// The installer's question is the interactive start-up's: its rule is
// unchanged there (two case-sensitive searches anywhere in the line). A line
// with a verb never reaches it: with the switch as a whole argument it is a
// usage error, and inside a value ("C:/setup/tav.log") it is no switch.
TEST(ParseCommandLine, InstallerSwitchKeepsItsRuleOnlyInTheInteractiveTool) {
  const struct {
    const char* line;
    bool asksInstallerQuestion;  // when the tool starts interactively
    LaunchMode mode;
  } cases[] = {
      {"/setup", true, LaunchMode::Interactive},
      {"-x /setup", true, LaunchMode::Interactive},
      {"x/SETUPy", true, LaunchMode::Interactive},
      {"C:/setup/tav.log", true, LaunchMode::Interactive},
      {"/Setup", false, LaunchMode::UsageError},
      {"/setup /list", true, LaunchMode::UsageError},
      {"/list /SETUP", true, LaunchMode::UsageError},
      {"/list /Setup", false, LaunchMode::UsageError},
      {"/list x/setup", true, LaunchMode::UsageError},
      {"/list /log C:/setup/tav.log", true, LaunchMode::Unattended},
      {"/list", false, LaunchMode::Unattended},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(HasSetupSwitch(c.line), c.asksInstallerQuestion) << c.line;
    EXPECT_EQ(ParseCommandLine(c.line).mode, c.mode) << c.line;
  }
}

TEST(UsageText, ShowsEveryFormNameAndExitCode) {
  const std::string usage = UsageText();
  std::vector<std::string> mustHold = {"/copy", "/move", "/delete", "/list", "/kinds", "/label", "/log"};
  for (const auto& kind : kContentKinds) mustHold.push_back(kind.name);
  for (const auto& subject : kSubjects) mustHold.push_back(subject.keyName);
  for (int code = 0; code <= 9; ++code) mustHold.push_back(std::to_string(code) + " ");
  for (const auto& text : mustHold) EXPECT_NE(usage.find(text), std::string::npos) << text;
}

}  // namespace
