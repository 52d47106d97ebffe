#include "catalogue/subject_catalogue.h"

#include <gtest/gtest.h>

TEST(SubjectCatalogue, FixedOrderWithEarthLast) {
  std::string codes, keys;
  for (const auto& s : kSubjects) codes += s.code;
  EXPECT_EQ(codes, "BCEGHJMPVWT");
  EXPECT_STREQ(kSubjects[8].keyName, "ciVics");
  EXPECT_STREQ(kSubjects[10].keyName, "Earth");
}

TEST(SubjectCatalogue, LookupsAreExact) {
  ASSERT_NE(FindSubjectByCode('T'), nullptr);
  EXPECT_EQ(SubjectIndex(*FindSubjectByCode('T')), 10);
  EXPECT_EQ(FindSubjectByCode('b'), nullptr);
  EXPECT_EQ(FindSubjectByCode('Z'), nullptr);
  EXPECT_EQ(FindSubjectByDisplayName("世界史")->code, 'W');
  EXPECT_EQ(FindSubjectByDisplayName("英語・東日本版"), nullptr);
  EXPECT_EQ(FindSubjectByDisplayName("生物 "), nullptr);
}

TEST(SubjectCatalogue, EnglishEditionNames) {
  const SubjectInfo& english = *FindSubjectByCode('E');
  EXPECT_EQ(SubjectDisplayName(english, ""), "英語");
  EXPECT_EQ(SubjectDisplayName(english, "E"), "英語・東日本版");
  EXPECT_EQ(SubjectDisplayName(english, "W"), "英語・西日本版");
  EXPECT_EQ(SubjectDisplayName(*FindSubjectByCode('B'), "E"), "生物");
}

TEST(SubjectCatalogue, DataSetNameIsTheYearAndTheDisplayNameOneBlankApart) {
  EXPECT_EQ(DataSetName("2007", "生物"), "Tav2007 生物");
  EXPECT_EQ(DataSetName("2007", SubjectDisplayName(*FindSubjectByCode('E'), "W")), "Tav2007 英語・西日本版");
  EXPECT_EQ(DataSetName("%s", "x"), "Tav%s x");
}
