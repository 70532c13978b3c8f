// Writes the seeds of each skin fuzz target into DIR/NAME (the build's fuzz_seeds folder):
// small skins, containers, descriptions and bitmaps of every layout, all made by our own
// writers. Usage: make_seeds DIR
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "skin/bmp_writer.h"
#include "skin/byte_order.h"
#include "skin/lzh_encoder.h"
#include "skin/skin_packer.h"
#include "skin/skin_stream.h"
#include "tests/skin/bmp_builder.h"
#include "tests/skin/sample_skin.h"

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using telvana::testing::BmpParams;
using telvana::testing::BuildBmp;
using telvana::testing::PackRows;

namespace {

void Write(const fs::path& dir, const std::string& name, const Bytes& bytes) {
  fs::create_directories(dir);
  std::ofstream(dir / name, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

Bytes Text(const std::string& s) {
  return Bytes(s.begin(), s.end());
}

std::vector<Bytes> Bitmaps() {
  std::vector<Bytes> out;
  out.push_back(telvana::EncodeBitmap(telvana::testing::SamplePicture(9, 5, 1), 24));
  out.push_back(telvana::EncodeBitmap(telvana::testing::SamplePicture(6, 4, 2), 32));
  for (int bits : {1, 4, 8}) {
    BmpParams s;
    s.width = 7;
    s.height = bits == 8 ? -3 : 3;
    s.bits = bits;
    s.palette = {0x000000, 0xFFFFFF, 0xFF00FF, 0x336699};
    s.pixels = PackRows(7, 3, bits,
                        [](int x, int n) { return static_cast<std::uint32_t>((x + n) % 4) % 2; });
    out.push_back(BuildBmp(s));
  }
  BmpParams core;
  core.header_size = 12;
  core.width = 3;
  core.height = 2;
  core.bits = 8;
  core.palette = {0x102030, 0xFF00FF};
  core.pixels = PackRows(3, 2, 8, [](int x, int) { return static_cast<std::uint32_t>(x % 2); });
  out.push_back(BuildBmp(core));
  BmpParams f565;
  f565.width = 3;
  f565.height = 2;
  f565.bits = 16;
  f565.compression = 3;
  f565.masks = {0xF800, 0x07E0, 0x001F};
  f565.pixels =
      PackRows(3, 2, 16, [](int x, int n) { return 0x1234u * static_cast<std::uint32_t>(x + n); });
  out.push_back(BuildBmp(f565));
  BmpParams v5;
  v5.header_size = 124;
  v5.width = 2;
  v5.height = -2;
  v5.bits = 32;
  v5.compression = 3;
  v5.masks = {0xFF0000, 0xFF00, 0xFF, 0xFF000000};
  v5.pixels = PackRows(
      2, 2, 32, [](int x, int n) { return 0x80102030u + static_cast<std::uint32_t>(x * 7 + n); });
  out.push_back(BuildBmp(v5));
  BmpParams rle8;
  rle8.width = 6;
  rle8.height = 3;
  rle8.bits = 8;
  rle8.compression = 1;
  rle8.palette = {0x000000, 0xFFFFFF, 0xFF00FF};
  rle8.pixels = {3, 1, 0, 0, 0, 3, 2, 1, 2, 0, 0, 2, 1, 1, 4, 2, 0, 1};
  out.push_back(BuildBmp(rle8));
  BmpParams rle4 = rle8;
  rle4.bits = 4;
  rle4.compression = 2;
  rle4.pixels = {4, 0x12, 0, 0, 0, 3, 0x21, 0x20, 0, 1};
  out.push_back(BuildBmp(rle4));
  return out;
}

const char kDescription[] =
    "[TitlebarSkin]\r\nSkinName=Seed\r\n[Personality]\r\nLeft=a.bmp\r\nLeftTopHeight=0x1F\r\n"
    "ActiveTextR=255\r\nActiveTextG=0\r\nActiveTextB=16\r\n; comment\r\n"
    "[Colours]\r\nButtonFace=223 223 219\r\nMenubar=51 51\r\n[Buttons]\r\nBitmap=c.bmp\r\n"
    "[Button0]\r\nButtonImage=b.bmp\r\nAction=-1\r\nVisibility=0\r\n[MDICONTROLS]\r\nImage=d."
    "bmp\r\n";

std::vector<telvana::SkinEntry> SmallSkin() {
  const std::vector<Bytes> bitmaps = Bitmaps();
  std::vector<telvana::SkinEntry> entries;
  const char* names[] = {"a.bmp", "b.bmp", "c.bmp", "d.bmp"};
  for (int i = 0; i < 4; ++i)
    entries.push_back({names[i], bitmaps[static_cast<std::size_t>(i * 2)]});
  entries.push_back({"skin.ini", Text(kDescription)});
  return entries;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const fs::path root = argv[1];

  const std::vector<Bytes> bitmaps = Bitmaps();
  for (std::size_t i = 0; i < bitmaps.size(); ++i)
    Write(root / "fuzz_skin_bmp", "seed-" + std::to_string(i), bitmaps[i]);

  Write(root / "fuzz_skin_ini", "seed-small", Text(kDescription));
  Write(root / "fuzz_skin_ini", "seed-sample", Text(telvana::testing::SampleDescription()));

  const Bytes container = telvana::BuildSkinContainer(SmallSkin());
  Write(root / "fuzz_skin_reader", "seed-small", container);
  Write(root / "fuzz_skin_reader", "seed-names",
        telvana::BuildSkinContainer(
            std::vector<telvana::SkinEntry>{{"A.bmp", {1}}, {"a.BMP", {2}}, {"x.ini", {}}}));

  const Bytes file = telvana::PackSkin(SmallSkin());
  Write(root / "fuzz_skin_load", "seed-file", file);
  Write(root / "fuzz_skin_load", "seed-stream", telvana::MakeSkinStreamProperty(file));

  for (const std::string& text :
       {std::string(kDescription), std::string(300, ' '), std::string("abcabcabcabc")}) {
    Bytes seed;
    telvana::AppendLe32(seed, static_cast<std::uint32_t>(text.size()));
    const Bytes packed = telvana::LzhPack(Text(text));
    seed.insert(seed.end(), packed.begin(), packed.end());
    Write(root / "fuzz_skin_lzh", "seed-" + std::to_string(text.size()), seed);
  }
  return 0;
}
