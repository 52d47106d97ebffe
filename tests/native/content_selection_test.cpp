#include "copy/content_selection.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

constexpr std::int64_t MB = 1048576;

TEST(ContentSelection, KindSizeLabelInWholeMegabytes) {
  EXPECT_EQ(KindSizeLabel(100 * MB), "（約100MB）");
  EXPECT_EQ(KindSizeLabel(MB - 1), "（約0MB）");
  EXPECT_EQ(KindSizeLabel(5 * 1024 * MB), "（約5120MB）");
}

TEST(ContentSelection, RequiredSpaceLineBeyond4GiB) {
  EXPECT_EQ(RequiredSpaceLine(6ull * 1024 * MB), "コピー先のハードディスクには、約6144MBの空き容量が必要です。");
  EXPECT_EQ(RequiredSpaceLine(std::numeric_limits<std::uint64_t>::max()),
            "コピー先のハードディスクには、約17592186044415MBの空き容量が必要です。");
}

TEST(ContentSelection, DiscCaptionLine) {
  EXPECT_EQ(DiscCaptionLine("2007", "英語・東日本版"), "セットされたCD-ROMは「Tav2007 英語・東日本版」です。");
}

}  // namespace
