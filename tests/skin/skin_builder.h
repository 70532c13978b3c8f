// Skins made in a test: a description and pictures of chosen sizes, packed with our packer.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "skin/bmp_writer.h"
#include "skin/skin_packer.h"
#include "tests/skin/sample_skin.h"

namespace telvana::testing {

class SkinBuilder {
 public:
  explicit SkinBuilder(std::string description = {}) : ini_(std::move(description)) {}

  SkinBuilder& Ini(const std::string& text) {
    ini_ += text;
    return *this;
  }
  // A picture of `width` x `height`; its top-left pixel is magenta, the others derive from
  // `seed` (see SamplePicture).
  SkinBuilder& Picture(const std::string& name, int width, int height, std::uint32_t seed = 1) {
    entries_.push_back({name, EncodeBitmap(SamplePicture(width, height, seed))});
    return *this;
  }
  SkinBuilder& Entry(const std::string& name, std::vector<std::uint8_t> bytes) {
    entries_.push_back({name, std::move(bytes)});
    return *this;
  }

  std::vector<SkinEntry> Entries() const {
    std::vector<SkinEntry> all = entries_;
    all.push_back({"skin.ini", std::vector<std::uint8_t>(ini_.begin(), ini_.end())});
    return all;
  }
  std::vector<std::uint8_t> File() const { return PackSkin(Entries()); }

 private:
  std::string ini_;
  std::vector<SkinEntry> entries_;
};

}  // namespace telvana::testing
