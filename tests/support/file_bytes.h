// The whole contents of a file, for the tests, benchmarks and probes that read their data
// from disk. Throws std::runtime_error naming the file when it cannot be read.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace telvana::testsupport {

template <class Bytes = std::vector<std::uint8_t>>
Bytes ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  const auto name = path.u8string();
  if (!in) throw std::runtime_error("cannot open " + std::string(name.begin(), name.end()));
  Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw std::runtime_error("cannot read " + std::string(name.begin(), name.end()));
  return bytes;
}

}  // namespace telvana::testsupport
