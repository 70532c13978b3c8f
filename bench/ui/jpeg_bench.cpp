// Figures for decoding the JPEG pictures the windows carry: the two of the main window, which
// its first paint waits for, and all fifteen, which the information windows need too.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/file_bytes.h"
#include "ui/jpeg_decode.h"

namespace telvana {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::vector<Bytes> Pictures(bool main_window_only) {
  std::vector<Bytes> pictures;
  for (const auto& entry : std::filesystem::directory_iterator(TELVANA_PICTURES_DIR)) {
    const std::string name = entry.path().filename().string();
    if (entry.path().extension() != ".jpg") continue;
    if (main_window_only && name.rfind("main_", 0) != 0) continue;
    pictures.push_back(testsupport::ReadFileBytes<Bytes>(entry.path()));
  }
  return pictures;
}

void Decode(benchmark::State& state, bool main_window_only) {
  const std::vector<Bytes> pictures = Pictures(main_window_only);
  std::int64_t pixels = 0;
  for (auto _ : state) {
    for (const Bytes& picture : pictures) {
      auto image = DecodeJpeg(picture);
      if (!image) state.SkipWithError("a picture did not decode");
      pixels += image ? static_cast<std::int64_t>(image->pixels.size()) : 0;
      benchmark::DoNotOptimize(image);
    }
  }
  state.counters["pictures"] = static_cast<double>(pictures.size());
  state.counters["pixels/s"] =
      benchmark::Counter(static_cast<double>(pixels), benchmark::Counter::kIsRate);
}

void BM_DecodeMainWindowPictures(benchmark::State& state) {
  Decode(state, true);
}
void BM_DecodeAllPictures(benchmark::State& state) {
  Decode(state, false);
}
BENCHMARK(BM_DecodeMainWindowPictures)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeAllPictures)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace telvana

BENCHMARK_MAIN();
