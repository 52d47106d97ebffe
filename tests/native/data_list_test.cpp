#include "ui/data_list.h"

#include <gtest/gtest.h>

#include "catalogue/data_dir_records.h"
#include "command/app_state.h"
#include "platform/fake/fake_registry.h"

namespace {

class DataList : public ::testing::Test {
 protected:
  void Record(const char* subjectKey, const char* name, const char* path) {
    registry.Set(RegRoot::LocalMachine, std::string("SOFTWARE\\KR_LAB\\Tav2007\\") + subjectKey, name, path);
  }
  static std::array<bool, kSubjectCount> Rights(std::initializer_list<int> subjects) {
    std::array<bool, kSubjectCount> admin{};
    for (int i : subjects) admin[i] = true;
    return admin;
  }
  void TearDown() override { EXPECT_EQ(registry.openHandles, 0); }

  FakeRegistry registry;
  static constexpr int kBiology = 0, kEnglish = 2, kPhysics = 7, kEarth = 10;
};

std::vector<std::string> LinesOf(const std::vector<ListedDataSet>& listed) {
  std::vector<std::string> lines;
  for (const auto& entry : listed) lines.push_back(entry.line);
  return lines;
}

// The listed data set whose line the user sees as `line`.
ListedDataSet Listed(IRegistry& registry, const std::string& line) {
  std::array<bool, kSubjectCount> everyone;
  everyone.fill(true);
  for (auto& entry : BuildDataList(registry, everyone))
    if (entry.line == line) return entry;
  ADD_FAILURE() << line << " is not listed";
  return {};
}

TEST_F(DataList, LinesOfTheAdministeredSubjectsInCatalogueAndYearOrder) {
  Record("Physics", "DataDir05", "D:\\KR_LAB\\Tav2005\\TestDoc_P");
  Record("Biology", "DataDir07", "D:\\KR_LAB\\Tav2007\\TestDoc_B");
  Record("English", "DataDir05", "D:\\KR_LAB\\Tav2005\\TestDoc_E");
  Record("Biology", "DataDir01", "C:\\KR_LAB\\Tav2001\\TestDoc_B");
  Record("Chemistry", "DataDir05", "D:\\KR_LAB\\Tav2005\\TestDoc_C");  // no rights on it
  Record("English", "DataDir06", "D:");                                  // 2 characters: no data set

  EXPECT_EQ(LinesOf(BuildDataList(registry, Rights({kBiology, kEnglish, kPhysics}))),
            (std::vector<std::string>{"Tav2001  生物", "Tav2007  生物", "Tav2005  英語", "Tav2005  物理"}));
  EXPECT_TRUE(BuildDataList(registry, Rights({kEarth})).empty()) << "Earth has no records";
  EXPECT_TRUE(BuildDataList(registry, Rights({})).empty());
}

TEST_F(DataList, EarthIsListedOnceAndItsGeneralTwinNever) {
  Record("Earth", "DataDir03", "D:\\KR_LAB\\Tav2003\\TestDoc_T");
  Record("General", "DataDir03", "D:\\KR_LAB\\Tav2003\\TestDoc_T");
  Record("General", "DataDir04", "D:\\KR_LAB\\Tav2004\\TestDoc_T");
  std::array<bool, kSubjectCount> everyone;
  everyone.fill(true);
  EXPECT_EQ(LinesOf(BuildDataList(registry, everyone)), std::vector<std::string>{"Tav2003  地学・総合"});
}

TEST_F(DataList, ASubjectKeyThatCannotBeOpenedContributesNothing) {
  Record("Biology", "DataDir07", "D:\\KR_LAB\\Tav2007\\TestDoc_B");
  Record("Earth", "DataDir07", "D:\\KR_LAB\\Tav2007\\TestDoc_T");
  registry.Deny(RegRoot::LocalMachine, "SOFTWARE\\KR_LAB\\Tav2007\\Biology");
  EXPECT_EQ(LinesOf(BuildDataList(registry, Rights({kBiology, kEarth}))), std::vector<std::string>{"Tav2007  地学・総合"});
}

// Every subject and year: the line shows the year and the subject's name,
// and carries that very data set with the folder its record holds.
TEST_F(DataList, EveryLineCarriesTheDataSetItShows) {
  for (const auto& subject : kSubjects)
    for (int year = 2000; year <= 2007; ++year)
      Record(subject.keyName, ("DataDir0" + std::to_string(year % 10)).c_str(),
             ("D:\\" + std::string(subject.keyName) + std::to_string(year)).c_str());
  std::array<bool, kSubjectCount> everyone;
  everyone.fill(true);
  const auto listed = BuildDataList(registry, everyone);
  ASSERT_EQ(listed.size(), kSubjects.size() * 8);
  std::size_t at = 0;
  for (const auto& subject : kSubjects) {
    for (int year = 2000; year <= 2007; ++year, ++at) {
      const ListedDataSet& entry = listed[at];
      SCOPED_TRACE(entry.line);
      EXPECT_EQ(entry.subject, &subject);
      EXPECT_EQ(entry.year, std::to_string(year));
      EXPECT_EQ(entry.dataDir, "D:\\" + std::string(subject.keyName) + std::to_string(year));
      EXPECT_EQ(entry.line, "Tav" + std::to_string(year) + "  " + subject.displayName);
      EXPECT_EQ(entry.line, FormatListLine(subject, year));
    }
  }
  EXPECT_EQ(FormatListLine(kSubjects[10], 2003), "Tav2003  地学・総合");
}

TEST_F(DataList, AChosenLineBecomesTheCurrentDataSet) {
  const struct {
    const char* subjectKey;
    const char* record;
    const char* line;
    const char* name;
    const char* code;
    const char* year;
  } cases[] = {
      {"English", "DataDir05", "Tav2005  英語", "英語", "E", "2005"},
      {"Earth", "DataDir03", "Tav2003  地学・総合", "地学・総合", "T", "2003"},
      {"ciVics", "DataDir00", "Tav2000  公民", "公民", "V", "2000"},
  };
  for (const auto& c : cases) Record(c.subjectKey, c.record, "D:\\KR_LAB\\data");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    TavAppState app;
    app.m_szSubjectName = "前";
    app.m_szSubject = "B";
    app.m_szSubjectKey = "Biology";
    app.m_szEdition = "W";
    app.m_szDataDir = "D:\\old";
    const auto chosen = ConfirmChosenDataSet(registry, DataListVariant::Move, Listed(registry, c.line));
    ASSERT_TRUE(chosen);
    ApplyDataSetToMove(*chosen, app);
    EXPECT_EQ(app.m_szSubjectName, c.name);
    EXPECT_EQ(app.m_szSubject, c.code);
    EXPECT_EQ(app.m_szSubjectKey, c.subjectKey);
    EXPECT_EQ(app.m_szYear, c.year);
    EXPECT_EQ(app.m_szEdition, "W");
    EXPECT_EQ(app.m_szDataDir, "D:\\old");
  }
}

// A data set without a subject (none the list can hand back) clears the
// subject of the current data set and keeps the rest.
TEST(ChosenDataSet, WithoutASubjectClearsTheCurrentSubject) {
  TavAppState app;
  app.m_szSubjectName = "前";
  app.m_szSubject = "B";
  app.m_szSubjectKey = "Biology";
  app.m_szEdition = "W";
  app.m_szDataDir = "D:\\old";
  ApplyDataSetToMove(ChosenDataSet{nullptr, "2005", {}}, app);
  EXPECT_EQ(app.m_szSubjectName, "");
  EXPECT_EQ(app.m_szSubject, "");
  EXPECT_EQ(app.m_szSubjectKey, "");
  EXPECT_EQ(app.m_szYear, "2005");
  EXPECT_EQ(app.m_szEdition, "W");
  EXPECT_EQ(app.m_szDataDir, "D:\\old");
}

TEST_F(DataList, OnlyTheDeleteVariantReadsTheChosenRecord) {
  Record("Physics", "DataDir05", "D:\\KR_LAB\\Tav2005\\TestDoc_P");
  TavAppState app;
  app.m_szDataDir = "untouched";

  const ListedDataSet physics = Listed(registry, "Tav2005  物理");
  const auto toMove = ConfirmChosenDataSet(registry, DataListVariant::Move, physics);
  ASSERT_TRUE(toMove);
  ApplyDataSetToMove(*toMove, app);
  EXPECT_EQ(app.m_szDataDir, "untouched");

  const auto toDelete = ConfirmChosenDataSet(registry, DataListVariant::Delete, physics);
  ASSERT_TRUE(toDelete);
  ApplyDataSetToDelete(*toDelete, app);
  EXPECT_EQ(app.m_szDataDir, "D:\\KR_LAB\\Tav2005\\TestDoc_P");
}

TEST_F(DataList, DeleteOfARecordRemovedOrChangedMeanwhile) {
  Record("Physics", "DataDir05", "D:\\KR_LAB\\Tav2005\\TestDoc_P");
  Record("Physics", "DataDir06", "D:\\KR_LAB\\Tav2006\\TestDoc_P");
  const ListedDataSet removed = Listed(registry, "Tav2005  物理");
  const ListedDataSet changed = Listed(registry, "Tav2006  物理");
  ASSERT_EQ(DeleteDataDirRecord(registry, "Physics", "2005"), RecordUpdate::Done);
  Record("Physics", "DataDir06", "E:\\elsewhere");
  EXPECT_FALSE(ConfirmChosenDataSet(registry, DataListVariant::Delete, removed));
  EXPECT_TRUE(ConfirmChosenDataSet(registry, DataListVariant::Move, removed)) << "the move reads it later";
  const auto now = ConfirmChosenDataSet(registry, DataListVariant::Delete, changed);
  ASSERT_TRUE(now);
  EXPECT_EQ(now->dataDir, "E:\\elsewhere") << "the record as it is, not as it was listed";
}

TEST(DataListTexts, BothVariants) {
  const DataListTexts& move = DataListTextsFor(DataListVariant::Move);
  const DataListTexts& del = DataListTextsFor(DataListVariant::Delete);
  EXPECT_STREQ(move.emptyListMessage, "移動できるデータがありません。");
  EXPECT_STREQ(del.emptyListMessage, "削除できるデータがありません。");
  EXPECT_STREQ(move.noSelectionMessage, "移動するデータを選択してください。");
  EXPECT_STREQ(del.noSelectionMessage, "削除するデータを選択してください。");
}

}  // namespace
