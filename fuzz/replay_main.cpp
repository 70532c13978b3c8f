// A fuzz target's corpus replayed as a test: every file of the folders named on the command
// line goes to the target's LLVMFuzzerTestOneInput, in name order, each in a buffer of exactly
// its size (one byte for an empty file) so that the sanitizers see a read past its end. A fault
// stops the run with the sanitizer's report or the harness's own abort, after the name of the input
// that caused it. A folder that does not exist counts as empty; finding no input at all is a
// failure.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "tests/support/file_bytes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  std::vector<fs::path> inputs;
  for (int i = 1; i < argc; ++i) {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(argv[i], error)) {
      if (entry.is_regular_file()) inputs.push_back(entry.path());
    }
  }
  std::sort(inputs.begin(), inputs.end());
  if (inputs.empty()) {
    std::fprintf(stderr, "replay: no inputs in the corpus folders\n");
    return 1;
  }
  for (const fs::path& input : inputs) {
    std::fprintf(stderr, "replay: %s\n", input.string().c_str());
    const auto bytes = telvana::testsupport::ReadFileBytes(input);
    const auto copy = std::make_unique<std::uint8_t[]>(std::max<std::size_t>(bytes.size(), 1));
    std::copy(bytes.begin(), bytes.end(), copy.get());
    LLVMFuzzerTestOneInput(copy.get(), bytes.size());
  }
  std::fprintf(stderr, "replay: %zu inputs\n", inputs.size());
  return 0;
}
