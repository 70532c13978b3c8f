// skingen: draws one of the program's skins into a folder (its bitmaps and its description),
// ready for `skintool pack`. The same theme always gives the same bytes.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "skin/bmp_writer.h"
#include "skins/skingen/preview.h"
#include "skins/skingen/skin_design.h"

namespace {

namespace fs = std::filesystem;
using namespace telvana::skingen;

constexpr std::string_view kUsage =
    "usage: skingen THEME DIR\n"
    "       skingen --preview THEME FILE.bmp\n"
    "\n"
    "Draws the skin THEME into the folder DIR (made if missing; its old .bmp and .ini files\n"
    "are removed): one description, skin.ini, and its bitmaps.\n"
    "THEME is one of: stored (the main window's stored skin), classic (1.skn),\n"
    "spring (2.skn), summer (3.skn), autumn (4.skn), winter (5.skn).\n"
    "With --preview, draws instead a picture of two windows dressed in the skin.\n";

bool WriteFile(const fs::path& path, const void* data, std::size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
  out.close();
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::string_view(argv[1]) == "--help") {
    std::fputs(kUsage.data(), stdout);
    return 0;
  }
  const bool preview = argc == 4 && std::string_view(argv[1]) == "--preview";
  if (argc != 3 && !preview) {
    std::fputs(kUsage.data(), stderr);
    return 2;
  }
  if (preview) ++argv;
  const std::string_view id = argv[1];
  const Theme* theme = nullptr;
  for (const Theme* t : {&kStoredTheme, &kClassicTheme, &kSpringTheme, &kSummerTheme, &kAutumnTheme,
                         &kWinterTheme}) {
    if (t->id == id) theme = t;
  }
  if (theme == nullptr) {
    std::fprintf(stderr, "skingen: unknown theme \"%s\"\n\n%s", argv[1], kUsage.data());
    return 2;
  }
  const Geometry& geometry = theme == &kStoredTheme ? kStoredGeometry : kFileGeometry;
  const SkinDesign design = DesignSkin(*theme, geometry);
  if (preview) {
    const std::vector<std::uint8_t> bytes =
        telvana::EncodeBitmap(PreviewSkin(design, geometry), 24);
    if (!WriteFile(argv[2], bytes.data(), bytes.size())) {
      std::fprintf(stderr, "skingen: cannot write %s\n", argv[2]);
      return 1;
    }
    return 0;
  }

  const fs::path dir = argv[2];
  std::error_code ec;
  fs::create_directories(dir, ec);
  for (const auto& entry : fs::directory_iterator(dir, ec)) {
    const std::string ext = entry.path().extension().string();
    if (ext == ".bmp" || ext == ".ini") fs::remove(entry.path(), ec);
  }
  for (const Picture& p : design.pictures) {
    const std::vector<std::uint8_t> bytes = telvana::EncodeBitmap(p.image, 24);
    if (!WriteFile(dir / p.name, bytes.data(), bytes.size())) {
      std::fprintf(stderr, "skingen: cannot write %s\n", (dir / p.name).string().c_str());
      return 1;
    }
  }
  if (!WriteFile(dir / "skin.ini", design.description.data(), design.description.size())) {
    std::fprintf(stderr, "skingen: cannot write %s\n", (dir / "skin.ini").string().c_str());
    return 1;
  }
  return 0;
}
