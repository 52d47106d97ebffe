// A command stopped by a power cut leaves one of its working folders beside
// the data folder; the next command that uses that data folder finishes it
// or takes it back, by renames, before it acts.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "command/staged_transfer.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_registry.h"
#include "platform/text.h"

namespace {

const std::string kData = "D:\\KR_LAB\\Tav2007\\TestDoc_B";
const std::string kOld = "D:\\Old\\TestDoc_B";

struct Repair {
  FakeFileSystem files;
  FakeRegistry registry;
  void SetRecord(const std::string& folder) {
    registry.Set(RegRoot::LocalMachine, DataDirKeyPath("Biology"), "DataDir07", folder);
  }
  std::optional<std::string> Record() const {
    return registry.Get(RegRoot::LocalMachine, DataDirKeyPath("Biology"), "DataDir07");
  }
};

TEST(WorkingFolderRepair, EachFolderAPowerCutLeavesIsFinishedOrTakenBack) {
  const struct {
    const char* name;
    std::function<void(Repair&)> leftByThePowerCut;
    std::function<void(Repair&)> expect;
  } cases[] = {
      {"a staging folder (the copy not yet checked): removed, the data set untouched",
       [](Repair& r) {
         r.SetRecord(kData);
         r.files.AddFile(kData + "\\Word\\q01.doc", 999);
         r.files.AddFile(kData + ".tavstage\\Word\\q01.doc", 400);  // cut short
       },
       [](Repair& r) {
         EXPECT_EQ(r.files.FileSize(kData + "\\Word\\q01.doc"), 999u);
         EXPECT_EQ(r.Record(), kData);
       }},
      {"a commit folder half merged, nothing registered yet: finished and registered",
       [](Repair& r) {
         r.files.AddFile(kData + "\\Word\\q01.doc", 1000);                 // already merged
         r.files.AddFile(kData + ".tavcommit\\PDF\\q01.pdf", 3000);        // still to go
         r.files.AddFile(kData + ".tavcommit\\Word\\sub\\q02.doc", 2000);  // still to go
       },
       [](Repair& r) {
         EXPECT_EQ(r.files.FileSize(kData + "\\PDF\\q01.pdf"), 3000u);
         EXPECT_EQ(r.files.FileSize(kData + "\\Word\\sub\\q02.doc"), 2000u);
         EXPECT_EQ(r.files.FileSize(kData + "\\Word\\q01.doc"), 1000u);
         EXPECT_EQ(r.Record(), kData);
       }},
      {"a commit folder over a registered data set, a replaced file set aside: finished, the old one dropped",
       [](Repair& r) {
         r.SetRecord(kData);
         r.files.AddFile(kData + "\\Word\\old.doc", 7);
         r.files.AddFile(kData + ".tavold\\Word\\q01.doc", 999);
         r.files.AddFile(kData + "\\Word\\q01.doc", 1000);
         r.files.AddFile(kData + ".tavcommit\\Word\\q02.doc", 2000);
         r.files.AddFile(kData + "\\Word\\q02.doc", 1);  // not yet replaced
       },
       [](Repair& r) {
         EXPECT_EQ(r.files.FileSize(kData + "\\Word\\q01.doc"), 1000u);
         EXPECT_EQ(r.files.FileSize(kData + "\\Word\\q02.doc"), 2000u);
         EXPECT_EQ(r.files.FileSize(kData + "\\Word\\old.doc"), 7u);
         EXPECT_EQ(r.Record(), kData);
       }},
      {"a commit folder of a move across drives: finished, the record follows",
       [](Repair& r) {
         r.SetRecord("G:\\KR_LAB\\Tav2007\\TestDoc_B");
         r.files.AddFile("G:\\KR_LAB\\Tav2007\\TestDoc_B\\Word\\q01.doc", 1000);
         r.files.AddFile(kData + ".tavcommit\\Word\\q01.doc", 1000);
       },
       [](Repair& r) {
         EXPECT_EQ(r.files.FileSize(kData + "\\Word\\q01.doc"), 1000u);
         EXPECT_EQ(r.Record(), kData);
         EXPECT_EQ(r.files.FileSize("G:\\KR_LAB\\Tav2007\\TestDoc_B\\Word\\q01.doc"), 1000u)
             << "the old copy is left, whole";
       }},
      {"a move on one drive stopped while gathering: the kind folders go back to the registered folder",
       [](Repair& r) {
         r.SetRecord(kOld);
         r.files.AddFile(kOld + "\\PDF\\q01.pdf", 3000);
         r.files.AddFile(kData + ".tavgather\\Word\\q01.doc", 1000);
       },
       [](Repair& r) {
         EXPECT_EQ(r.files.FileSize(kOld + "\\Word\\q01.doc"), 1000u);
         EXPECT_EQ(r.files.FileSize(kOld + "\\PDF\\q01.pdf"), 3000u);
         EXPECT_EQ(r.Record(), kOld);
       }},
      {"a delete's set-aside folders while the record stays: put back",
       [](Repair& r) {
         r.SetRecord(kData);
         r.files.AddFolder(kData);
         r.files.AddFile(kData + ".tavdelete\\Word\\q01.doc", 1000);
       },
       [](Repair& r) {
         EXPECT_EQ(r.files.FileSize(kData + "\\Word\\q01.doc"), 1000u);
         EXPECT_EQ(r.Record(), kData);
       }},
      {"a delete's set-aside folders once the record is gone: deleted",
       [](Repair& r) { r.files.AddFile(kData + ".tavdelete\\Word\\q01.doc", 1000); },
       [](Repair& r) {
         EXPECT_FALSE(r.files.Exists(kData + "\\Word"));
         EXPECT_EQ(r.Record(), std::nullopt);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Repair r;
    r.files.AddFolder("D:\\KR_LAB\\Tav2007");
    c.leftByThePowerCut(r);
    RepairWorkingFolders(r.files, r.registry, kData, "Biology", "2007");
    c.expect(r);
    for (const char* suffix : {".tavstage", ".tavcommit", ".tavold", ".tavgather", ".tavdelete"})
      EXPECT_FALSE(r.files.Exists(kData + suffix)) << suffix << " left";
    EXPECT_EQ(r.registry.openHandles, 0);
  }
}

// A working folder someone else put beside the data folder (a link to their
// own folder, or one they own) is never finished, taken back or worked in:
// its content stays out of the data set, and the copy refuses.
TEST(WorkingFolderRepair, AWorkingFolderSomeoneElsePutThereIsLeftAloneAndTheCopyRefuses) {
  for (const bool isLink : {true, false}) {
    SCOPED_TRACE(isLink ? "a link" : "owned by an ordinary user");
    Repair r;
    r.SetRecord(kData);
    r.files.AddFile(kData + "\\Word\\q01.doc", 999);
    const std::string planted = kData + ".tavcommit";
    r.files.AddFile(planted + "\\Word\\q01.doc", 66);
    (isLink ? r.files.reparsePoints : r.files.untrustedOwners).insert(AsciiUpper(planted));
    RepairWorkingFolders(r.files, r.registry, kData, "Biology", "2007");
    EXPECT_EQ(r.files.FileSize(kData + "\\Word\\q01.doc"), 999u);
    EXPECT_EQ(r.files.FileSize(planted + "\\Word\\q01.doc"), 66u);

    r.files.AddFile("E:\\TestDoc_B\\Word\\q01.doc", 1000);
    const TransferOutcome outcome =
        StageAndCommit(r.files, {"E:\\TestDoc_B\\Word"}, {*r.files.ListTree("E:\\TestDoc_B\\Word")}, kData,
                       [] { return RecordUpdate::Done; });
    EXPECT_EQ(outcome.result, Transfer::Failed);
    EXPECT_TRUE(r.files.shellCalls.empty());
    EXPECT_EQ(r.files.FileSize(kData + "\\Word\\q01.doc"), 999u);
    EXPECT_EQ(r.files.FileSize(planted + "\\Word\\q01.doc"), 66u);
  }
}

}  // namespace
