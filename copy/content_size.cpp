#include "copy/content_size.h"

#include "ui/drive_list.h"

#include <limits>

const char* const kNoKindChosenMessage = "コピー元のフォルダが選択されていません。";

namespace {

constexpr int kMegabyteShift = 20;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

}  // namespace

std::string KindSizeSectionName(std::string_view year, std::string_view code, std::string_view edition) {
  std::string section = "Tav";
  section += year;
  section += code;
  if (code == "E" && year == "2007") {
    section += '_';
    section += edition;
  }
  return section;
}

std::int64_t ParseInt64Prefix(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  // Accumulate the magnitude unsigned: the negative limit's magnitude does not
  // fit the positive range.
  const std::uint64_t limit = negative ? std::uint64_t{1} << 63 : std::uint64_t{std::numeric_limits<std::int64_t>::max()};
  std::uint64_t magnitude = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    const unsigned digit = static_cast<unsigned>(text[i] - '0');
    if (magnitude > (limit - digit) / 10) {
      magnitude = limit;
      break;
    }
    magnitude = magnitude * 10 + digit;
  }
  if (!negative) return static_cast<std::int64_t>(magnitude);
  if (magnitude == limit) return std::numeric_limits<std::int64_t>::min();
  return -static_cast<std::int64_t>(magnitude);
}

std::string KindSizeLabel(std::int64_t bytes) {
  return "（約" + std::to_string(bytes / (std::int64_t{1} << kMegabyteShift)) + "MB）";
}

KindSize ReadKindSize(IProfile& profile, const std::string& iniPath, const std::string& section,
                      std::string_view kindName) {
  KindSize size;
  const std::string text = profile.GetString(section, std::string(kindName), "0", iniPath);
  if (text.empty()) return size;
  size.bytes = ParseInt64Prefix(text);
  if (size.bytes <= 0) return size;
  size.offered = true;
  size.label = KindSizeLabel(size.bytes);
  return size;
}

std::array<KindSize, kKindCount> ReadKindSizes(IProfile& profile, const std::string& iniPath,
                                               const std::string& section) {
  std::array<KindSize, kKindCount> sizes;
  for (const auto& info : kContentKinds) sizes[KindIndex(info.kind)] = ReadKindSize(profile, iniPath, section, info.name);
  return sizes;
}

std::uint64_t RequiredSpace(const std::array<std::int64_t, kKindCount>& sizes, const KindFlags& ticked) {
  constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
  std::uint64_t total = 0;
  for (int k = 0; k < kKindCount; ++k) {
    if (!ticked[k] || sizes[k] <= 0) continue;
    const auto bytes = static_cast<std::uint64_t>(sizes[k]);
    total = bytes > kMax - total ? kMax : total + bytes;
  }
  return total;
}

std::uint64_t RequiredSpace(const std::array<KindSize, kKindCount>& sizes, const KindFlags& ticked) {
  std::array<std::int64_t, kKindCount> bytes{};
  for (int k = 0; k < kKindCount; ++k) bytes[k] = sizes[k].bytes;
  return RequiredSpace(bytes, ticked);
}

std::string RequiredSpaceLine(std::uint64_t requiredBytes) {
  return "コピー先のハードディスクには、約" + std::to_string(requiredBytes >> kMegabyteShift) + "MBの空き容量が必要です。";
}

std::string DiscCaptionLine(std::string_view year, std::string_view subjectName) {
  return FormatDestDataLine(DestVariant::Copy, year, subjectName);
}
