#include "skin/skin_stream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "skin/byte_order.h"
#include "skin/skin_error.h"
#include "skin/skin_packer.h"
#include "skin/skin_reader.h"

namespace telvana {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes WithCount(std::int32_t count, const Bytes& rest) {
  Bytes value(4 + rest.size());
  for (int i = 0; i < 4; ++i)
    value[i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(count) >> (8 * i));
  std::copy(rest.begin(), rest.end(), value.begin() + 4);
  return value;
}

TEST(SkinStreamTest, ThePropertyValueCarriesTheSkinFileAfterItsCount) {
  const Bytes file = PackSkin(std::vector<SkinEntry>{{"skin.ini", {'[', 'A', ']'}}});
  const Bytes value = MakeSkinStreamProperty(file);
  ASSERT_EQ(value.size(), file.size() + 4);
  EXPECT_EQ(ReadLe32(value, 0), file.size());
  const auto inner = SkinFileOfStreamProperty(value);
  EXPECT_EQ(Bytes(inner.begin(), inner.end()), file);
  TSkinReader reader;
  EXPECT_TRUE(reader.ReadSkin(inner));
  EXPECT_EQ(reader.EntryName(0), "skin.ini");
}

TEST(SkinStreamTest, ACountOfZeroOrLessCarriesNoFile) {
  EXPECT_TRUE(SkinFileOfStreamProperty(WithCount(0, {})).empty());
  EXPECT_TRUE(SkinFileOfStreamProperty(WithCount(0, {1, 2, 3})).empty());
  EXPECT_TRUE(SkinFileOfStreamProperty(WithCount(-8, {1, 2, 3})).empty());
  EXPECT_EQ(MakeSkinStreamProperty({}), WithCount(0, {}));
}

TEST(SkinStreamTest, AValueShorterThanItsCountIsDamaged) {
  EXPECT_THROW(SkinFileOfStreamProperty(Bytes{1, 0}), SkinLoadError);
  EXPECT_THROW(SkinFileOfStreamProperty(WithCount(4, {1, 2, 3})), SkinLoadError);
  EXPECT_THROW(SkinFileOfStreamProperty(WithCount(INT32_MAX, {1})), SkinLoadError);
  // Bytes beyond the count are not part of the skin.
  EXPECT_EQ(SkinFileOfStreamProperty(WithCount(2, {7, 8, 9})).size(), 2u);
}

}  // namespace
}  // namespace telvana
