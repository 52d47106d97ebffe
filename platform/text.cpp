#include "platform/text.h"

#include <cstdint>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }
bool IsHighSurrogate(char32_t u) { return u >= 0xD800 && u < 0xDC00; }
bool IsLowSurrogate(char32_t u) { return u >= 0xDC00 && u < 0xE000; }

// The well-formed byte sequences of UTF-8: after the lead byte, the second
// byte's range leaves out overlong forms (E0, F0), encoded surrogates (ED)
// and code points above U+10FFFF (F4); every further byte is 80..BF.
struct LeadByte {
  std::size_t length;  // 0: never starts a character
  unsigned char secondLow, secondHigh;
};

LeadByte Classify(unsigned char lead) {
  if (lead < 0x80) return {1, 0, 0};
  if (lead < 0xC2) return {0, 0, 0};  // continuation bytes, and C0/C1 (overlong)
  if (lead < 0xE0) return {2, 0x80, 0xBF};
  if (lead == 0xE0) return {3, 0xA0, 0xBF};
  if (lead == 0xED) return {3, 0x80, 0x9F};
  if (lead < 0xF0) return {3, 0x80, 0xBF};
  if (lead == 0xF0) return {4, 0x90, 0xBF};
  if (lead < 0xF4) return {4, 0x80, 0xBF};
  if (lead == 0xF4) return {4, 0x80, 0x8F};
  return {0, 0, 0};  // F5..FF
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

}  // namespace

std::optional<char32_t> DecodeUtf8(std::string_view text, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  const LeadByte kind = Classify(lead);
  if (kind.length <= 1) {
    ++i;
    return kind.length == 1 ? std::optional<char32_t>(lead) : std::nullopt;
  }
  char32_t cp = lead & (0x7F >> kind.length);
  std::size_t k = 1;
  for (; k < kind.length && i + k < text.size(); ++k) {
    const auto c = static_cast<unsigned char>(text[i + k]);
    const bool fits = k == 1 ? c >= kind.secondLow && c <= kind.secondHigh : IsContinuation(c);
    if (!fits) break;
    cp = (cp << 6) | (c & 0x3F);
  }
  i += k;  // a cut sequence is skipped as one; the byte that cut it starts anew
  if (k < kind.length) return std::nullopt;
  return cp;
}

bool IsWellFormedUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();)
    if (!DecodeUtf8(text, i)) return false;
  return true;
}

std::wstring Utf8ToUtf16(std::string_view text) {
  std::wstring out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    char32_t cp = DecodeUtf8(text, i).value_or(kReplacement);
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<wchar_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<wchar_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<wchar_t>(cp));
    }
  }
  return out;
}

std::string Utf16ToUtf8(std::wstring_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    // Only UTF-16 code units count, whatever the width of wchar_t.
    char32_t cp = static_cast<std::uint16_t>(text[i]);
    if (IsHighSurrogate(cp) && i + 1 < text.size() && IsLowSurrogate(static_cast<std::uint16_t>(text[i + 1]))) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (static_cast<std::uint16_t>(text[i + 1]) - 0xDC00);
      ++i;
    } else if (IsHighSurrogate(cp) || IsLowSurrogate(cp)) {
      cp = kReplacement;
    }
    AppendUtf8(out, cp);
  }
  return out;
}

std::size_t Utf16Length(std::string_view utf8) {
  std::size_t units = 0;
  for (std::size_t i = 0; i < utf8.size();) units += DecodeUtf8(utf8, i).value_or(kReplacement) >= 0x10000 ? 2 : 1;
  return units;
}

std::string_view TextBeforeNul(std::string_view data) { return data.substr(0, data.find('\0')); }

std::string AsciiUpper(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && AsciiUpper(a) == AsciiUpper(b);
}

namespace {

// Lower-case runs and the distance to their capitals: every `step`-th code
// point from `first` to `last`. The simple uppercase mapping of Unicode
// within the covered blocks, without the characters Windows' table leaves
// alone (see text.h).
struct UpcaseRun {
  char32_t first, last;
  int step, delta;
};
constexpr UpcaseRun kUpcaseRuns[] = {
    {0x0061, 0x007A, 1, -32},   {0x00E0, 0x00F6, 1, -32},   {0x00F8, 0x00FE, 1, -32},
    {0x00FF, 0x00FF, 1, 121},   {0x0101, 0x012F, 2, -1},    {0x0133, 0x0137, 2, -1},
    {0x013A, 0x0148, 2, -1},    {0x014B, 0x0177, 2, -1},    {0x017A, 0x017E, 2, -1},
    {0x0180, 0x0180, 1, 195},   {0x0183, 0x0185, 2, -1},    {0x0188, 0x0188, 1, -1},
    {0x018C, 0x018C, 1, -1},    {0x0192, 0x0192, 1, -1},    {0x0195, 0x0195, 1, 97},
    {0x0199, 0x0199, 1, -1},    {0x019A, 0x019A, 1, 163},   {0x019E, 0x019E, 1, 130},
    {0x01A1, 0x01A5, 2, -1},    {0x01A8, 0x01A8, 1, -1},    {0x01AD, 0x01AD, 1, -1},
    {0x01B0, 0x01B0, 1, -1},    {0x01B4, 0x01B6, 2, -1},    {0x01B9, 0x01B9, 1, -1},
    {0x01BD, 0x01BD, 1, -1},    {0x01BF, 0x01BF, 1, 56},    {0x01C6, 0x01C6, 1, -2},
    {0x01C9, 0x01C9, 1, -2},    {0x01CC, 0x01CC, 1, -2},    {0x01CE, 0x01DC, 2, -1},
    {0x01DD, 0x01DD, 1, -79},   {0x01DF, 0x01EF, 2, -1},    {0x01F3, 0x01F3, 1, -2},
    {0x01F5, 0x01F5, 1, -1},    {0x01F9, 0x021F, 2, -1},    {0x0223, 0x0233, 2, -1},
    {0x023C, 0x023C, 1, -1},    {0x023F, 0x0240, 1, 10815}, {0x0242, 0x0242, 1, -1},
    {0x0247, 0x024F, 2, -1},    {0x0371, 0x0373, 2, -1},    {0x0377, 0x0377, 1, -1},
    {0x037B, 0x037D, 1, 130},   {0x03AC, 0x03AC, 1, -38},   {0x03AD, 0x03AF, 1, -37},
    {0x03B1, 0x03C1, 1, -32},   {0x03C3, 0x03CB, 1, -32},   {0x03CC, 0x03CC, 1, -64},
    {0x03CD, 0x03CE, 1, -63},   {0x03D7, 0x03D7, 1, -8},    {0x03D9, 0x03EF, 2, -1},
    {0x03F2, 0x03F2, 1, 7},     {0x03F3, 0x03F3, 1, -116},  {0x03F8, 0x03F8, 1, -1},
    {0x03FB, 0x03FB, 1, -1},    {0x0430, 0x044F, 1, -32},   {0x0450, 0x045F, 1, -80},
    {0x0461, 0x0481, 2, -1},    {0x048B, 0x04BF, 2, -1},    {0x04C2, 0x04CE, 2, -1},
    {0x04CF, 0x04CF, 1, -15},   {0x04D1, 0x052F, 2, -1},    {0xFF41, 0xFF5A, 1, -32},
};

}  // namespace

char32_t UpcaseAsWindows(char32_t c) {
  for (const UpcaseRun& run : kUpcaseRuns) {
    if (c < run.first) break;  // the runs are in code point order
    if (c <= run.last && (c - run.first) % run.step == 0) return static_cast<char32_t>(static_cast<int>(c) + run.delta);
  }
  return c;
}

std::string UpcaseAsWindows(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t start = i;
    const auto cp = DecodeUtf8(utf8, i);
    if (cp && *cp >= 0x80) {
      AppendUtf8(out, UpcaseAsWindows(*cp));
    } else if (cp) {
      out.push_back(static_cast<char>(UpcaseAsWindows(*cp)));
    } else {
      out.append(utf8.substr(start, i - start));
    }
  }
  return out;
}

bool SameNameToWindows(std::string_view a, std::string_view b) { return UpcaseAsWindows(a) == UpcaseAsWindows(b); }

std::string FormatText(std::string_view format, std::initializer_list<std::string_view> args) {
  std::string out;
  auto arg = args.begin();
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 's' && arg != args.end()) {
      out.append(*arg++);
      ++i;
    } else {
      out.push_back(format[i]);
    }
  }
  return out;
}
