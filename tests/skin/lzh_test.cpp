#include "skin/lzh.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "skin/lzh_bits.h"
#include "skin/lzh_encoder.h"
#include "skin/lzh_huffman.h"
#include "skin/lzh_walker.h"

namespace telvana {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ToBytes(const std::string& s) {
  return Bytes(s.begin(), s.end());
}

Bytes Unpack(std::uint32_t count, const Bytes& stream) {
  Bytes out;
  TLZH().Unpack(count, stream, out);
  return out;
}

// Bytes from xorshift32 that never repeat a three-byte sequence and hold no space, so that
// no encoder can find a match: the stream is then nothing but the adaptive Huffman code.
Bytes MatchFreeBytes(std::size_t n) {
  std::uint32_t state = 0x12345678;
  std::vector<bool> seen(std::size_t{1} << 24);
  Bytes out;
  while (out.size() < n) {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    const auto b = static_cast<std::uint8_t>(state >> 24);
    if (b == 0x20) continue;
    if (out.size() >= 2) {
      const std::size_t gram =
          (std::size_t{out[out.size() - 2]} << 16) | (std::size_t{out.back()} << 8) | b;
      if (seen[gram]) continue;
      seen[gram] = true;
    }
    out.push_back(b);
  }
  return out;
}

Bytes Xorshift(std::size_t n, std::uint32_t state) {
  Bytes out(n);
  for (auto& b : out) {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    b = static_cast<std::uint8_t>(state >> 24);
  }
  return out;
}

std::uint64_t Fnv1a(const Bytes& bytes) {
  std::uint64_t h = 0xcbf29ce484222325u;
  for (std::uint8_t b : bytes) h = (h ^ b) * 0x100000001b3u;
  return h;
}

// Streams made by a separate, literal implementation of the classic LZHUF encoder (binary
// search tree matcher, its own distance tables), so the decoder is checked against an
// encoder other than ours.
TEST(TLZHTest, DecodesStreamsOfTheClassicEncoder) {
  const std::string text =
      "[TitlebarSkin]\r\nSkinName=Autumn\r\n\r\n[Personality]\r\nLeft=left.bmp\r\nRight=right."
      "bmp\r\n"
      "Top=top.bmp\r\nBottom=bottom.bmp\r\nLeftTopHeight=30\r\nLeftBotHeight=30\r\nRightTopHeight="
      "30\r\n"
      "RightBotHeight=30\r\n\r\n[Colours]\r\nButtonFace=223 223 219\r\nButtonText=0 0 0\r\n"
      "Menubar=223 223 219\r\n";
  const Bytes stream = {
      0xF3, 0xF8, 0x3E, 0xA0, 0x1F, 0x8F, 0x8F, 0xBB, 0xDB, 0xFE, 0xEF, 0xFD, 0xF0, 0xFF,
      0x5E, 0x9C, 0xCE, 0x5A, 0x34, 0x0D, 0xDA, 0xBE, 0xFC, 0xE0, 0x72, 0x79, 0xA0, 0x38,
      0x55, 0x76, 0x97, 0x57, 0x16, 0xF4, 0x27, 0xE2, 0xF7, 0x27, 0xDE, 0xFF, 0xFF, 0x74,
      0x68, 0x60, 0xCF, 0x98, 0x0B, 0x18, 0x21, 0xEC, 0x55, 0xF9, 0x50, 0xB3, 0x97, 0x3C,
      0x04, 0xDD, 0x5F, 0xCC, 0xFE, 0x58, 0xAF, 0xDE, 0xA3, 0xF3, 0xFA, 0x41, 0x22, 0x35,
      0xB0, 0x16, 0x7A, 0x10, 0xC4, 0xA8, 0x96, 0x93, 0x0B, 0xE6, 0xB1, 0xC1, 0xDE, 0x74,
      0x68, 0xA2, 0x5E, 0x63, 0x2F, 0x67, 0x80, 0x67, 0x81, 0x27, 0x83, 0xF6, 0x22, 0x3E,
      0xA3, 0x30, 0x43, 0x8D, 0xFE, 0xF2, 0x00, 0x45, 0xF0, 0xA3, 0x0C, 0x11, 0x66, 0x4A,
      0x60, 0xC4, 0x8E, 0xC2, 0x49, 0x62, 0x54, 0xCD, 0xAE, 0x7B, 0x73, 0x5C, 0x63, 0x22,
      0xA5, 0x73, 0x5A, 0x0D, 0xBB, 0x45, 0x4D, 0x3E, 0x95, 0x2F, 0x7A, 0xEB, 0xEF, 0x95,
      0x5E, 0xB5, 0x88, 0x80, 0xF7, 0xBC, 0x5B, 0x38, 0x5D, 0x5A, 0xE0, 0x83, 0x59, 0xE5,
      0x99, 0xB0, 0x09, 0x05, 0xF6, 0x58, 0x30, 0xD0, 0xA6, 0x09, 0x44, 0xC0};
  EXPECT_EQ(Unpack(static_cast<std::uint32_t>(text.size()), stream), ToBytes(text));
}

// 40000 match-free bytes are more symbols than the root count allows before the tree is
// rebuilt, so this pins the frequency update, the node swaps and the rebuild: the classic
// encoder's stream for them has this length and hash.
TEST(TLZHTest, AdaptiveCodeMatchesTheClassicEncoderAcrossRebuilds) {
  const Bytes data = MatchFreeBytes(40000);
  const Bytes stream = LzhPack(data);
  EXPECT_EQ(stream.size(), 40115u);
  EXPECT_EQ(Fnv1a(stream), 0x462c02d1fa30b1d2u);
  EXPECT_EQ(Unpack(static_cast<std::uint32_t>(data.size()), stream), data);
}

TEST(TLZHTest, RoundTripsOurEncoder) {
  std::vector<Bytes> samples;
  samples.push_back({});
  samples.push_back({0x41});
  samples.push_back(ToBytes(std::string(5000, ' ')));  // all of it matches the ring's spaces
  samples.push_back(Bytes(300000, 0));                 // long runs: more than 32768 symbols
  Bytes noise(100000);
  std::uint32_t s = 1;
  for (auto& b : noise) b = static_cast<std::uint8_t>((s = s * 1103515245u + 12345u) >> 23);
  samples.push_back(noise);
  // A block repeated exactly one ring length later: the farthest distance there is.
  Bytes far(4096 + 60);
  for (std::size_t i = 0; i < far.size(); ++i) far[i] = noise[i % 4096];
  samples.push_back(far);
  for (const Bytes& data : samples) {
    SCOPED_TRACE(data.size());
    EXPECT_EQ(Unpack(static_cast<std::uint32_t>(data.size()), LzhPack(data)), data);
  }
  // The repeat became one match: a few bytes more than the block alone.
  const Bytes block(far.begin(), far.begin() + 4096);
  EXPECT_LT(LzhPack(far).size(), LzhPack(block).size() + 6);
}

// Every distance from 1 to 70 with matches of every length: short periods repeated within
// one match, and matches that overlap their own source.
TEST(TLZHTest, RoundTripsMatchesOfEveryDistance) {
  const Bytes noise = Xorshift(80, 7);
  Bytes data;
  for (std::size_t period = 1; period <= 70; ++period) {
    for (std::size_t length : {3u, 9u, 17u, 60u, 61u}) {
      data.push_back(0xAA);
      for (std::size_t i = 0; i < period + length; ++i) data.push_back(noise[i % period]);
    }
  }
  EXPECT_EQ(Unpack(static_cast<std::uint32_t>(data.size()), LzhPack(data)), data);
}

// Streams no encoder writes, decoded as the earlier byte-at-a-time decoder decoded them (its
// output's length and hash): matches reach into both parts of the initial ring, spaces and
// zeros, and the longest one passes a tree rebuild.
TEST(TLZHTest, DecodesArbitraryStreamsAsTheClassicDecoderDid) {
  struct Case {
    std::size_t stream_size;
    std::uint32_t seed;
    std::uint32_t count;
    std::size_t size;
    std::uint64_t hash;
  };
  for (const Case& c : {Case{64, 90, 5000, 5022, 0x9fe46928be8671f6u},
                        Case{5000, 2, 20000, 20021, 0x91ae06d59f0c1145u},
                        Case{40000, 3, 600000, 600000, 0x8ae40fffe178ec0au}}) {
    const Bytes out = Unpack(c.count, Xorshift(c.stream_size, c.seed));
    EXPECT_EQ(out.size(), c.size);
    EXPECT_EQ(Fnv1a(out), c.hash) << c.seed;
  }
}

// A walk that needs more bits than are held (here none: nothing was read yet) goes again a
// bit at a time, reading on, and ends where a walk over bits held ends.
TEST(TLZHTest, WalksCodesLongerThanTheBitsHeld) {
  const lzh::HuffmanTree tree;
  for (const std::uint8_t first : {0x00, 0x5A, 0xC3, 0xFF}) {
    const Bytes stream = {first, 0x96, 0x3C, 0x81, 0x7E};
    lzh::BitReader held(stream);
    held.Refill();
    lzh::BitReader unread(stream);
    const int leaf = lzh::Walker(tree).Walk(held);
    EXPECT_GE(tree.ChildOf(leaf), lzh::kNodes);
    EXPECT_EQ(lzh::Walker(tree).Walk(unread), leaf) << int{first};
    EXPECT_EQ(unread.Peek(16), held.Peek(16));
  }
}

TEST(TLZHTest, StopsAtTheCountButFinishesTheMatchThatCrossesIt) {
  // Sixty spaces are one match against the ring's initial spaces.
  const Bytes spaces(60, 0x20);
  const Bytes stream = LzhPack(spaces);
  EXPECT_LE(stream.size(), 3u);
  EXPECT_TRUE(Unpack(0, stream).empty());
  EXPECT_EQ(Unpack(1, stream), spaces);  // 59 bytes beyond the count
  EXPECT_EQ(Unpack(60, stream), spaces);

  // A literal then a match: a count inside the match yields the whole match.
  const Bytes text = ToBytes("xyzxyzxyzxyz");
  const Bytes packed = LzhPack(text);
  EXPECT_EQ(Unpack(1, packed), ToBytes("x"));
  EXPECT_EQ(Unpack(4, packed), text);
}

TEST(TLZHTest, AppendsToTheTarget) {
  const Bytes text = ToBytes("appended");
  Bytes out = ToBytes("kept:");
  TLZH().Unpack(static_cast<std::uint32_t>(text.size()), LzhPack(text), out);
  EXPECT_EQ(out, ToBytes("kept:appended"));
}

TEST(TLZHTest, ReadsZeroBitsPastTheEndOfItsInput) {
  const Bytes text =
      ToBytes("The quick brown fox jumps over the lazy dog, again and again and again.");
  Bytes stream = LzhPack(text);

  // Without input at all, the result is that of an input of zero bytes.
  EXPECT_EQ(Unpack(500, {}), Unpack(500, Bytes(2000, 0)));
  EXPECT_GE(Unpack(500, {}).size(), 500u);

  // A cut stream decodes what its bits say, then continues as if zeros followed.
  const Bytes cut(stream.begin(), stream.begin() + static_cast<std::ptrdiff_t>(stream.size() / 2));
  Bytes padded = cut;
  padded.resize(cut.size() + 200, 0);
  const auto count = static_cast<std::uint32_t>(text.size());
  const Bytes from_cut = Unpack(count, cut);
  EXPECT_EQ(from_cut, Unpack(count, padded));
  ASSERT_GE(from_cut.size(), text.size());
  EXPECT_TRUE(std::equal(text.begin(), text.begin() + 16, from_cut.begin()));
  EXPECT_NE(from_cut, text);
}

}  // namespace
}  // namespace telvana
