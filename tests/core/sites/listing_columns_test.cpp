#include "core/sites/listing_columns.h"

#include <gtest/gtest.h>

namespace markloom {
namespace {

TEST(ListingColumns, SizeText) {
  const std::pair<std::uint64_t, const char*> cases[] = {
      {0, "0 bytes"},         {1023, "1023 bytes"}, {1024, "1.00KB"},           {1536, "1.50KB"},
      {1048575, "1024.00KB"}, {1048576, "1.00MB"},  {5368709120u, "5120.00MB"},
  };
  for (const auto& [bytes, text] : cases) EXPECT_EQ(sizeText(bytes), text) << bytes;
  EXPECT_EQ(sizeText(1536, ','), "1,50KB");
}

TEST(ListingColumns, TimeText) {
  EXPECT_EQ(timeText({2024, 1, 2, 3, 4, 5}), "02/01/2024 03:04:05");
  EXPECT_EQ(timeText({1999, 12, 31, 23, 59, 58}), "31/12/1999 23:59:58");
}

}  // namespace
}  // namespace markloom
