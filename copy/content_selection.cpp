#include "copy/content_selection.h"

#include "ui/destination.h"

const char* const kNoKindChosenMessage = "コピー元のフォルダが選択されていません。";

namespace {

constexpr int kMegabyteShift = 20;

}  // namespace

std::string KindSizeLabel(std::int64_t bytes) {
  return "（約" + std::to_string(bytes / (std::int64_t{1} << kMegabyteShift)) + "MB）";
}

std::string RequiredSpaceLine(std::uint64_t requiredBytes) {
  return "コピー先のハードディスクには、約" + std::to_string(requiredBytes >> kMegabyteShift) + "MBの空き容量が必要です。";
}

std::string DiscCaptionLine(std::string_view year, std::string_view subjectName) {
  return FormatDestDataLine(DestVariant::Copy, year, subjectName);
}
