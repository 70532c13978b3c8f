// A skin shaped like the main window's stored one: 30 bitmaps and a description of about
// 5.5 KB packed last, some 250 KB in all. Used by tests, benchmarks and fuzz seeds.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "skin/bmp_writer.h"
#include "skin/skin_packer.h"
#include "ui/pixel_image.h"

namespace telvana::testing {

// A frame strip as skin pictures are drawn: rows of a soft vertical gradient, a darker
// one-pixel edge and magenta key-colour corners.
inline PixelImage SamplePicture(int width, int height, std::uint32_t seed) {
  PixelImage image;
  image.width = width;
  image.height = height;
  image.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const bool corner = (x + y < 3) || (width - 1 - x + y < 3);
      const bool edge = x == 0 || y == 0 || x == width - 1 || y == height - 1;
      const auto r = static_cast<std::uint8_t>(seed * 37 + y * 2);
      const auto g = static_cast<std::uint8_t>(seed * 11 + y * 3);
      const auto b = static_cast<std::uint8_t>(200 - y);
      image.at(x, y) = corner ? 0xFFFF00FFu
                       : edge ? Argb(0xFF, r / 2, g / 2, b / 2)
                              : Argb(0xFF, r, g, b);
    }
  }
  return image;
}

struct SampleBitmap {
  const char* name;
  int width;
  int height;
};

inline constexpr SampleBitmap kSampleBitmaps[] = {
    {"Left.bmp", 8, 300},       {"Right.bmp", 8, 300},     {"Top.bmp", 400, 40},
    {"Bottom.bmp", 400, 8},     {"TextBack.bmp", 120, 22}, {"MenuBar.bmp", 64, 44},
    {"MenuItem.bmp", 150, 100}, {"MenuBack.bmp", 64, 64},  {"Button.bmp", 150, 21},
    {"Check.bmp", 56, 14},      {"Radio.bmp", 56, 14},     {"Scrollbar.bmp", 368, 16},
    {"HScroll.bmp", 64, 17},    {"VScroll.bmp", 68, 16},   {"HThumb.bmp", 48, 17},
    {"VThumb.bmp", 51, 16},     {"Tabs.bmp", 150, 22},     {"TabBorder.bmp", 40, 40},
    {"Progress.bmp", 40, 16},   {"Chunk.bmp", 16, 12},     {"StatusBar.bmp", 48, 20},
    {"Combo.bmp", 68, 20},      {"Sunken.bmp", 40, 40},    {"Extra.bmp", 100, 20},
    {"Header.bmp", 100, 20},    {"Button0.bmp", 84, 12},   {"Button1.bmp", 84, 12},
    {"Button2.bmp", 84, 12},    {"Button3.bmp", 84, 12},   {"MDI.bmp", 180, 14},
};

inline std::string SampleDescription() {
  std::string ini =
      "; Telvana sample skin\r\n[TitlebarSkin]\r\nSkinName=Sample\r\nAuthor=Telvana\r\n\r\n"
      "[Personality]\r\nLeft=Left.bmp\r\nRight=Right.bmp\r\nTop=Top.bmp\r\nBottom=Bottom.bmp\r\n"
      "LeftTopHeight=30\r\nLeftBotHeight=30\r\nRightTopHeight=30\r\nRightBotHeight=30\r\n"
      "TopTopHeight=40\r\nTopBotHeight=40\r\nBottomTopHeight=20\r\nBottomBotHeight=20\r\n"
      "TextBack=TextBack.bmp\r\nTextShift=24\r\nTextShiftVert=2\r\nmenuBar=MenuBar.bmp\r\n"
      "ActiveTextR=255\r\nActiveTextG=255\r\nActiveTextB=255\r\n\r\n"
      "[Colours]\r\nWindowText=0 0 0\r\nButtonFace=223 223 219\r\nButtonText=0 0 0\r\n"
      "Hilight=49 106 197\r\nHilightText=255 255 255\r\nMenu=252 252 249\r\nMenuText=0 0 0\r\n"
      "[Buttons]\r\nBitmap=Button.bmp\r\nCheckButton=Check.bmp\r\nRadioButton=Radio.bmp\r\n"
      "LeftWidth=3\r\nRightWidth=3\r\nTopHeight=3\r\nBottomHeight=3\r\nTrans=1\r\n"
      "[MDICONTROLS]\r\nImage=MDI.bmp\r\n";
  const char* kPlain[][2] = {{"Scrollbar", "Scrollbar.bmp"},      {"HorzScroll", "HScroll.bmp"},
                             {"VertScroll", "VScroll.bmp"},       {"HorzScrollThumb", "HThumb.bmp"},
                             {"VertScrollThumb", "VThumb.bmp"},   {"Tabs", "Tabs.bmp"},
                             {"StatusBarEdges", "StatusBar.bmp"}, {"ComboButton", "Combo.bmp"},
                             {"SunkEdge", "Sunken.bmp"},          {"ExtraImages", "Extra.bmp"},
                             {"Headerbar", "Header.bmp"},         {"MenuItem", "MenuItem.bmp"},
                             {"MenuBackground", "MenuBack.bmp"}};
  for (const auto& p : kPlain) {
    ini +=
        std::string("\r\n[") + p[0] + "]\r\nImage=" + p[1] +
        "\r\nLeftWidth=4\r\nRightWidth=4\r\nTopHeight=4\r\nBottomHeight=4\r\nTrans=1\r\nTile=0\r\n"
        "NormalColour=-1\r\nMouseOverColour=-1\r\nPressedColour=-1\r\n";
  }
  ini += "\r\n[Progress]\r\nBitmap=Progress.bmp\r\nChunk=Chunk.bmp\r\n";
  for (int i = 0; i < 5; ++i) {
    const std::string n = std::to_string(i);
    ini += "\r\n[Button" + n + "]\r\nButtonImage=" + (i < 4 ? "Button" + n + ".bmp" : "none") +
           "\r\nAction=" + (i < 4 ? n : "3") +
           "\r\nAlign=1\r\nXcoord=" + std::to_string(20 + 18 * i) +
           "\r\nYcoord=5\r\nVisibility=0\r\nCombineOp=-1\r\n";
  }
  // Padding comments bring the description to the stored skin's size.
  while (ini.size() < 5500)
    ini += "; ------------------------------------------------------------\r\n";
  return ini;
}

inline std::vector<SkinEntry> SampleSkinEntries() {
  std::vector<SkinEntry> entries;
  std::uint32_t seed = 1;
  for (const SampleBitmap& b : kSampleBitmaps) {
    entries.push_back({b.name, EncodeBitmap(SamplePicture(b.width, b.height, seed++))});
  }
  const std::string ini = SampleDescription();
  entries.push_back({"Skin.ini", std::vector<std::uint8_t>(ini.begin(), ini.end())});
  SortForPacking(entries);
  return entries;
}

}  // namespace telvana::testing
