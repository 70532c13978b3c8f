// Reading metafiles and normalising addresses: both run once per channel started, so they
// only need to be far below what a person notices; these figures show by how much.
#include <benchmark/benchmark.h>

#include <string>

#include "player/address.h"
#include "player/metafile.h"

namespace {

std::string SloppyAsx(int entries) {
  std::string text = "<!-- generated --><ASX VERSION=3><TITLE>Live & more</TITLE>\r\n";
  for (int i = 0; i < entries; ++i) {
    text += "<ENTRY><REF HREF=mms://live.example.com/ch" + std::to_string(i) +
            "?id=" + std::to_string(i) + "&gs=wmv><Ref href='http://live.example.com/ch" +
            std::to_string(i) + ".asf' /></ENTRY>\r\n";
  }
  return text + "</ASX>";
}

void BM_ParseAsx(benchmark::State& state) {
  const std::string text = SloppyAsx(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    benchmark::DoNotOptimize(telvana::player::ParseMetafile(
        telvana::player::MetafileKind::Asx, text, "http://127.0.0.1/live/list.asx"));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ParseAsx)->Arg(2)->Arg(32);

void BM_SniffMetafile(benchmark::State& state) {
  const std::string text = SloppyAsx(8);
  for (auto _ : state) benchmark::DoNotOptimize(telvana::player::SniffMetafile(text));
}
BENCHMARK(BM_SniffMetafile);

void BM_NormalizeAddress(benchmark::State& state) {
  const std::u16string address = u"  mms://198.51.100.27/徐州广播电视网_经济生活  ";
  for (auto _ : state) benchmark::DoNotOptimize(telvana::player::NormalizeAddress(address));
}
BENCHMARK(BM_NormalizeAddress);

}  // namespace

BENCHMARK_MAIN();
