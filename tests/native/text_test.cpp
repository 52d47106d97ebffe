#include "platform/text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// UTF-16 code units, whatever the width of wchar_t on this host.
std::u16string Units(const std::wstring& text) {
  std::u16string units;
  for (wchar_t c : text) units.push_back(static_cast<char16_t>(c));
  return units;
}

std::wstring Wide(const std::u16string& units) { return std::wstring(units.begin(), units.end()); }

// Each row: UTF-8 bytes, what they convert to, and whether they are well formed.
TEST(Utf8ToUtf16, StrictDecoding) {
  const struct {
    const char* name;
    std::string utf8;
    std::u16string utf16;
    bool wellFormed;
  } cases[] = {
      {"ASCII with a separator", "D:\\a", u"D:\\a", true},
      {"two-byte", "\xC3\xA9", u"\u00E9", true},
      {"three-byte Japanese", "表ソ", u"\u8868\u30BD", true},
      {"four-byte kept as a surrogate pair", "\xF0\xA0\xAE\xB7", u"\xD842\xDFB7", true},
      {"the highest code point", "\xF4\x8F\xBF\xBF", u"\xDBFF\xDFFF", true},
      {"the last three-byte before the surrogates", "\xED\x9F\xBF", u"\uD7FF", true},
      {"overlong backslash, three bytes", "a\xE0\x81\x9C" "b", u"a\uFFFD\uFFFD\uFFFDb", false},
      {"overlong backslash, two bytes", "\xC1\x9C", u"\uFFFD\uFFFD", false},
      {"overlong slash, two bytes", "\xC0\xAF", u"\uFFFD\uFFFD", false},
      {"overlong four-byte", "\xF0\x8F\xBF\xBF", u"\uFFFD\uFFFD\uFFFD\uFFFD", false},
      {"encoded high surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD", false},
      {"encoded low surrogate", "\xED\xBF\xBF", u"\uFFFD\uFFFD\uFFFD", false},
      {"above U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD", false},
      {"no lead byte F5", "\xF5\x80", u"\uFFFD\uFFFD", false},
      {"cut at the end", "a\xE8\xA1", u"a\uFFFD", false},
      {"cut by ASCII, which survives", "\xE8\xA1\\", u"\uFFFD\\", false},
      {"stray continuation byte", "\x80x", u"\uFFFDx", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Units(Utf8ToUtf16(c.utf8)), c.utf16);
    EXPECT_EQ(IsWellFormedUtf8(c.utf8), c.wellFormed);
    EXPECT_EQ(Utf16Length(c.utf8), c.utf16.size()) << "counted as converted";
    if (c.wellFormed) {
      EXPECT_EQ(Utf16ToUtf8(Wide(c.utf16)), c.utf8) << "back again unchanged";
    }
  }
}

// Each row: UTF-16 units and the UTF-8 they become; a lone surrogate is no
// character and becomes U+FFFD rather than an encoded surrogate.
TEST(Utf16ToUtf8, PairsJoinedLoneSurrogatesReplaced) {
  const struct {
    const char* name;
    std::u16string utf16;
    std::string utf8;
  } cases[] = {
      {"folder named with a pair", u"D:\\\xD842\xDFB7", "D:\\\xF0\xA0\xAE\xB7"},
      {"lone high surrogate", u"a\xD800" u"b", "a\xEF\xBF\xBD" "b"},
      {"high surrogate at the end", u"a\xDBFF", "a\xEF\xBF\xBD"},
      {"lone low surrogate", u"\xDC00", "\xEF\xBF\xBD"},
      {"pair in the wrong order", u"\xDC00\xD800", "\xEF\xBF\xBD\xEF\xBF\xBD"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string utf8 = Utf16ToUtf8(Wide(c.utf16));
    EXPECT_EQ(utf8, c.utf8);
    EXPECT_TRUE(IsWellFormedUtf8(utf8));
  }
}

TEST(TextBeforeNul, CutsAtTheFirstNul) {
  EXPECT_EQ(TextBeforeNul(std::string("ADMIN\0rest", 10)), "ADMIN");
  EXPECT_EQ(TextBeforeNul("ADMIN"), "ADMIN");
  EXPECT_EQ(TextBeforeNul(std::string("\0", 1)), "");
}

}  // namespace

namespace {

// Names compare as NTFS compares them: ordinal, through the upcase table.
// Each row: two names and whether Windows takes them for one.
TEST(SameNameToWindows, AsTheFileSystemsUpcaseTable) {
  const struct {
    const char* name;
    std::string a, b;
    bool same;
  } cases[] = {
      {"ASCII in another case", "q01.doc", "Q01.DOC", true},
      {"full-width letters in another case", "ａ.pdf", "Ａ.pdf", true},
      {"full-width z against Z", "ｚ", "Ｚ", true},
      {"a full-width letter is not its ASCII twin", "a.pdf", "ａ.pdf", false},
      {"Latin-1", "é à ö þ", "É À Ö Þ", true},
      {"y with diaeresis leaves Latin-1 for its capital", "ÿ", "Ÿ", true},
      {"division and multiplication signs are no letters", "÷", "×", false},
      {"Latin Extended-A", "ł ő ž ŋ", "Ł Ő Ž Ŋ", true},
      {"Latin Extended-B", "ƀ ǎ ȳ", "Ƀ Ǎ Ȳ", true},
      {"dotless i is not I", "ı", "I", false},
      {"long s is not S", "ſ", "S", false},
      {"micro sign is not Greek Mu", "µ", "Μ", false},
      {"sharp s has no single capital", "ß", "SS", false},
      {"a title-case digraph stays itself", "ǅ", "Ǆ", false},
      {"the lower digraph", "ǆ", "Ǆ", true},
      {"Greek", "αβγ ωά ώ", "ΑΒΓ ΩΆ Ώ", true},
      {"final sigma is not Sigma", "ς", "Σ", false},
      {"sigma", "σ", "Σ", true},
      {"Greek letter symbols stay themselves", "ϐ", "Β", false},
      {"Cyrillic", "жизнь ё ђ", "ЖИЗНЬ Ё Ђ", true},
      {"Cyrillic Supplement", "ԁ", "Ԁ", true},
      {"Japanese has no case", "問題01", "問題01", true},
      {"hiragana and katakana are two names", "もんだい", "モンダイ", false},
      {"different lengths", "a", "aa", false},
      {"ill-formed bytes stay as they are", "\xFF" "a", "\xFF" "A", true},
      {"two ill-formed bytes are two names", "\xFE", "\xFF", false},
  };
  for (const auto& c : cases) EXPECT_EQ(SameNameToWindows(c.a, c.b), c.same) << c.name;
}

// Every character outside the covered blocks is left as it is (no false
// match), and a capital is its own capital.
TEST(SameNameToWindows, CapitalsAndUncoveredCharactersAreFixed) {
  for (char32_t c : {U'A', U'Ÿ', U'Σ', U'Ж', U'Ａ', U'\uFF40', U'\uFF5B', U'ա', U'ⓐ', U'𐐨'})
    EXPECT_EQ(UpcaseAsWindows(c), c) << static_cast<unsigned>(c);
}

}  // namespace
