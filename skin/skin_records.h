// The skin element records: what every skin painter reads. Plain data, filled by the skin
// parser (skin_parse.h) and owned by the TSkinData that loaded them.
#pragma once

#include <cstdint>
#include <string>

#include "skin/ini_values.h"
#include "ui/pixel_image.h"

namespace telvana {

// A caption text colour that the skin leaves to the system.
inline constexpr ColourValue kNoTitleTextColour = 0x1FFFFFFF;

// The base of all records: a picture strip of FrameCount equal frames side by side, and the
// margins of the nine-slice cut of one frame.
struct TDataSkinObject {
  explicit TDataSkinObject(std::string name = {}) : Name(std::move(name)) {}
  virtual ~TDataSkinObject() = default;
  TDataSkinObject(const TDataSkinObject&) = default;
  TDataSkinObject(TDataSkinObject&&) = default;
  TDataSkinObject& operator=(const TDataSkinObject&) = default;
  TDataSkinObject& operator=(TDataSkinObject&&) = default;

  std::int32_t LeftWidth = 0;
  std::int32_t TopHeight = 0;
  std::int32_t RightWidth = 0;
  std::int32_t BottomHeight = 0;
  PixelImage Image;
  std::int32_t Trans = 0;  // 1: the magenta key colour is transparent
  std::int32_t Tile = 0;   // 1: the middle is tiled, else stretched (borders: 1 stretches)
  std::string Name;        // the section it came from
  std::int32_t FrameCount = 0;
  std::int32_t Style = 0;
  std::int32_t NormalColour = -1;
  std::int32_t MouseOverColour = -1;
  std::int32_t PressedColour = -1;
  ColourValue NormalColour2 = 0;
  ColourValue MouseOverColour2 = 0;
  ColourValue PressedColour2 = 0;
};

// A record with a second picture: the tab page border, the progress chunk, the up-down
// glyphs, the mirrored combo button.
struct TDataSkinBorder : TDataSkinObject {
  using TDataSkinObject::TDataSkinObject;
  PixelImage Image2;
};

// The push-button record, with the check and radio box pictures.
struct TDataSkinButton : TDataSkinObject {
  using TDataSkinObject::TDataSkinObject;
  PixelImage CheckButton;
  PixelImage RadioButton;
  std::int32_t RadioButtonFrame = 0;
  std::int32_t CheckButtonFrame = 0;
  bool HasNormalColour2 = false;
  bool HasMouseOverColour2 = false;
  bool HasPressedColour2 = false;
};

// The caption text area. LeftWidth holds TextShift, TopHeight TextShiftVert, RightWidth
// TextRightClip; Image is the text background.
struct TDataSkinTitle : TDataSkinObject {
  using TDataSkinObject::TDataSkinObject;
  std::int32_t TextAlignment = 0;
  std::int32_t Textbackground = 0;
  std::int32_t FontHeight = 14;
  std::int32_t TXTBackleft = 0;
  std::int32_t TXTBackRight = 0;
  ColourValue ActiveText = kNoTitleTextColour;
  ColourValue InActiveText = kNoTitleTextColour;
};

// One caption-bar button.
struct TDataSkinSysButton : TDataSkinObject {
  using TDataSkinObject::TDataSkinObject;
  std::int32_t Action = 0;
  std::int32_t Align = 0;
  std::int32_t Xcoord = 0;
  std::int32_t Ycoord = 0;
  std::int32_t CombineOp = -1;
  std::int32_t Visibility = 0;
  std::int32_t Visibility1 = 0;
};

// The group box caption.
struct TDataSkinBoxLabel : TDataSkinObject {
  using TDataSkinObject::TDataSkinObject;
  std::int32_t BackgroundLeftShift = 0;
  std::int32_t BackgroundRightShift = 0;
  std::int32_t BackgroundAlignment = 0;
};

}  // namespace telvana
