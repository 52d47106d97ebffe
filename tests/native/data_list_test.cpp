#include "ui/data_list.h"

#include <gtest/gtest.h>

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

TEST_F(DataList, LinesOfTheAdministeredSubjectsInCatalogueAndYearOrder) {
  Record("Physics", "DataDir05", "D:\\KR_LAB\\Tav2005\\TestDoc_P");
  Record("Biology", "DataDir07", "D:\\KR_LAB\\Tav2007\\TestDoc_B");
  Record("English", "DataDir05", "D:\\KR_LAB\\Tav2005\\TestDoc_E");
  Record("Biology", "DataDir01", "C:\\KR_LAB\\Tav2001\\TestDoc_B");
  Record("Chemistry", "DataDir05", "D:\\KR_LAB\\Tav2005\\TestDoc_C");  // no rights on it
  Record("English", "DataDir06", "D:");                                  // 2 characters: no data set

  EXPECT_EQ(BuildDataListLines(registry, Rights({kBiology, kEnglish, kPhysics})),
            (std::vector<std::string>{"Tav2001  生物", "Tav2007  生物", "Tav2005  英語", "Tav2005  物理"}));
  EXPECT_TRUE(BuildDataListLines(registry, Rights({kEarth})).empty()) << "Earth has no records";
  EXPECT_TRUE(BuildDataListLines(registry, Rights({})).empty());
}

TEST_F(DataList, EarthIsListedOnceAndItsGeneralTwinNever) {
  Record("Earth", "DataDir03", "D:\\KR_LAB\\Tav2003\\TestDoc_T");
  Record("General", "DataDir03", "D:\\KR_LAB\\Tav2003\\TestDoc_T");
  Record("General", "DataDir04", "D:\\KR_LAB\\Tav2004\\TestDoc_T");
  std::array<bool, kSubjectCount> everyone;
  everyone.fill(true);
  EXPECT_EQ(BuildDataListLines(registry, everyone), std::vector<std::string>{"Tav2003  地学・総合"});
}

TEST_F(DataList, ASubjectKeyThatCannotBeOpenedContributesNothing) {
  Record("Biology", "DataDir07", "D:\\KR_LAB\\Tav2007\\TestDoc_B");
  Record("Earth", "DataDir07", "D:\\KR_LAB\\Tav2007\\TestDoc_T");
  registry.Deny(RegRoot::LocalMachine, "SOFTWARE\\KR_LAB\\Tav2007\\Biology");
  EXPECT_EQ(BuildDataListLines(registry, Rights({kBiology, kEarth})), std::vector<std::string>{"Tav2007  地学・総合"});
}

TEST(ChosenLine, DecodesIntoTheCurrentDataSet) {
  const struct {
    const char* line;
    const char* name;
    const char* code;
    const char* key;
    const char* year;
  } cases[] = {
      {"Tav2005  英語", "英語", "E", "English", "2005"},
      {"Tav2003  地学・総合", "地学・総合", "T", "Earth", "2003"},
      {"Tav2000  公民", "公民", "V", "ciVics", "2000"},
      {"Tav2005  英語・東日本版", "", "", "", "2005"},  // names no catalogue row
      {"Tav2005  ", "", "", "", "2005"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    TavAppState app;
    app.m_szSubjectName = "前";
    app.m_szSubject = "B";
    app.m_szSubjectKey = "Biology";
    app.m_szEdition = "W";
    app.m_szDataDir = "D:\\old";
    ApplyDataSetToMove(DataSetOfLine(c.line), app);
    EXPECT_EQ(app.m_szSubjectName, c.name);
    EXPECT_EQ(app.m_szSubject, c.code);
    EXPECT_EQ(app.m_szSubjectKey, c.key);
    EXPECT_EQ(app.m_szYear, c.year);
    EXPECT_EQ(app.m_szEdition, "W");
    EXPECT_EQ(app.m_szDataDir, "D:\\old");
  }
}

TEST_F(DataList, OnlyTheDeleteVariantReadsTheChosenRecord) {
  Record("Physics", "DataDir05", "D:\\KR_LAB\\Tav2005\\TestDoc_P");
  TavAppState app;
  app.m_szDataDir = "untouched";

  const auto toMove = ConfirmChosenLine(registry, DataListVariant::Move, "Tav2005  物理");
  ASSERT_TRUE(toMove);
  ApplyDataSetToMove(*toMove, app);
  EXPECT_EQ(app.m_szDataDir, "untouched");

  const auto toDelete = ConfirmChosenLine(registry, DataListVariant::Delete, "Tav2005  物理");
  ASSERT_TRUE(toDelete);
  ApplyDataSetToDelete(*toDelete, app);
  EXPECT_EQ(app.m_szDataDir, "D:\\KR_LAB\\Tav2005\\TestDoc_P");
}

TEST_F(DataList, DeleteOfARecordRemovedMeanwhileFails) {
  Record("Physics", "DataDir06", "D:\\KR_LAB\\Tav2006\\TestDoc_P");
  EXPECT_FALSE(ConfirmChosenLine(registry, DataListVariant::Delete, "Tav2005  物理"));
  EXPECT_FALSE(ConfirmChosenLine(registry, DataListVariant::Delete, "Tav2006  英語・西日本版"))
      << "a line that names no subject has no record";
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
