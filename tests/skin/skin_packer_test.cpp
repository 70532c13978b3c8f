#include "skin/skin_packer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "skin/skin_limits.h"

namespace telvana {
namespace {

std::vector<std::string> NamesOf(const std::vector<SkinEntry>& entries) {
  std::vector<std::string> names;
  for (const SkinEntry& e : entries) names.push_back(e.name);
  return names;
}

TEST(SkinPackerTest, SortsByLowerCasedNameWithTheDescriptionLast) {
  std::vector<SkinEntry> entries = {
      {"Skin.ini", {}}, {"b.bmp", {}}, {"A.bmp", {}}, {"a.bmp", {}}, {"C.BMP", {}}};
  SortForPacking(entries);
  EXPECT_THAT(NamesOf(entries),
              ::testing::ElementsAre("A.bmp", "a.bmp", "b.bmp", "C.BMP", "Skin.ini"));
}

TEST(SkinPackerTest, PackingIsDeterministic) {
  const std::vector<SkinEntry> entries = {{"a.bmp", std::vector<std::uint8_t>(5000, 7)},
                                          {"skin.ini", {'x'}}};
  EXPECT_EQ(PackSkin(entries), PackSkin(entries));
}

TEST(SkinPackerTest, RefusesWhatNoReaderCouldTakeBack) {
  EXPECT_THROW(BuildSkinContainer(std::vector<SkinEntry>{{"", {}}}), std::invalid_argument);
  EXPECT_THROW(BuildSkinContainer(std::vector<SkinEntry>{{"a\r\nb.bmp", {}}}),
               std::invalid_argument);
  EXPECT_THROW(BuildSkinContainer(std::vector<SkinEntry>{{"a\nb.bmp", {}}}), std::invalid_argument);
  std::vector<SkinEntry> many(kMaxSkinEntries + 1, SkinEntry{"x.bmp", {}});
  EXPECT_THROW(BuildSkinContainer(many), std::invalid_argument);
  many.pop_back();
  EXPECT_NO_THROW(BuildSkinContainer(many));
  const std::vector<SkinEntry> big = {
      {"big.bmp", std::vector<std::uint8_t>(kMaxUnpackedSkinBytes, 0)}};
  EXPECT_THROW(BuildSkinContainer(big), std::invalid_argument);
}

}  // namespace
}  // namespace telvana
