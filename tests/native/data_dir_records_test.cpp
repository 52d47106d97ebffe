#include "catalogue/data_dir_records.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/fake/fake_registry.h"

namespace {

const char* const kBiology = "SOFTWARE\\KR_LAB\\Tav2007\\Biology";
const char* const kEarth = "SOFTWARE\\KR_LAB\\Tav2007\\Earth";
const char* const kGeneral = "SOFTWARE\\KR_LAB\\Tav2007\\General";

TEST(DataDirRecords, ValueNameTakesTheLastTwoYearDigits) {
  const struct {
    const char* year;
    const char* name;
  } cases[] = {{"2000", "DataDir00"}, {"2003", "DataDir03"}, {"2007", "DataDir07"}};
  for (const auto& c : cases) EXPECT_EQ(DataDirValueName(c.year), c.name) << c.year;
  EXPECT_EQ(DataDirKeyPath("ciVics"), "SOFTWARE\\KR_LAB\\Tav2007\\ciVics");
}

TEST(DataDirRecords, ValueNameOfAMalformedYearNeverNamesTheDefaultValue) {
  // An empty value name would address the key's default value.
  for (const char* year : {"", "2", "20"}) EXPECT_EQ(DataDirValueName(year), "DataDir") << year;
}

class DataDirRecordsTest : public ::testing::Test {
 protected:
  void Put(const char* key, const char* name, const std::string& value) {
    registry.Set(RegRoot::LocalMachine, key, name, value);
  }
  std::optional<std::string> Get(const char* key, const char* name) const {
    return registry.Get(RegRoot::LocalMachine, key, name);
  }
  void TearDown() override { EXPECT_EQ(registry.openHandles, 0) << "a key was left open"; }

  FakeRegistry registry;
};

TEST_F(DataDirRecordsTest, EnumerationSkipsGapsShortAndOverlongValuesAndForeignNames) {
  Put(kBiology, "DataDir00", "D:\\a" + std::string(1, '\0') + std::string(300, 'x'));  // 305 stored: no record
  Put(kBiology, "DataDir01", "C:");                       // 2 characters: no data set
  Put(kBiology, "DataDir02", "");                         // empty
  Put(kBiology, "DataDir03", "D:\\");                     // 3 characters: counts
  Put(kBiology, "DataDir04", "D:\\" + std::string(257, 'x'));  // exactly 260
  Put(kBiology, "DataDir05", "D:\\" + std::string(258, 'x'));  // 261: unreadable
  Put(kBiology, "datadir06", "E:\\KR_LAB\\Tav2006\\TestDoc_B");  // name case does not matter
  Put(kBiology, "DataDir07", "表示\\ソ");                 // 5 characters, more bytes
  Put(kBiology, "DataDir08", "D:\\KR_LAB\\Tav2008\\TestDoc_B");
  Put(kBiology, "DataDir7", "D:\\KR_LAB\\Tav2007\\TestDoc_B");
  Put(kBiology, "Path", "D:\\KR_LAB");

  const auto records = EnumDataDirRecords(registry, "BIOLOGY");
  std::vector<std::string> years;
  for (const auto& r : records) years.push_back(r.year);
  EXPECT_EQ(years, (std::vector<std::string>{"2003", "2004", "2006", "2007"}));
  ASSERT_EQ(records.size(), 4u);
  EXPECT_EQ(records[0].path, "D:\\");
  EXPECT_EQ(records[2].path, "E:\\KR_LAB\\Tav2006\\TestDoc_B");
  EXPECT_EQ(records[3].path, "表示\\ソ");
}

TEST_F(DataDirRecordsTest, TwoCharacterJapaneseValueIsNotARecord) {
  Put(kBiology, "DataDir00", "表ソ");  // 6 bytes, but 2 characters
  EXPECT_TRUE(EnumDataDirRecords(registry, "Biology").empty());
}

TEST_F(DataDirRecordsTest, PathCutToTwoCharactersByANulIsNotARecord) {
  Put(kBiology, "DataDir00", std::string("C:\0", 3) + "\\KR_LAB\\Tav2000\\TestDoc_B");
  EXPECT_TRUE(EnumDataDirRecords(registry, "Biology").empty());
}

TEST_F(DataDirRecordsTest, MissingKeyYieldsNothingAndIsNotCreated) {
  EXPECT_TRUE(EnumDataDirRecords(registry, "Chemistry").empty());
  EXPECT_EQ(ReadDataDirRecord(registry, "Chemistry", "2007"), std::nullopt);
  EXPECT_FALSE(registry.KeyExists(RegRoot::LocalMachine, "SOFTWARE\\KR_LAB\\Tav2007\\Chemistry"));
}

TEST_F(DataDirRecordsTest, GeneralRecordsAreNeverListedUnderEarth) {
  Put(kGeneral, "DataDir05", "D:\\KR_LAB\\Tav2005\\TestDoc_T");
  EXPECT_TRUE(EnumDataDirRecords(registry, "Earth").empty());
}

TEST_F(DataDirRecordsTest, ReadGivesTheValueOrFailsWithinTheLengthLimit) {
  Put(kBiology, "DataDir05", "D:\\KR_LAB\\Tav2005\\TestDoc_B");
  Put(kBiology, "DataDir06", "D:\\" + std::string(257, 'x'));
  Put(kBiology, "DataDir07", "D:\\" + std::string(258, 'x'));
  Put(kBiology, "DataDir02", "D:\\a" + std::string(1, '\0') + std::string(300, 'x'));
  Put(kBiology, "DataDir03", "D:\\b" + std::string(1, '\0') + std::string(255, 'x'));
  Put(kBiology, "DataDir01", std::string("C:\0", 3) + std::string(200, 'x'));
  registry.Set(RegRoot::CurrentUser, kBiology, "DataDir04", "D:\\KR_LAB\\Tav2004\\TestDoc_B");

  const struct {
    const char* year;
    std::optional<std::string> expected;
  } cases[] = {
      {"2005", "D:\\KR_LAB\\Tav2005\\TestDoc_B"},
      {"2006", "D:\\" + std::string(257, 'x')},
      {"2007", std::nullopt},  // longer than 260 characters
      {"2002", std::nullopt},  // a short path, a NUL and 300 more: too long as stored
      {"2003", "D:\\b"},      // 260 as stored: the path ends at the NUL
      {"2001", "C:"},          // read, though too short to be listed
      {"2000", std::nullopt},  // missing value
      {"2004", std::nullopt},  // only under the user's root
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadDataDirRecord(registry, "Biology", c.year), c.expected) << c.year;
    EXPECT_EQ(registry.openHandles, 0) << c.year;
  }
}

TEST_F(DataDirRecordsTest, WriteCreatesTheKeyAndReplacesAnEarlierRecord) {
  EXPECT_EQ(WriteDataDirRecord(registry, "Biology", "2005", "D:\\KR_LAB\\Tav2005\\TestDoc_B"), RecordUpdate::Done);
  EXPECT_EQ(WriteDataDirRecord(registry, "Biology", "2005", "E:\\KR_LAB\\Tav2005\\TestDoc_B"), RecordUpdate::Done);
  EXPECT_EQ(registry.ValueNames(RegRoot::LocalMachine, kBiology), std::set<std::string>{"DataDir05"});
  EXPECT_EQ(Get(kBiology, "DataDir05"), "E:\\KR_LAB\\Tav2005\\TestDoc_B");
  EXPECT_FALSE(registry.KeyExists(RegRoot::LocalMachine, kGeneral));
  EXPECT_FALSE(registry.KeyExists(RegRoot::CurrentUser, kBiology));
}

TEST_F(DataDirRecordsTest, EarthInAnyLetterCaseTouchesItsGeneralTwin) {
  for (const char* key : {"Earth", "EARTH", "earth", "eArTh"}) {
    SCOPED_TRACE(key);
    EXPECT_EQ(WriteDataDirRecord(registry, key, "2003", "D:\\KR_LAB\\Tav2003\\TestDoc_T"), RecordUpdate::Done);
    EXPECT_EQ(Get(kEarth, "DataDir03"), "D:\\KR_LAB\\Tav2003\\TestDoc_T");
    EXPECT_EQ(Get(kGeneral, "DataDir03"), "D:\\KR_LAB\\Tav2003\\TestDoc_T");

    EXPECT_EQ(DeleteDataDirRecord(registry, key, "2003"), RecordUpdate::Done);
    EXPECT_EQ(Get(kEarth, "DataDir03"), std::nullopt);
    EXPECT_EQ(Get(kGeneral, "DataDir03"), std::nullopt);
  }
}

TEST_F(DataDirRecordsTest, OtherSubjectsLeaveGeneralAlone) {
  Put(kGeneral, "DataDir03", "D:\\KR_LAB\\Tav2003\\TestDoc_T");
  Put(kBiology, "DataDir03", "D:\\KR_LAB\\Tav2003\\TestDoc_B");
  EXPECT_EQ(WriteDataDirRecord(registry, "Biology", "2003", "E:\\x\\y"), RecordUpdate::Done);
  EXPECT_EQ(DeleteDataDirRecord(registry, "Biology", "2003"), RecordUpdate::Done);
  EXPECT_EQ(Get(kGeneral, "DataDir03"), "D:\\KR_LAB\\Tav2003\\TestDoc_T");
}

TEST_F(DataDirRecordsTest, DeniedKeysGiveTheirOutcomeAndChangeNothingElse) {
  Put(kEarth, "DataDir01", "old earth");
  Put(kGeneral, "DataDir01", "old general");

  registry.Deny(RegRoot::LocalMachine, kGeneral);
  EXPECT_EQ(WriteDataDirRecord(registry, "Earth", "2001", "new"), RecordUpdate::TwinFailed);
  EXPECT_EQ(Get(kEarth, "DataDir01"), "new");
  EXPECT_EQ(Get(kGeneral, "DataDir01"), "old general");
  EXPECT_EQ(DeleteDataDirRecord(registry, "Earth", "2001"), RecordUpdate::TwinFailed);
  EXPECT_EQ(Get(kEarth, "DataDir01"), std::nullopt);
  EXPECT_EQ(Get(kGeneral, "DataDir01"), "old general");

  Put(kEarth, "DataDir01", "old earth");
  registry.Deny(RegRoot::LocalMachine, kEarth);
  EXPECT_EQ(WriteDataDirRecord(registry, "Earth", "2001", "newer"), RecordUpdate::SubjectKeyFailed);
  EXPECT_EQ(DeleteDataDirRecord(registry, "Earth", "2001"), RecordUpdate::SubjectKeyFailed);
  EXPECT_EQ(Get(kEarth, "DataDir01"), "old earth");
  EXPECT_EQ(ReadDataDirRecord(registry, "Earth", "2001"), std::nullopt);
  EXPECT_TRUE(EnumDataDirRecords(registry, "Earth").empty());
}

TEST_F(DataDirRecordsTest, RemovalNeverCreatesAKeyAndAGoneValueCountsAsRemoved) {
  EXPECT_EQ(DeleteDataDirRecord(registry, "Biology", "2004"), RecordUpdate::SubjectKeyFailed);
  EXPECT_FALSE(registry.KeyExists(RegRoot::LocalMachine, kBiology));

  Put(kEarth, "DataDir04", "D:\\KR_LAB\\Tav2004\\TestDoc_T");
  EXPECT_EQ(DeleteDataDirRecord(registry, "Earth", "2004"), RecordUpdate::TwinFailed) << "General is missing";
  EXPECT_FALSE(registry.KeyExists(RegRoot::LocalMachine, kGeneral));

  Put(kBiology, "DataDir05", "keep");
  EXPECT_EQ(DeleteDataDirRecord(registry, "Biology", "2004"), RecordUpdate::Done);
  EXPECT_EQ(Get(kBiology, "DataDir05"), "keep");
}

TEST_F(DataDirRecordsTest, EmptySubjectKeyNeverReachesTheProductKey) {
  Put("SOFTWARE\\KR_LAB\\Tav2007\\", "DataDir05", "D:\\KR_LAB\\Tav2005\\TestDoc_B");
  Put("SOFTWARE\\KR_LAB\\Tav2007", "DataDir05", "D:\\KR_LAB\\Tav2005\\TestDoc_B");
  EXPECT_TRUE(EnumDataDirRecords(registry, "").empty());
  EXPECT_EQ(ReadDataDirRecord(registry, "", "2005"), std::nullopt);
  EXPECT_EQ(WriteDataDirRecord(registry, "", "2005", "x"), RecordUpdate::SubjectKeyFailed);
  EXPECT_EQ(DeleteDataDirRecord(registry, "", "2005"), RecordUpdate::SubjectKeyFailed);
  EXPECT_EQ(Get("SOFTWARE\\KR_LAB\\Tav2007\\", "DataDir05"), "D:\\KR_LAB\\Tav2005\\TestDoc_B");
  EXPECT_EQ(Get("SOFTWARE\\KR_LAB\\Tav2007", "DataDir05"), "D:\\KR_LAB\\Tav2005\\TestDoc_B");
}

// A registry whose keys open but refuse to store values, as a key opened with
// too few rights or a full registry hive would.
class ReadOnlyValues : public IRegistry {
 public:
  explicit ReadOnlyValues(IRegistry& inner, std::string refusedPath) : inner_(inner), refused_(std::move(refusedPath)) {}
  std::unique_ptr<IRegistryKey> OpenKey(RegRoot root, const std::string& path, RegAccess access) override {
    return inner_.OpenKey(root, path, access);
  }
  std::unique_ptr<IRegistryKey> CreateKey(RegRoot root, const std::string& path) override {
    return path == refused_ ? inner_.OpenKey(root, path, RegAccess::Read) : inner_.CreateKey(root, path);
  }

 private:
  IRegistry& inner_;
  std::string refused_;
};

TEST_F(DataDirRecordsTest, AValueThatCannotBeSetIsNotReportedAsWritten) {
  Put(kEarth, "DataDir02", "old");
  Put(kGeneral, "DataDir02", "old");
  {
    ReadOnlyValues subjectRefuses(registry, kEarth);
    EXPECT_EQ(WriteDataDirRecord(subjectRefuses, "Earth", "2002", "new"), RecordUpdate::SubjectKeyFailed);
    EXPECT_EQ(Get(kGeneral, "DataDir02"), "old") << "the twin must not run ahead of its record";
  }
  {
    ReadOnlyValues twinRefuses(registry, kGeneral);
    EXPECT_EQ(WriteDataDirRecord(twinRefuses, "Earth", "2002", "new"), RecordUpdate::TwinFailed);
    EXPECT_EQ(Get(kEarth, "DataDir02"), "new");
  }
}

TEST(DataDirRecords, CallerMessages) {
  EXPECT_STREQ(kRegistryReadFailedMessage, "レジストリにアクセスできません。");
  EXPECT_STREQ(kRegistryWriteFailedMessage, "レジストリに登録できませんでした。");
  EXPECT_STREQ(kRegistryDeleteFailedMessage, "レジストリを削除できませんでした。");
}

}  // namespace
