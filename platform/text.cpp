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
