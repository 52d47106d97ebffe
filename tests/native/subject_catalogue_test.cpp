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

TEST(SubjectCatalogue, ListLinesRoundTripForEverySubjectAndYear) {
  for (const auto& s : kSubjects) {
    for (int year = 2000; year <= 2007; ++year) {
      const std::string line = FormatListLine(s, year);
      EXPECT_EQ(line.substr(0, 9), "Tav" + std::to_string(year) + "  ");
      const ListLine parsed = ParseListLine(line);
      EXPECT_EQ(parsed.year, std::to_string(year));
      EXPECT_EQ(parsed.recordDigits, std::to_string(year).substr(2));
      EXPECT_EQ(parsed.subject, &s) << line;
    }
  }
  EXPECT_EQ(FormatListLine(kSubjects[10], 2003), "Tav2003  地学・総合");
}

TEST(SubjectCatalogue, UnknownOrShortListLinesDecodeToNoSubject) {
  EXPECT_EQ(ParseListLine("Tav2005  英語・東日本版").subject, nullptr);
  EXPECT_EQ(ParseListLine("Tav2005").subject, nullptr);
  EXPECT_EQ(ParseListLine("").year, "");
}
