// The reader's consumers take a skin apart in three steps: the container, the description
// found in it, then the bitmaps the description names. These tests run the steps together.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/bmp_decoder.h"
#include "skin/quick_ini.h"
#include "skin/skin_packer.h"
#include "skin/skin_reader.h"
#include "skin/skin_stream.h"
#include "tests/skin/sample_skin.h"

namespace telvana {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(SkinLoadTest, AStoredSkinShapedSkinReadsWholeWithItsDescriptionLast) {
  const std::vector<SkinEntry> entries = testing::SampleSkinEntries();
  const Bytes container = BuildSkinContainer(entries);
  const Bytes value = MakeSkinStreamProperty(PackSkinContainer(container));

  TSkinReader reader;
  ASSERT_TRUE(reader.ReadSkin(SkinFileOfStreamProperty(value)));
  ASSERT_EQ(reader.EntryCount(), 31);
  EXPECT_EQ(reader.EntryName(30), "skin.ini");

  Bytes description;
  std::string found;
  ASSERT_TRUE(reader.FindEntry(".ini", description, found));
  EXPECT_EQ(found, "skin.ini");
  EXPECT_GE(description.size(), 5500u);

  TQuickIni ini;
  ini.Load(description);
  EXPECT_EQ(ini.ReadString("TitlebarSkin", "SkinName", ""), "Sample");
  EXPECT_EQ(ini.ReadColour("Colours", "ButtonFace", 0), RgbColour(223, 223, 219));

  // Every picture named in the description is in the container and decodes.
  int pictures = 0;
  for (const std::string& section : ini.ReadSections()) {
    for (const char* key : {"Image", "Bitmap", "ButtonImage", "TextBack", "Left", "CheckButton"}) {
      const std::string name = ini.ReadString(section, key, "");
      if (name.size() < 4 || name.substr(name.size() - 4) != ".bmp") continue;
      Bytes bytes;
      reader.GetEntry(name, bytes);
      ASSERT_FALSE(bytes.empty()) << name;
      const PixelImage image = DecodeBitmap(bytes);
      EXPECT_EQ(image.at(0, 0), 0xFFFF00FFu) << name;  // the key-colour corner
      ++pictures;
    }
  }
  EXPECT_EQ(pictures, 23);

  Bytes mdi;
  reader.GetEntry("MDI.BMP", mdi);
  const PixelImage strip = DecodeBitmap(mdi);
  EXPECT_EQ(strip.width, 180);
  EXPECT_EQ(strip.height, 14);
}

TEST(SkinLoadTest, ADescriptionAlsoLoadsFromTheBytesOfAnEntry) {
  const std::string text = "[Colours]\r\nmenubar=1 2 3\r\n";
  TSkinReader reader;
  ASSERT_TRUE(reader.ReadSkin(
      PackSkin(std::vector<SkinEntry>{{"a.bmp", {}}, {"x.ini", Bytes(text.begin(), text.end())}})));
  Bytes bytes;
  std::string found;
  ASSERT_TRUE(reader.FindEntry(".ini", bytes, found));
  TQuickIni ini;
  ini.Load(bytes);
  EXPECT_EQ(ini.ReadColour("COLOURS", "MenuBar", 0), RgbColour(1, 2, 3));
}

}  // namespace
}  // namespace telvana
