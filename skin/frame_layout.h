// The geometry of a skinned window frame, apart from any window: the kind of frame a style
// calls for, the border sizes a skin gives, where the client area lies, how the caption
// band's hit test reads, which caption buttons show and where, and where the title goes.
// The frame skinner (win_skin_form.h) feeds it what it reads from its window.
#pragma once

#include <cstdint>
#include <vector>

#include "skin/skin_raster.h"
#include "skin/skin_records.h"

namespace telvana {

// The style bits the frame reads; the same numbers as Windows'.
namespace frame_style {
inline constexpr std::uint32_t kPopup = 0x80000000;
inline constexpr std::uint32_t kCaption = 0x00C00000;
inline constexpr std::uint32_t kSysMenu = 0x00080000;
inline constexpr std::uint32_t kThickFrame = 0x00040000;
inline constexpr std::uint32_t kMinimizeBox = 0x00020000;
inline constexpr std::uint32_t kMaximizeBox = 0x00010000;
inline constexpr std::uint32_t kModalFrame = 0x00000080;
}  // namespace frame_style

enum class TFrameKind : std::int32_t { Sizeable = 0, Single = 1, None = 2, Dialog = 3 };
TFrameKind FrameKindOf(std::uint32_t style);

// BorderIcons bits.
inline constexpr std::int32_t kIconMaximize = 1;
inline constexpr std::int32_t kIconMinimize = 2;
inline constexpr std::int32_t kIconSystemMenu = 8;
inline constexpr std::int32_t kIconCaptionRemoved = 16;
std::int32_t BorderIconsOf(std::uint32_t style, bool has_system_menu);

struct FrameBorders {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const FrameBorders&) const = default;
};
// The border sizes of one frame: each border's picture cut into its frames (Left and Right
// side by side, Top and Bottom stacked); none for a frame of kind None.
FrameBorders BordersOf(const TDataSkinBorder& left, const TDataSkinBorder& top,
                       const TDataSkinBorder& right, const TDataSkinBorder& bottom,
                       TFrameKind kind);

// The client rectangle of a window at `window` (screen or parent coordinates).
RasterRect ClientRectOf(const RasterRect& window, const FrameBorders& borders, int menu_bar_height);

// The hit test of the caption band: the window's own answer, changed only where it said
// nowhere or caption, from the point's y in window coordinates.
inline constexpr int kHitNowhere = 0;
inline constexpr int kHitCaption = 2;
inline constexpr int kHitMenu = 5;
int CaptionHitTest(int system_answer, int window_y, int border_top);

// What decides whether a caption button shows.
struct CaptionFacts {
  int window_width = 0;
  FrameBorders borders;
  int menu_bar_height = 0;
  int menu_bar_left_width = 0;  // the MenuBar record's LeftWidth when that slot has a picture
  bool active = false;
  bool maximised = false;
  bool system_menu = false;
  bool maximise_box = false;
  bool minimise_box = false;
  bool right_to_left = false;
  bool mdi_child_maximised = false;  // an MDI frame whose active child is maximised
  RasterRect title_text;             // where the title was drawn last
};
bool CaptionButtonVisible(const TDataSkinSysButton& button, const CaptionFacts& facts);

// One caption button as laid out; `visible` false leaves `rect` empty.
struct CaptionButtonPlace {
  bool visible = false;
  RasterRect rect;
};
// A caption button to lay out: its record and the size of one image of its picture (0 × 0
// for an empty picture, which is neither laid out nor drawn).
struct CaptionButtonInput {
  const TDataSkinSysButton* record = nullptr;
  int width = 0;
  int height = 0;
};
// The places of `buttons` in order (window coordinates); `right_edge` is the largest left
// edge of the right-anchored ones (0 when none).
std::vector<CaptionButtonPlace> LayoutCaptionButtons(const std::vector<CaptionButtonInput>& buttons,
                                                     const CaptionFacts& facts, int& right_edge);

// Where the title text goes within `title` (the caption band between the side borders), for
// a text `text_width` × `text_height` measured with three blanks added.
struct TitlePlacement {
  RasterRect text;  // the text rectangle, the background strip included
};
TitlePlacement PlaceTitle(const RasterRect& title, int text_width, int text_height,
                          const TDataSkinTitle& record, bool right_to_left, bool popup,
                          int right_buttons_edge);

}  // namespace telvana
