// The element slots of a skin: one optional record each, filled from one section of the
// description. The table gives, in parsing order, each slot's section, reader, record class
// and frame count; the static_asserts keep it in step with the enumeration.
#pragma once

#include <cstddef>
#include <string_view>

namespace telvana {

enum class SkinSlot {
  kProgress,
  kMenuBar,
  kGroupBoxEdge,
  kGroupBox,
  kToolbars,
  kTabs,
  kStatusBarEdges,
  kComboButton,
  kSunkEdge,
  kExtraImages,
  kHeaderbar,
  kMenuItem,
  kMenuBackground,
  kScrollbar,
  kHorzScroll,
  kVertScroll,
  kHorzScrollThumb,
  kVertScrollThumb,
  kThumbHorz,
  kThumbVert,
  kThumbLeft,
  kThumbRight,
  kThumbUp,
  kThumbDown,
  kUpDownHorz,
  kUpDownVert,
};
inline constexpr std::size_t kSkinSlotCount = 26;

enum class SlotReader {
  kPlain,       // TDataSkinObject from "Image"
  kTwoPicture,  // TDataSkinBorder from "Image" and a second picture key
  kMirrored,    // TDataSkinBorder from "Image"; the second picture is its mirror image
  kProgress,    // TDataSkinBorder from "Bitmap" and "Chunk"
  kGroupBox,    // TDataSkinBoxLabel from "Image"
  kMenuBar,     // TDataSkinObject from "menuBar" of "Personality"
};

// A frame count read from the slot's own "FrameCount" key, default 3.
inline constexpr int kFramesFromKey = -1;

struct SlotRule {
  SkinSlot slot;
  std::string_view slot_name;
  std::string_view section;
  SlotReader reader;
  int frames;
  std::string_view second_key = {};
};

inline constexpr SlotRule kSlotRules[] = {
    {SkinSlot::kProgress, "Progress", "Progress", SlotReader::kProgress, 2, "Chunk"},
    {SkinSlot::kMenuBar, "MenuBar", "Personality", SlotReader::kMenuBar, 2},
    {SkinSlot::kGroupBoxEdge, "GroupBoxEdge", "GroupBoxEdge", SlotReader::kPlain, 2},
    {SkinSlot::kGroupBox, "GroupBox", "GroupBox", SlotReader::kGroupBox, 1},
    {SkinSlot::kToolbars, "Toolbars", "Toolbars", SlotReader::kPlain, 5},
    {SkinSlot::kTabs, "Tabs", "Tabs", SlotReader::kTwoPicture, 5, "Border"},
    {SkinSlot::kStatusBarEdges, "StatusBarEdges", "StatusBarEdges", SlotReader::kPlain, 3},
    {SkinSlot::kComboButton, "ComboButton", "ComboButton", SlotReader::kMirrored, 4},
    {SkinSlot::kSunkEdge, "SunkEdge", "SunkEdge", SlotReader::kPlain, 4},
    {SkinSlot::kExtraImages, "ExtraImages", "ExtraImages", SlotReader::kPlain, 5},
    {SkinSlot::kHeaderbar, "Headerbar", "Headerbar", SlotReader::kPlain, 5},
    {SkinSlot::kMenuItem, "MenuItem", "MenuItem", SlotReader::kPlain, 5},
    {SkinSlot::kMenuBackground, "MenuBackground", "MenuBackground", SlotReader::kPlain, 1},
    {SkinSlot::kScrollbar, "Scrollbar", "Scrollbar", SlotReader::kPlain, 23},
    {SkinSlot::kHorzScroll, "HorzScroll", "HorzScroll", SlotReader::kPlain, 4},
    {SkinSlot::kVertScroll, "VertScroll", "VertScroll", SlotReader::kPlain, 4},
    {SkinSlot::kHorzScrollThumb, "HorzScrollThumb", "HorzScrollThumb", SlotReader::kPlain,
     kFramesFromKey},
    {SkinSlot::kVertScrollThumb, "VertScrollThumb", "VertScrollThumb", SlotReader::kPlain,
     kFramesFromKey},
    {SkinSlot::kThumbHorz, "ThumbHorz", "Trackbar.ThumbHorz", SlotReader::kPlain, 5},
    {SkinSlot::kThumbVert, "ThumbVert", "Trackbar.ThumbVert", SlotReader::kPlain, 5},
    {SkinSlot::kThumbLeft, "ThumbLeft", "Trackbar.ThumbLeft", SlotReader::kPlain, 5},
    {SkinSlot::kThumbRight, "ThumbRight", "Trackbar.ThumbRight", SlotReader::kPlain, 5},
    {SkinSlot::kThumbUp, "ThumbUp", "Trackbar.ThumbUp", SlotReader::kPlain, 5},
    {SkinSlot::kThumbDown, "ThumbDown", "Trackbar.ThumbDown", SlotReader::kPlain, 5},
    {SkinSlot::kUpDownHorz, "UpDownHorz", "UpDown.Horz", SlotReader::kTwoPicture, 8, "GlyphImage"},
    {SkinSlot::kUpDownVert, "UpDownVert", "UpDown.Vert", SlotReader::kTwoPicture, 8, "GlyphImage"},
};

static_assert(std::size(kSlotRules) == kSkinSlotCount);
consteval bool SlotTableInEnumOrder() {
  for (std::size_t i = 0; i < kSkinSlotCount; ++i) {
    if (static_cast<std::size_t>(kSlotRules[i].slot) != i) return false;
  }
  return true;
}
static_assert(SlotTableInEnumOrder(), "kSlotRules must list the slots in enumeration order");

inline constexpr const SlotRule& RuleOf(SkinSlot slot) {
  return kSlotRules[static_cast<std::size_t>(slot)];
}

}  // namespace telvana
