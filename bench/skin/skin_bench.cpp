// Figures for reading skins: how fast TLZH unpacks, and how long the whole read of a skin
// shaped like the main window's stored one takes (container, description, every bitmap);
// and for painting them: building a nine-slice element from a skin picture.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "skin/bmp_decoder.h"
#include "skin/byte_order.h"
#include "skin/lzh.h"
#include "skin/lzh_encoder.h"
#include "skin/quick_ini.h"
#include "skin/skin_element.h"
#include "skin/skin_packer.h"
#include "skin/skin_parse.h"
#include "skin/skin_reader.h"
#include "skin/skin_stream.h"
#include "tests/skin/sample_skin.h"
#include "tests/support/file_bytes.h"

namespace telvana {
namespace {

using Bytes = std::vector<std::uint8_t>;

const Bytes& SampleSkinFile() {
  static const Bytes file = PackSkin(testing::SampleSkinEntries());
  return file;
}

Bytes Noise(std::size_t n) {
  Bytes out(n);
  std::uint32_t s = 12345;
  for (auto& b : out) {
    s ^= s << 13, s ^= s >> 17, s ^= s << 5;
    b = static_cast<std::uint8_t>(s >> 24);
  }
  return out;
}

void UnpackFile(benchmark::State& state, const Bytes& file) {
  const std::uint32_t count = ReadLe32(file, 0);
  const std::span<const std::uint8_t> stream = std::span<const std::uint8_t>(file).subspan(4);
  for (auto _ : state) {
    Bytes out;
    TLZH().Unpack(count, stream, out);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * count);
  state.counters["in_MB/s"] = benchmark::Counter(
      static_cast<double>(stream.size()) * state.iterations() / 1e6, benchmark::Counter::kIsRate);
  state.SetLabel(std::to_string(stream.size()) + " -> " + std::to_string(count) + " bytes");
}

// The sample skin: 257 KB of bitmaps and description in about 20 KB.
void BM_UnpackSampleSkin(benchmark::State& state) {
  UnpackFile(state, SampleSkinFile());
}
BENCHMARK(BM_UnpackSampleSkin)->Unit(benchmark::kMicrosecond);

// Data that does not compress: every symbol a literal, the slowest case per output byte.
void BM_UnpackIncompressible(benchmark::State& state) {
  static const Bytes file = PackSkinContainer(Noise(256 * 1024));
  UnpackFile(state, file);
}
BENCHMARK(BM_UnpackIncompressible)->Unit(benchmark::kMicrosecond);

void BM_ReadSkin(benchmark::State& state) {
  for (auto _ : state) {
    TSkinReader reader;
    benchmark::DoNotOptimize(reader.ReadSkin(SampleSkinFile()));
  }
}
BENCHMARK(BM_ReadSkin)->Unit(benchmark::kMicrosecond);

// What loading a skin costs before any painting: unpack, directory, description, and every
// bitmap decoded.
void BM_WholeReadSampleSkin(benchmark::State& state) {
  for (auto _ : state) {
    TSkinReader reader;
    reader.ReadSkin(SampleSkinFile());
    Bytes entry;
    std::string name;
    reader.FindEntry(".ini", entry, name);
    TQuickIni ini;
    ini.Load(entry);
    for (const std::string& entry_name : reader.Names()) {
      if (entry_name.ends_with(".bmp")) {
        reader.GetEntry(entry_name, entry);
        benchmark::DoNotOptimize(DecodeBitmap(entry).pixels.data());
      }
    }
    benchmark::DoNotOptimize(ini.ReadSections().size());
  }
}
BENCHMARK(BM_WholeReadSampleSkin)->Unit(benchmark::kMicrosecond);

// The packer's side, for the build: our encoder over the sample container.
void BM_PackSampleSkin(benchmark::State& state) {
  const Bytes container = BuildSkinContainer(testing::SampleSkinEntries());
  for (auto _ : state) benchmark::DoNotOptimize(LzhPack(container).data());
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * container.size()));
}
BENCHMARK(BM_PackSampleSkin)->Unit(benchmark::kMillisecond);

// The skins the program carries, as the build packed them: the main window's stored skin
// and the five skin files.
struct Shipped {
  std::string name;
  Bytes file;
};

const std::vector<Shipped>& ShippedSkins() {
  static const std::vector<Shipped> skins = [] {
    std::vector<Shipped> all;
    const Bytes value = testsupport::ReadFileBytes(TELVANA_STORED_SKIN);
    const std::span<const std::uint8_t> stored = SkinFileOfStreamProperty(value);
    all.push_back({"stored", Bytes(stored.begin(), stored.end())});
    for (int n = 1; n <= 5; ++n) {
      all.push_back({std::to_string(n) + ".skn",
                     testsupport::ReadFileBytes(std::filesystem::path(TELVANA_SKIN_FOLDER) /
                                                (std::to_string(n) + ".skn"))});
    }
    return all;
  }();
  return skins;
}

// Unpack of each shipped skin: microseconds per skin, and megabytes per second of output.
void BM_UnpackShipped(benchmark::State& state) {
  const Shipped& skin = ShippedSkins()[static_cast<std::size_t>(state.range(0))];
  UnpackFile(state, skin.file);
  state.SetLabel(skin.name + ": " + std::to_string(skin.file.size() - 4) + " -> " +
                 std::to_string(ReadLe32(skin.file, 0)) + " bytes");
}
BENCHMARK(BM_UnpackShipped)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);

// The whole load of each shipped skin, as the skin data component does it: unpack, the
// directory, the description, every picture decoded and every element record filled.
void BM_LoadShipped(benchmark::State& state) {
  const Shipped& skin = ShippedSkins()[static_cast<std::size_t>(state.range(0))];
  for (auto _ : state) {
    auto records = LoadSkinRecords(skin.file);
    benchmark::DoNotOptimize(records->SysButtons.size());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * ReadLe32(skin.file, 0));
  state.SetLabel(skin.name);
}
BENCHMARK(BM_LoadShipped)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);

// A skin picture of two 60 × 40 frames with 8-pixel margins, built into an element of a
// button's, a dialog's and a whole screen's size: per paint, the element's pixels are
// made anew (nothing is cached between paints).
const PixelImage& ElementPicture() {
  static const PixelImage picture = [] {
    PixelImage p = BlankImage(120, 40);
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x) p.at(x, y) = Argb(0xFF, x * 2, y * 6, (x ^ y) & 0xFF);
    return p;
  }();
  return picture;
}

constexpr int kElementSizes[][2] = {{100, 25}, {756, 617}, {1920, 1080}};

void BM_BuildSkinElement(benchmark::State& state) {
  const auto [width, height] = kElementSizes[state.range(0)];
  const bool tile = state.range(1) != 0;
  for (auto _ : state) {
    const PixelImage element =
        BuildSkinElement(width, height, ElementPicture(), {8, 8, 8, 8}, false, tile, 2, 2);
    benchmark::DoNotOptimize(element.pixels.data());
  }
  state.SetItemsProcessed(state.iterations() * width * height);
  state.SetLabel(std::to_string(width) + "x" + std::to_string(height) +
                 (tile ? " tiled" : " stretched"));
}
BENCHMARK(BM_BuildSkinElement)->ArgsProduct({{0, 1, 2}, {0, 1}})->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace telvana

BENCHMARK_MAIN();
