#include "skin/frame_layout.h"

#include <algorithm>

namespace telvana {

using namespace frame_style;

TFrameKind FrameKindOf(std::uint32_t style) {
  if ((style & kPopup) && (style & kCaption) != kCaption) return TFrameKind::None;
  if (style & kThickFrame) return TFrameKind::Sizeable;
  if (style & kModalFrame) return TFrameKind::Dialog;
  return TFrameKind::Single;
}

std::int32_t BorderIconsOf(std::uint32_t style, bool has_system_menu) {
  std::int32_t icons = 0;
  if ((style & kSysMenu) || has_system_menu) icons |= kIconSystemMenu;
  if (style & kMinimizeBox) icons |= kIconMinimize;
  if (style & kMaximizeBox) icons |= kIconMaximize;
  return icons;
}

namespace {
int FrameSize(int size, int frames) {
  return size / std::max(frames, 1);
}
}  // namespace

FrameBorders BordersOf(const TDataSkinBorder& left, const TDataSkinBorder& top,
                       const TDataSkinBorder& right, const TDataSkinBorder& bottom,
                       TFrameKind kind) {
  if (kind == TFrameKind::None) return {};
  return {FrameSize(left.Image.width, left.FrameCount), FrameSize(top.Image.height, top.FrameCount),
          FrameSize(right.Image.width, right.FrameCount),
          FrameSize(bottom.Image.height, bottom.FrameCount)};
}

RasterRect ClientRectOf(const RasterRect& window, const FrameBorders& borders,
                        int menu_bar_height) {
  return {window.left + borders.left, window.top + borders.top + menu_bar_height,
          window.right - borders.right, window.bottom - borders.bottom};
}

int CaptionHitTest(int system_answer, int window_y, int border_top) {
  if (system_answer != kHitNowhere && system_answer != kHitCaption) return system_answer;
  if (window_y > border_top) return kHitMenu;
  if (window_y > 3) return kHitCaption;
  return system_answer;
}

namespace {

// One of the two visibility conditions; `second` picks the Visibility1 column.
bool VisibilityHolds(int value, bool second, const TDataSkinSysButton& button,
                     const CaptionFacts& facts) {
  switch (value) {
    case 0:
      return second || button.Action != 0 || facts.system_menu;
    case 1:
      return facts.maximised;
    case 2:
      return !facts.maximised;
    case 3:
      return facts.active;
    case 4:
      return !facts.active;
    case 6:
      return facts.maximise_box && (second || facts.system_menu);
    case 7:
      return !facts.maximise_box;
    case 8:
      return facts.minimise_box && (second || facts.system_menu);
    case 9:
      return !facts.minimise_box;
    case 100:
      return facts.mdi_child_maximised && facts.menu_bar_height > 0;
    default:
      return value >= 200 && value <= 2000;
  }
}

}  // namespace

bool CaptionButtonVisible(const TDataSkinSysButton& button, const CaptionFacts& facts) {
  if (button.Action == 1 && !facts.maximise_box) return false;
  if (button.Action == 2 && !facts.minimise_box) return false;
  return VisibilityHolds(button.Visibility, false, button, facts) &&
         VisibilityHolds(button.Visibility1, true, button, facts);
}

std::vector<CaptionButtonPlace> LayoutCaptionButtons(const std::vector<CaptionButtonInput>& buttons,
                                                     const CaptionFacts& facts, int& right_edge) {
  right_edge = 0;
  std::vector<CaptionButtonPlace> places;
  places.reserve(buttons.size());
  const int w = facts.window_width;
  for (const CaptionButtonInput& input : buttons) {
    CaptionButtonPlace& place = places.emplace_back();
    const TDataSkinSysButton& b = *input.record;
    if (input.width <= 0 || input.height <= 0 || !CaptionButtonVisible(b, facts)) continue;
    int left = 0, top = 0;
    switch (b.Align) {
      case 0:
        left = b.Xcoord, top = b.Ycoord;
        break;
      case 1:
        left = w - b.Xcoord, top = b.Ycoord;
        right_edge = std::max(right_edge, left);
        break;
      case 2:
      case 8:
        left = facts.title_text.left - input.width - b.Xcoord, top = b.Ycoord;
        break;
      case 3:
      case 9:
        left = facts.title_text.right + b.Xcoord, top = b.Ycoord;
        break;
      case 100:
        top = facts.borders.top + (facts.menu_bar_height - input.height) / 2;
        left = facts.right_to_left ? facts.borders.left + b.Xcoord + facts.menu_bar_left_width
                                   : w - b.Xcoord - facts.borders.right - facts.menu_bar_left_width;
        break;
      default:
        break;
    }
    place.visible = true;
    place.rect = {left, top, left + input.width, top + input.height};
  }
  return places;
}

TitlePlacement PlaceTitle(const RasterRect& title, int text_width, int text_height,
                          const TDataSkinTitle& record, bool right_to_left, bool popup,
                          int right_buttons_edge) {
  const int width = text_width + record.TXTBackleft + record.TXTBackRight;
  const int free_space = title.Width() - width;
  const int text_shift = record.LeftWidth, shift_vertical = record.TopHeight;
  const int right_clip = record.RightWidth;
  int dx = 0;
  switch (right_to_left ? 2 : record.TextAlignment) {
    case 0:
      dx = text_shift;
      break;
    case 1:
      dx = free_space / 2;
      break;
    case 2:
      dx = free_space - right_clip;
      break;
    default:
      break;
  }
  const int dy = (title.Height() - text_height) / 2 + shift_vertical / 2;
  RasterRect text{title.left + dx, title.top + dy, title.left + dx + width,
                  title.top + dy + text_height};
  text.right = std::min(text.right, popup ? right_buttons_edge - 5 : title.right - right_clip);
  return {text};
}

}  // namespace telvana
