// The playlist reader on a list of 10,000 entries, in UTF-8 and in UTF-16: decoding and
// reading it, merging it into the user's list, and writing the user's list as M3U.
#include <benchmark/benchmark.h>

#include <string>

#include "playlists/playlist_reader.h"
#include "playlists/user_channel_list.h"
#include "ui/utf.h"

namespace {

using namespace telvana::playlists;

std::string List(int entries) {
  std::string text = "#EXTM3U\r\n";
  for (int i = 0; i < entries; ++i) {
    text += "#EXTINF:-1 tvg-id=\"" + std::to_string(i) + "\" tvg-name=\"ch" + std::to_string(i) +
            "\" group-title=\"分组 " + std::to_string(i % 200) + "\",频道 " + std::to_string(i) +
            "\r\nhttp://127.0.0.1:8080/live/" + std::to_string(i) + "/index.m3u8\r\n";
  }
  return text;
}

void ReadAndMerge(benchmark::State& state, const std::string& bytes) {
  for (auto _ : state) {
    UserChannelList list;
    list.Merge(ReadPlaylist(bytes, "m3u", u"g", nullptr));
    benchmark::DoNotOptimize(list.Channels().data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

void BM_Read10000Utf8(benchmark::State& state) {
  ReadAndMerge(state, List(10000));
}
BENCHMARK(BM_Read10000Utf8)->Unit(benchmark::kMillisecond);

void BM_Read10000Utf16(benchmark::State& state) {
  const std::u16string wide = u"\uFEFF" + telvana::Utf8ToUtf16(List(10000));
  ReadAndMerge(state, std::string(reinterpret_cast<const char*>(wide.data()), wide.size() * 2));
}
BENCHMARK(BM_Read10000Utf16)->Unit(benchmark::kMillisecond);

void BM_Write10000(benchmark::State& state) {
  UserChannelList list;
  list.Merge(ReadPlaylist(List(10000), "m3u", u"g", nullptr));
  for (auto _ : state) benchmark::DoNotOptimize(list.ToM3u());
}
BENCHMARK(BM_Write10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
