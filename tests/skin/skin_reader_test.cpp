#include "skin/skin_reader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "skin/byte_order.h"
#include "skin/skin_error.h"
#include "skin/skin_packer.h"

namespace telvana {
namespace {

using ::testing::ElementsAre;
using Bytes = std::vector<std::uint8_t>;

Bytes ToBytes(const std::string& s) {
  return Bytes(s.begin(), s.end());
}

// A container written field by field, for containers our packer would never write.
struct RawContainer {
  std::int32_t mark = kSkinFormatMark;
  std::string names;
  std::optional<std::int32_t> list_length;  // default: the length of `names`
  std::vector<std::int32_t> sizes;
  Bytes data;

  Bytes Build() const {
    Bytes out;
    AppendLe32(out, static_cast<std::uint32_t>(mark));
    AppendLe32(out, static_cast<std::uint32_t>(
                        list_length.value_or(static_cast<std::int32_t>(names.size()))));
    AppendLe32(out, 0xDEADBEEF);  // the unused words hold anything
    AppendLe32(out, 0x12345678);
    out.insert(out.end(), names.begin(), names.end());
    for (std::int32_t s : sizes) AppendLe32(out, static_cast<std::uint32_t>(s));
    out.insert(out.end(), data.begin(), data.end());
    return out;
  }
};

SkinFault FaultOfContainer(const Bytes& container) {
  TSkinReader reader;
  try {
    reader.ReadContainer(container);
  } catch (const SkinLoadError& e) {
    return e.fault();
  }
  ADD_FAILURE() << "container was accepted";
  return SkinFault::kNoMemory;
}

std::vector<SkinEntry> ThreeEntries() {
  return {
      {"Left.BMP", ToBytes("BM-left")}, {"empty.bmp", {}}, {"Skin.ini", ToBytes("[Colours]\r\n")}};
}

TEST(TSkinReaderTest, ReadsWhatThePackerWrote) {
  TSkinReader reader;
  ASSERT_TRUE(reader.ReadSkin(PackSkin(ThreeEntries())));
  EXPECT_THAT(reader.Names(), ElementsAre("left.bmp", "empty.bmp", "skin.ini"));
  EXPECT_EQ(reader.EntryCount(), 3);
  EXPECT_EQ(Bytes(reader.Entry(0).begin(), reader.Entry(0).end()), ToBytes("BM-left"));
  EXPECT_TRUE(reader.Entry(1).empty());
  EXPECT_EQ(reader.EntryDataSize(), 7u + 11u);
  EXPECT_EQ(ReadLe32Signed(reader.Header(), 0), kSkinFormatMark);
  EXPECT_EQ(ReadLe32Signed(reader.Header(), 4), 31);  // three names and their line breaks
}

TEST(TSkinReaderTest, GetEntryIgnoresCaseAndTakesTheFirstOfEqualNames) {
  TSkinReader reader;
  ASSERT_TRUE(reader.ReadSkin(PackSkin(std::vector<SkinEntry>{
      {"A.bmp", ToBytes("first")}, {"a.BMP", ToBytes("second")}, {"b.bmp", ToBytes("b")}})));
  Bytes target = ToBytes("stale");
  reader.GetEntry("a.bmp", target);
  EXPECT_EQ(target, ToBytes("first"));
  reader.GetEntry("B.Bmp", target);
  EXPECT_EQ(target, ToBytes("b"));
  reader.GetEntry("c.bmp", target);
  EXPECT_TRUE(target.empty());
  reader.GetEntry("b.bm", target);  // whole names only
  EXPECT_TRUE(target.empty());
}

TEST(TSkinReaderTest, FindEntryTakesTheFirstNameContainingTheFragmentAsGiven) {
  TSkinReader reader;
  ASSERT_TRUE(reader.ReadSkin(PackSkin(std::vector<SkinEntry>{{"a.bmp", ToBytes("a")},
                                                              {"Skin.INI", ToBytes("first ini")},
                                                              {"other.ini", ToBytes("second")}})));
  Bytes target = ToBytes("stale");
  std::string found = "unchanged";
  EXPECT_TRUE(reader.FindEntry(".ini", target, found));
  EXPECT_EQ(target, ToBytes("first ini"));
  EXPECT_EQ(found, "skin.ini");

  // The fragment is not lower-cased, and stored names are: upper case finds nothing.
  found = "unchanged";
  EXPECT_FALSE(reader.FindEntry(".INI", target, found));
  EXPECT_TRUE(target.empty());
  EXPECT_EQ(found, "unchanged");

  EXPECT_TRUE(reader.FindEntry("", target, found));  // every name contains the empty text
  EXPECT_EQ(found, "a.bmp");
}

TEST(TSkinReaderTest, NameListLineRules) {
  struct Case {
    std::string names;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"a\r\nb\r\n", {"a", "b"}},          // a break after the last name adds nothing
      {"a\r\nb", {"a", "b"}},              // nor does its absence lose the last name
      {"a\rb\nc", {"a", "b", "c"}},        // CR and LF alone end lines too
      {"a\n\rb", {"a", "", "b"}},          // LF CR is two breaks
      {"a\r\n\r\nb\r\n", {"a", "", "b"}},  // an empty line in between is an entry
      {"A.Bmp\r\n", {"a.bmp"}},            // lower-cased
      {"", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.names);
    RawContainer raw;
    raw.names = c.names;
    raw.sizes.assign(c.expected.size(), 0);
    TSkinReader reader;
    ASSERT_TRUE(reader.ReadContainer(raw.Build()));
    EXPECT_EQ(reader.Names(), c.expected);
  }
}

TEST(TSkinReaderTest, AnotherFormatMarkIsAnOlderSkinAndNothingOfItIsKept) {
  TSkinReader reader;
  ASSERT_TRUE(reader.ReadSkin(PackSkin(ThreeEntries())));
  RawContainer older;
  older.mark = 19999;
  older.names = "x.bmp\r\n";
  older.sizes = {1};
  older.data = {1};
  EXPECT_FALSE(reader.ReadSkin(PackSkinContainer(older.Build())));
  EXPECT_THAT(reader.Names(), ElementsAre("left.bmp", "empty.bmp", "skin.ini"));
  // The mark is checked before anything else is read: the rest may be rubbish.
  older.list_length = -5;
  EXPECT_FALSE(reader.ReadContainer(older.Build()));
  EXPECT_EQ(kOlderSkinMessage, "This is Older Skin File\rPlease update to new version !");
}

TEST(TSkinReaderTest, DamagedContainersFailWithTheirReason) {
  EXPECT_EQ(FaultOfContainer(Bytes(15, 0)), SkinFault::kTruncated);

  RawContainer long_list;
  long_list.names = "a.bmp\r\n";
  long_list.list_length = 100;
  EXPECT_EQ(FaultOfContainer(long_list.Build()), SkinFault::kNameListOverrun);
  long_list.list_length = -1;
  EXPECT_EQ(FaultOfContainer(long_list.Build()), SkinFault::kNameListOverrun);

  RawContainer short_table;
  short_table.names = "a\r\nb\r\n";
  short_table.sizes = {0};
  short_table.data = {0, 0};  // only six of the eight bytes of the size table
  EXPECT_EQ(FaultOfContainer(short_table.Build()), SkinFault::kSizeTableOverrun);

  RawContainer overrun;
  overrun.names = "a\r\nb\r\n";
  overrun.sizes = {2, 3};
  overrun.data = {1, 2, 3, 4};
  EXPECT_EQ(FaultOfContainer(overrun.Build()), SkinFault::kEntryOverrun);
  overrun.sizes = {-1, 5};
  EXPECT_EQ(FaultOfContainer(overrun.Build()), SkinFault::kEntryOverrun);
  overrun.sizes = {INT32_MAX, INT32_MAX};
  EXPECT_EQ(FaultOfContainer(overrun.Build()), SkinFault::kEntryOverrun);
  overrun.sizes = {2, 2};  // exactly the data
  EXPECT_TRUE(TSkinReader().ReadContainer(overrun.Build()));
}

TEST(TSkinReaderTest, TheDirectoryHoldsAtMost1001Entries) {
  auto with_entries = [](int n) {
    RawContainer raw;
    for (int i = 0; i < n; ++i) raw.names += std::to_string(i) + ".bmp\r\n";
    raw.sizes.assign(static_cast<std::size_t>(n), 0);
    return raw.Build();
  };
  TSkinReader reader;
  ASSERT_TRUE(reader.ReadContainer(with_entries(1001)));
  EXPECT_EQ(reader.EntryCount(), 1001);
  EXPECT_EQ(FaultOfContainer(with_entries(1002)), SkinFault::kTooManyEntries);
  // Millions of empty lines are refused without making millions of names.
  RawContainer flood;
  flood.names.assign(4'000'000, '\n');
  EXPECT_EQ(FaultOfContainer(flood.Build()), SkinFault::kTooManyEntries);
}

TEST(TSkinReaderTest, AFailedReadKeepsThePreviousDirectory) {
  TSkinReader reader;
  ASSERT_TRUE(reader.ReadSkin(PackSkin(ThreeEntries())));
  RawContainer overrun;
  overrun.names = "a\r\n";
  overrun.sizes = {9};
  EXPECT_THROW(reader.ReadContainer(overrun.Build()), SkinLoadError);
  EXPECT_EQ(reader.EntryCount(), 3);
  Bytes target;
  reader.GetEntry("left.bmp", target);
  EXPECT_EQ(target, ToBytes("BM-left"));
}

TEST(TSkinReaderTest, SkinFileLengthFieldAndItsLimit) {
  TSkinReader reader;
  try {
    reader.ReadSkin(Bytes{1, 2, 3});
    ADD_FAILURE();
  } catch (const SkinLoadError& e) {
    EXPECT_EQ(e.fault(), SkinFault::kTruncated);
  }

  // A length above the limit is refused before anything is unpacked.
  Bytes huge;
  AppendLe32(huge, kMaxUnpackedSkinBytes + 1);
  try {
    reader.ReadSkin(huge);
    ADD_FAILURE();
  } catch (const SkinLoadError& e) {
    EXPECT_EQ(e.fault(), SkinFault::kTooLarge);
  }

  // A reader may be given a tighter limit; a skin of exactly that size still reads.
  const Bytes container = BuildSkinContainer(ThreeEntries());
  const Bytes file = PackSkinContainer(container);
  const auto size = static_cast<std::uint32_t>(container.size());
  EXPECT_TRUE(TSkinReader({size}).ReadSkin(file));
  EXPECT_THROW(TSkinReader({size - 1}).ReadSkin(file), SkinLoadError);

  // A length of zero unpacks to nothing: too short for a header.
  Bytes zero;
  AppendLe32(zero, 0);
  EXPECT_THROW(reader.ReadSkin(zero), SkinLoadError);
}

TEST(TSkinReaderTest, AFinalMatchPastTheDeclaredLengthStillArrives) {
  // The entry ends in 60 equal bytes, which the encoder writes as one literal and one match.
  const std::vector<SkinEntry> entries = {{"run.bmp", Bytes(60, 'z')}};
  const Bytes container = BuildSkinContainer(entries);
  Bytes file = PackSkinContainer(container);
  const std::uint32_t shorter = static_cast<std::uint32_t>(container.size()) - 40;
  file[0] = static_cast<std::uint8_t>(shorter);
  file[1] = static_cast<std::uint8_t>(shorter >> 8);
  TSkinReader reader;
  ASSERT_TRUE(reader.ReadSkin(file));
  Bytes target;
  reader.GetEntry("run.bmp", target);
  EXPECT_EQ(target, Bytes(60, 'z'));
}

TEST(TSkinReaderTest, ATruncatedStreamIsReadLikeAnyOtherContainer) {
  // Incompressible entry data after a small directory: cut in the middle, the directory
  // survives and the missing bits decode as zeros.
  Bytes noise(20000);
  std::uint32_t s = 99;
  for (auto& b : noise) b = static_cast<std::uint8_t>((s = s * 1664525u + 1013904223u) >> 24);
  const std::vector<SkinEntry> entries = {{"noise.bmp", noise}, {"skin.ini", ToBytes("[A]\r\n")}};
  const Bytes file = PackSkin(entries);
  const Bytes cut(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(file.size() / 2));
  TSkinReader reader;
  ASSERT_TRUE(reader.ReadSkin(cut));
  EXPECT_THAT(reader.Names(), ElementsAre("noise.bmp", "skin.ini"));
  Bytes target;
  reader.GetEntry("noise.bmp", target);
  ASSERT_EQ(target.size(), noise.size());
  EXPECT_TRUE(std::equal(noise.begin(), noise.begin() + 1000, target.begin()));
  EXPECT_NE(target, noise);
}

}  // namespace
}  // namespace telvana
