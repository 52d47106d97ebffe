#pragma once
// The content size table in the INI file beside the tool: one section per
// disc, one key per content kind, the size in bytes as a decimal number. And
// the texts of the content selection dialog that show those sizes.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/app_state.h"
#include "catalogue/content_kinds.h"
#include "platform/profile_port.h"

// "Tav" + year + code; only the English disc of 2007 adds "_" + edition, so
// the standard edition reads "Tav2007E_" and every English 2006 disc "Tav2006E".
std::string KindSizeSectionName(std::string_view year, std::string_view code, std::string_view edition);

struct KindSize {
  std::int64_t bytes = 0;  // as parsed; 0 for an empty value
  bool offered = false;    // the kind can be chosen for this disc
  std::string label;       // "（約%lldMB）", empty when not offered
};

// Reads one kind's size with the default "0": a missing file, section or key
// reads as 0. An empty value, 0 or a negative number leaves the kind out.
KindSize ReadKindSize(IProfile& profile, const std::string& iniPath, const std::string& section,
                      std::string_view kindName);
// All seven kinds of a section, in kind order.
std::array<KindSize, kKindCount> ReadKindSizes(IProfile& profile, const std::string& iniPath,
                                               const std::string& section);

// The runtime's _atoi64: optional leading white space and sign, then decimal
// digits up to the first other character; no digits give 0. Out-of-range
// values stop at the 64-bit limits instead of wrapping.
std::int64_t ParseInt64Prefix(std::string_view text);

// Whole megabytes (bytes / 1,048,576, truncated) as the dialog shows them.
std::string KindSizeLabel(std::int64_t bytes);

// Sum of the ticked kinds' sizes. A size of 0 or below adds nothing and the
// sum stops at the largest value instead of wrapping to a small one.
std::uint64_t RequiredSpace(const std::array<std::int64_t, kKindCount>& sizes, const KindFlags& ticked);
std::uint64_t RequiredSpace(const std::array<KindSize, kKindCount>& sizes, const KindFlags& ticked);

// "コピー先のハードディスクには、約%lluMBの空き容量が必要です。"
std::string RequiredSpaceLine(std::uint64_t requiredBytes);
// "セットされたCD-ROMは「Tav%s %s」です。" with the year and the display name.
std::string DiscCaptionLine(std::string_view year, std::string_view subjectName);

// Shown by "次へ" when no kind is ticked.
extern const char* const kNoKindChosenMessage;
