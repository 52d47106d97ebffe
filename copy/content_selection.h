#pragma once
// The texts of the content selection dialog: each kind's size, the room the
// ticked kinds need, the disc's caption line and the refusal of an empty
// choice. The sizes themselves come from copy/kind_sizes.h.
#include <cstdint>
#include <string>
#include <string_view>

// Whole megabytes (bytes / 1,048,576, truncated) as the dialog shows them.
std::string KindSizeLabel(std::int64_t bytes);

// "コピー先のハードディスクには、約%lluMBの空き容量が必要です。"
std::string RequiredSpaceLine(std::uint64_t requiredBytes);
// "セットされたCD-ROMは「Tav%s %s」です。" with the year and the display name.
std::string DiscCaptionLine(std::string_view year, std::string_view subjectName);

// Shown by "次へ" when no kind is ticked.
extern const char* const kNoKindChosenMessage;
