// The unattended log: which /log values can hold it, what a line may
// contain, and how a run ends when its log or its command fails.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "unattended/run_log.h"
#include "unattended/run_outcome.h"

namespace {

using Lines = std::vector<std::string>;

enum class PathVerdict { Taken, NotAbsolute, NotADiskFile };

TEST(LogPathProblem, OnlyAnAbsolutePathToADiskFileIsTaken) {
  using enum PathVerdict;
  const struct {
    const char* value;
    PathVerdict verdict;
  } cases[] = {
      {"C:\\logs\\pc01.log", Taken},
      {"c:/setup/tav.log", Taken},  // Windows reads '/' as '\'
      {"D:\\ログ\\結果 01.txt", Taken},
      {"\\\\server\\logs\\pc01.log", Taken},
      {"//server/logs/pc01.log", Taken},
      {"C:\\logs\\com10.log", Taken},     // no device has that name
      {"C:\\logs\\console.log", Taken},
      {"C:\\logs\\nul\\x.log", Taken},    // a device name only counts as the file's own
      // Would land in whatever folder the starter happens to be in.
      {"pc01.log", NotAbsolute},
      {"logs\\pc01.log", NotAbsolute},
      {"..\\pc01.log", NotAbsolute},
      {"\\logs\\pc01.log", NotAbsolute},  // the current drive's root
      {"C:pc01.log", NotAbsolute},        // the drive's current folder
      {"COM1", NotAbsolute},
      {"\\\\server", NotAbsolute},
      {"\\\\server\\share", NotAbsolute},
      // Devices, pipes, streams and names no file has.
      {"C:\\COM1", NotADiskFile},
      {"C:\\logs\\nul.log", NotADiskFile},
      {"C:\\logs\\CON .txt", NotADiskFile},
      {"C:\\logs\\lpt\u00B9.log", NotADiskFile},
      {"C:\\logs\\CONOUT$", NotADiskFile},
      {"\\\\server\\share\\aux.log", NotADiskFile},
      {"\\\\.\\COM1", NotADiskFile},
      {"\\\\.\\pipe\\tav", NotADiskFile},
      {"//./pipe/tav", NotADiskFile},
      {"\\\\?\\C:\\logs\\pc01.log", NotADiskFile},
      {"\\??\\C:\\logs\\pc01.log", NotADiskFile},
      {"C:\\logs\\pc01.log:hidden", NotADiskFile},
      {"C:\\logs\\", NotADiskFile},
      {"C:\\logs\\*.log", NotADiskFile},
      {"C:\\logs\\pc\x1b.log", NotADiskFile},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    const std::optional<std::string> problem = LogPathProblem(c.value);
    if (c.verdict == Taken) {
      EXPECT_FALSE(problem) << *problem;
      continue;
    }
    ASSERT_TRUE(problem);
    EXPECT_NE(problem->find(c.value), std::string::npos) << "names the value: " << *problem;
    EXPECT_NE(problem->find(c.verdict == NotAbsolute ? "絶対パス" : "ディスク上のファイル"), std::string::npos)
        << *problem;
  }
  EXPECT_EQ(LogPathForOpening("c:/setup/tav.log"), "c:\\setup\\tav.log");
}

TEST(LogLineText, NothingFromOutsideStartsOrReordersALine) {
  const struct {
    const char* name;
    std::string text;
    std::string line;   // LogLineText
    std::string field;  // LogField
  } cases[] = {
      {"plain Japanese text and a path", "データ: Tav2007 生物\tD:\\KR_LAB", "データ: Tav2007 生物\tD:\\KR_LAB",
       "データ: Tav2007 生物 D:\\KR_LAB"},
      {"CR, LF, VT, FF", "a\rb\nc\vd\fe", "a b c d e", "a b c d e"},
      {"NUL, ESC, DEL", std::string("a\0b", 3) + "\x1b[2Jc\x7f", "a b [2Jc ", "a b [2Jc "},
      {"NEL and the other C1 controls", "a\u0085b\u0080c\u009fd", "a b c d", "a b c d"},
      {"line and paragraph separators", "a\u2028b\u2029c", "a b c", "a b c"},
      {"marks that reorder what is shown", "a\u202Eexe.txt\u202Cb\u2066c\u2069", "a exe.txt b c ", "a exe.txt b c "},
      {"neighbours of those stay", "\u00A0\u2027\u202F\u2065\u206A…", "\u00A0\u2027\u202F\u2065\u206A…",
       "\u00A0\u2027\u202F\u2065\u206A…"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(LogLineText(c.text), c.line);
    EXPECT_EQ(LogField(c.text), c.field);
  }
}

// A log as a run sees it: every line it was given, in order, and from which
// one on nothing reached the file any more; optionally one that throws.
class ScriptedLog : public IRunLog {
 public:
  void Line(std::string_view text) override {
    if (throws) throw std::runtime_error("log broken");
    given.emplace_back(text);
    if (lostFrom && given.size() > *lostFrom) lost = true;
  }
  bool AllLinesWritten() const override { return !lost; }

  std::optional<std::size_t> lostFrom;  // index of the first line that cannot be written
  bool throws = false;
  bool lost = false;
  Lines given;
};

TEST(FinishUnattendedRun, TheExitCodeSaysWhatHappenedToTheCommandAndItsLog) {
  const struct {
    const char* name;
    std::function<ExitCode(IRunLog&)> run;
    std::optional<std::size_t> lostFrom;
    ExitCode code;
    Lines tail;  // the last lines given to the log
  } cases[] = {
      {"done", [](IRunLog& log) { log.Line("step"); return ExitCode::Done; }, std::nullopt, ExitCode::Done,
       {"step", "終了コード: 0"}},
      {"the command's own failure", [](IRunLog&) { return ExitCode::NotFound; }, std::nullopt, ExitCode::NotFound,
       {"終了コード: 3"}},
      {"a line lost half-way: the work stands, the code says the log is short",
       [](IRunLog& log) { log.Line("a"); log.Line("b"); log.Line("c"); return ExitCode::Done; }, 1,
       ExitCode::LogIncomplete,
       {"c", "ログを最後まで書き込めませんでした。処理の終了コード: 0", "終了コード: 8"}},
      {"a lost line does not hide the command's failure from the log",
       [](IRunLog& log) { log.Line("a"); return ExitCode::OperationFailed; }, 0, ExitCode::LogIncomplete,
       {"ログを最後まで書き込めませんでした。処理の終了コード: 5", "終了コード: 8"}},
      {"only the last line lost",
       [](IRunLog& log) { log.Line("a"); return ExitCode::Done; }, 1, ExitCode::LogIncomplete,
       {"終了コード: 0", "ログを最後まで書き込めませんでした。処理の終了コード: 0", "終了コード: 8"}},
      {"an exception", [](IRunLog& log) -> ExitCode { log.Line("a"); throw std::length_error("vector"); },
       std::nullopt, ExitCode::UnexpectedError, {"a", "予期しないエラーで中断しました: vector", "終了コード: 9"}},
      {"something thrown that is no std::exception", [](IRunLog&) -> ExitCode { throw 42; }, std::nullopt,
       ExitCode::UnexpectedError, {"予期しないエラーで中断しました。", "終了コード: 9"}},
      {"an exception outranks a lost line: the command's state is unknown",
       [](IRunLog& log) -> ExitCode { log.Line("a"); throw std::bad_alloc(); }, 0, ExitCode::UnexpectedError,
       {"終了コード: 9"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedLog log;
    log.lostFrom = c.lostFrom;
    EXPECT_EQ(FinishUnattendedRun(log, [&] { return c.run(log); }), c.code);
    ASSERT_GE(log.given.size(), c.tail.size());
    EXPECT_EQ(Lines(log.given.end() - c.tail.size(), log.given.end()), c.tail);
  }
}

TEST(FinishUnattendedRun, ALogThatThrowsStillEndsTheRunWithItsCode) {
  ScriptedLog log;
  bool worked = false;
  const ExitCode code = FinishUnattendedRun(log, [&] {
    worked = true;
    log.throws = true;
    log.Line("step");  // throws out of the command
    return ExitCode::Done;
  });
  EXPECT_TRUE(worked);
  EXPECT_EQ(code, ExitCode::UnexpectedError);
  EXPECT_TRUE(log.given.empty());
}

}  // namespace
