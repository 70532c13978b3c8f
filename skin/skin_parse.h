// Turning a skin's bytes into its element records and colours: the whole load of a skin,
// without the component around it. All or nothing: either every record comes back, or an
// error is raised and the caller keeps what it had.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "skin/bmp_decoder.h"
#include "skin/ini_values.h"
#include "skin/quick_ini.h"
#include "skin/skin_limits.h"
#include "skin/skin_reader.h"
#include "skin/skin_records.h"
#include "skin/skin_slots.h"

namespace telvana {

// The sixteen colours of section "Colours", in declaration order.
struct SkinColours {
  ColourValue WindowText = SystemColour(8);
  ColourValue TitleTextActive = SystemColour(9);
  ColourValue TitleTextNoActive = SystemColour(19);
  ColourValue ButtonFace = SystemColour(15);
  ColourValue ButtonText = SystemColour(18);
  ColourValue ButtonHilight = SystemColour(20);
  ColourValue Buttonlight = SystemColour(20);
  ColourValue ButtonShadow = SystemColour(16);
  ColourValue ButtonDkShadow = SystemColour(21);
  ColourValue HilightText = SystemColour(14);
  ColourValue Hilight = SystemColour(13);
  ColourValue Menubar = SystemColour(15);
  ColourValue MenuBarText = SystemColour(7);
  ColourValue MenuText = SystemColour(7);
  ColourValue Menu = SystemColour(4);
  ColourValue Scrollbar = SystemColour(0);
};

// Everything a skin description yields. The permanent records (the four borders, Title,
// Buttons) are members, so that a component that move-assigns a new SkinRecords over its
// old one keeps their addresses.
struct SkinRecords {
  std::string SkinName;
  SkinColours Colours;
  std::vector<ColourValue> ExtraColours;
  TDataSkinBorder Left{"Left"};
  TDataSkinBorder Right{"Right"};
  TDataSkinBorder Top{"Top"};
  TDataSkinBorder Bottom{"Bottom"};
  TDataSkinTitle Title{"Title"};
  TDataSkinButton Buttons{"Buttons"};
  std::vector<std::unique_ptr<TDataSkinSysButton>> SysButtons;
  std::array<std::unique_ptr<TDataSkinObject>, kSkinSlotCount> Slots;

  TDataSkinObject* Slot(SkinSlot s) const { return Slots[static_cast<std::size_t>(s)].get(); }
  // The slot's record as its class (TDataSkinBorder for Progress, Tabs, ComboButton and the
  // up-down slots, TDataSkinBoxLabel for GroupBox); null when the slot is empty.
  template <class T>
  T* SlotAs(SkinSlot s) const {
    return dynamic_cast<T*>(Slot(s));
  }
};

struct SkinParseLimits {
  BitmapLimits bitmap;
  std::int64_t max_total_pixels = kMaxSkinPixels;
};

// Fills `out` (fresh records) from the description and the pictures of the container, in
// the order of the program's skin loading. Throws SkinLoadError for a damaged or oversized
// picture, or when the pictures together exceed the limit.
void ParseSkin(const TQuickIni& ini, const TSkinReader& reader, SkinRecords& out,
               const SkinParseLimits& limits = {});

// The whole load of a skin file: container, description, records. Nothing when the
// container is of an older format (the caller shows kOlderSkinMessage). Throws
// SkinLoadError for damaged bytes.
std::optional<SkinRecords> LoadSkinRecords(std::span<const std::uint8_t> skin_file,
                                           const SkinReaderLimits& reader_limits = {},
                                           const SkinParseLimits& parse_limits = {});

// The picture a value of a picture key names: its file-name part (after the last '\' or
// ':'), only when its extension is exactly ".bmp". Empty when it names none.
std::string PictureEntryName(std::string_view value);

// The left-to-right mirror of `image` at 24 bits a pixel (every pixel opaque).
PixelImage MirroredOpaque(const PixelImage& image);

// The frame count of a check or radio box picture given none: its width divided by 13 when
// it is less than 16 pixels high, else by 16, and at least 4.
std::int32_t BoxPictureFrames(const PixelImage& image);

}  // namespace telvana
