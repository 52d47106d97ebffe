#include "copy/content_size.h"

#include <gtest/gtest.h>

#include <limits>

#include "platform/fake/fake_profile.h"

namespace {

constexpr std::int64_t MB = 1048576;

TEST(ContentSize, SectionNames) {
  const struct {
    const char* year;
    const char* code;
    const char* edition;
    const char* expected;
  } cases[] = {
      {"2006", "B", "", "Tav2006B"},     {"2007", "B", "", "Tav2007B"},
      {"2007", "E", "E", "Tav2007E_E"},  {"2007", "E", "W", "Tav2007E_W"},
      {"2007", "E", "", "Tav2007E_"},    {"2006", "E", "E", "Tav2006E"},
      {"2006", "E", "W", "Tav2006E"},    {"2002", "W", "", "Tav2002W"},
  };
  for (const auto& c : cases) EXPECT_EQ(KindSizeSectionName(c.year, c.code, c.edition), c.expected);
}

TEST(ContentSize, ParsesLikeAtoi64) {
  const struct {
    const char* text;
    std::int64_t expected;
  } cases[] = {
      {"104857600", 104857600},
      {"52428800MB", 52428800},
      {"12 34", 12},
      {"  \t77", 77},
      {"+5", 5},
      {"-5", -5},
      {"- 5", 0},
      {"abc", 0},
      {"", 0},
      {"0x10", 0},
      {"9223372036854775807", std::numeric_limits<std::int64_t>::max()},
      {"9223372036854775808", std::numeric_limits<std::int64_t>::max()},
      {"99999999999999999999999", std::numeric_limits<std::int64_t>::max()},
      {"-9223372036854775808", std::numeric_limits<std::int64_t>::min()},
      {"-99999999999999999999999", std::numeric_limits<std::int64_t>::min()},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseInt64Prefix(c.text), c.expected) << '"' << c.text << '"';
}

class KindSizes : public ::testing::Test {
 protected:
  KindSize Read(const char* key) { return ReadKindSize(profile, "C:\\Tav\\TavCopyTool.INI", "Tav2007B", key); }
  FakeProfile profile;
};

TEST_F(KindSizes, ValueDecidesOfferAndLabel) {
  const struct {
    const char* value;  // nullptr: no such key
    std::int64_t bytes;
    bool offered;
    const char* label;
  } cases[] = {
      {"104857600", 100 * MB, true, "（約100MB）"},
      {"52428800 bytes", 50 * MB, true, "（約50MB）"},
      {"1048575", 1048575, true, "（約0MB）"},
      {"1", 1, true, "（約0MB）"},
      {"5368709120", 5 * 1024 * MB, true, "（約5120MB）"},
      {"0", 0, false, ""},
      {"-104857600", -100 * MB, false, ""},
      {"", 0, false, ""},
      {"about 100MB", 0, false, ""},
      {nullptr, 0, false, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value ? c.value : "<missing>");
    profile.sections.clear();
    if (c.value) profile.sections["Tav2007B"]["Word"] = c.value;
    const KindSize s = Read("Word");
    EXPECT_EQ(s.bytes, c.bytes);
    EXPECT_EQ(s.offered, c.offered);
    EXPECT_EQ(s.label, c.label);
  }
}

TEST_F(KindSizes, KeysAreKindNamesInTheirOwnCase) {
  profile.sections["Tav2007B"]["word"] = "104857600";
  EXPECT_FALSE(Read("Word").offered);
}

TEST_F(KindSizes, SectionOfferingWordAndPdf) {
  profile.sections["Tav2007B"] = {{"Word", "104857600"}, {"PDF", "52428800"}};
  const auto sizes = ReadKindSizes(profile, "ini", "Tav2007B");
  KindFlags offered{};
  for (int k = 0; k < kKindCount; ++k) offered[k] = sizes[k].offered;
  KindFlags expected{};
  expected[KindIndex(ContentKind::Word)] = expected[KindIndex(ContentKind::PDF)] = true;
  EXPECT_EQ(offered, expected);
  EXPECT_EQ(sizes[KindIndex(ContentKind::Word)].label, "（約100MB）");
  EXPECT_EQ(sizes[KindIndex(ContentKind::PDF)].label, "（約50MB）");

  EXPECT_EQ(RequiredSpaceLine(RequiredSpace(sizes, offered)), "コピー先のハードディスクには、約150MBの空き容量が必要です。");
  offered[KindIndex(ContentKind::PDF)] = false;
  EXPECT_EQ(RequiredSpace(sizes, offered), static_cast<std::uint64_t>(100 * MB));
}

TEST_F(KindSizes, NoTableOffersNothing) {
  const auto sizes = ReadKindSizes(profile, "missing.ini", "Tav2007B");
  for (const auto& s : sizes) EXPECT_FALSE(s.offered);
  KindFlags all;
  all.fill(true);
  EXPECT_EQ(RequiredSpaceLine(RequiredSpace(sizes, all)), "コピー先のハードディスクには、約0MBの空き容量が必要です。");
}

TEST(ContentSize, RequiredSpaceIsA64BitSum) {
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  const struct {
    const char* name;
    std::array<std::int64_t, kKindCount> sizes;
    KindFlags ticks;
    std::uint64_t expected;
  } cases[] = {
      {"only ticked kinds", {1, 2, 4, 8, 16, 32, 64}, {true, false, true, false, false, false, true}, 69},
      {"beyond 4 GiB", {3 * 1024 * MB, 3 * 1024 * MB, 0, 0, 0, 0, 0}, {true, true}, 6ull * 1024 * MB},
      {"non-positive sizes add nothing", {-100, 0, 7, 0, 0, 0, 0}, {true, true, true}, 7},
      {"stops at the limit", {kMax, kMax, kMax, 0, 0, 0, 0}, {true, true, true},
       std::numeric_limits<std::uint64_t>::max()},
  };
  for (const auto& c : cases) EXPECT_EQ(RequiredSpace(c.sizes, c.ticks), c.expected) << c.name;
  EXPECT_EQ(RequiredSpaceLine(6ull * 1024 * MB), "コピー先のハードディスクには、約6144MBの空き容量が必要です。");
  EXPECT_EQ(RequiredSpaceLine(std::numeric_limits<std::uint64_t>::max()),
            "コピー先のハードディスクには、約17592186044415MBの空き容量が必要です。");
}

TEST(ContentSize, DiscCaptionLine) {
  EXPECT_EQ(DiscCaptionLine("2007", "英語・東日本版"), "セットされたCD-ROMは「Tav2007 英語・東日本版」です。");
}

}  // namespace
