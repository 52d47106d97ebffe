// The arrival check compares names as Windows does, and a source that holds
// two names which are one to Windows (a case-sensitive file server) cannot
// be proved copied.
#include "command/tree_checks.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_file_system.h"
#include "tests/native/unattended_fixture.h"
#include "unattended/command_line.h"

namespace {

TEST(FilesArrived, NamesCompareAsWindowsComparesThem) {
  const struct {
    const char* name;
    std::vector<FileEntry> source;
    bool arrived;
  } cases[] = {
      {"the target spells it in full-width lower case", {{"Ａ.pdf", 5}}, true},
      {"the target spells it in another ASCII case", {{"SUB\\Q.DOC", 7}}, true},
      {"an ASCII name is not its full-width twin", {{"a.pdf", 5}}, false},
      {"dotless i is not I", {{"sub\\ıq.doc", 7}}, false},
      {"two source names that are one to Windows", {{"sub\\q.doc", 7}, {"SUB\\Q.doc", 7}}, false},
      {"a folder and a file of one name to Windows", {{"sub", 0, true}, {"SUB", 7}}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeFileSystem files;
    files.AddFile("D:\\t\\ａ.pdf", 5);
    files.AddFile("D:\\t\\sub\\q.doc", 7);
    EXPECT_EQ(FilesArrived(files, c.source, "D:\\t"), c.arrived);
  }
}

// A Biology disc's content on a case-sensitive share whose Word folder holds
// q01.doc and Q01.DOC: one file on the hard disk, so the copy is refused
// before the shell starts, nothing copied, nothing registered.
TEST(FilesArrived, ACopyFromASourceWithTwoNamesThatAreOneIsRefused) {
  UnattendedWorld w;
  w.disks.drives['D'] = {DriveType::Fixed, std::nullopt, std::uint64_t{1} << 40};
  w.files.AddFolder("D:\\");
  w.files.AddFile("\\\\srv\\tav\\bio07\\TestDoc_B\\Word\\q01.doc", 1000);
  w.files.extraEntries[UpcaseAsWindows("\\\\srv\\tav\\bio07\\TestDoc_B\\Word")] = {{"Q01.DOC", 2000}};
  w.profile.sections["Tav2007B"] = {{"Word", "3000"}};
  w.app.m_bAdmin[kBiologyRow] = true;
  const auto request = ParseCommandLine("/copy \\\\srv\\tav\\bio07 D: /label TAV07B_S /kinds Word").request;
  EXPECT_EQ(RunUnattended(request, w.ctx), ExitCode::OperationFailed);
  EXPECT_EQ(w.log.lines.back(), "コピーを中断しました。");
  EXPECT_TRUE(w.files.shellCalls.empty());
  EXPECT_EQ(w.Record("Biology", "2007"), std::nullopt);
}

}  // namespace
