// Skin element painting with whatever a damaged skin and a window may hand it: pictures of
// any size, margins of any sign and size, frame counts and indices out of range, pieces read
// backwards or from outside the picture. Every painted pixel is black or a pixel of the
// picture, and every result has the asked size.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <unordered_set>

#include "fuzz/skin/fuzz_checks.h"
#include "skin/bitmap_transforms.h"
#include "skin/region_runs.h"
#include "skin/skin_element.h"

namespace {

using telvana::PixelImage;

class Input {
 public:
  explicit Input(std::span<const std::uint8_t> data) : data_(data) {}
  int Byte() { return at_ < data_.size() ? data_[at_++] : 0; }
  int Signed() { return static_cast<std::int8_t>(Byte()); }
  int Size(int most) { return (Byte() << 8 | Byte()) % (most + 1); }

 private:
  std::span<const std::uint8_t> data_;
  std::size_t at_ = 0;
};

void CheckPainted(const PixelImage& out, int width, int height,
                  const std::unordered_set<std::uint32_t>& colours) {
  FUZZ_CHECK(out.width == width && out.height == height);
  FUZZ_CHECK(out.pixels.size() == static_cast<std::size_t>(width) * height);
  for (std::uint32_t p : out.pixels) FUZZ_CHECK(p == 0xFF000000u || colours.count(p) == 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in({data, size});
  PixelImage picture;
  picture.width = in.Size(40);
  picture.height = in.Size(40);
  picture.pixels.resize(static_cast<std::size_t>(picture.width) * picture.height);
  std::unordered_set<std::uint32_t> colours;
  for (std::uint32_t& p : picture.pixels) {
    p = static_cast<std::uint32_t>(in.Byte() << 16 | in.Byte() << 8 | in.Byte());
    colours.insert(p | 0xFF000000u);
  }
  const telvana::SkinMargins margins{in.Signed(), in.Signed(), in.Signed(), in.Signed()};
  const int n = in.Signed();
  const int k = in.Signed();
  const bool vertical = in.Byte() & 1;
  const bool tile = in.Byte() & 1;
  const int width = in.Size(300);
  const int height = in.Size(300);

  CheckPainted(telvana::BuildSkinElement(width, height, picture, margins, vertical, tile, n, k),
               width, height, colours);
  CheckPainted(telvana::BuildSkinBorder(width, height, picture, margins, vertical, n, k), width,
               height, colours);
  CheckPainted(
      telvana::BuildSkinStrip(width, height, picture, vertical, n, k, margins.left, margins.right),
      width, height, colours);
  CheckPainted(telvana::BuildStretchedFrame(width, height, picture, n, k), width, height, colours);

  PixelImage out = telvana::BlankImage(width, height);
  const telvana::RasterRect to{in.Signed(), in.Signed(), in.Signed() * 3, in.Signed() * 3};
  const telvana::RasterRect from{in.Signed(), in.Signed(), in.Signed(), in.Signed()};
  telvana::StretchPiece(out, to, picture, from);
  telvana::TilePiece(out, to.left, to.top, to.right, to.bottom, picture, from);
  CheckPainted(out, width, height, colours);

  const PixelImage turned = telvana::RotateLeft(picture);
  FUZZ_CHECK(turned.width == picture.height && turned.height == picture.width);
  for (const telvana::RasterRect& run : telvana::RegionRuns(picture)) {
    FUZZ_CHECK(run.left >= 0 && run.right <= picture.width && run.left < run.right);
  }
  return 0;
}
