#include "skin/button_layout.h"

#include <string>

#include "skin/ascii.h"

namespace telvana {

int PushButtonFrame(std::uint8_t mouse_state, bool is_default, bool focused, bool enabled) {
  int frame = 1;
  if (mouse_state & kMousePressed) {
    frame = 2;
  } else if (mouse_state & kMouseHot) {
    frame = 4;
  } else if (is_default) {
    frame = 5;
  } else if (focused) {
    frame = 4;
  }
  return enabled ? frame : 3;
}

int BitButtonFrame(std::uint8_t mouse_state, bool is_default, bool focused, bool enabled) {
  int frame = 1;
  if (mouse_state & kMousePressed) {
    frame = 2;
  } else if (focused || (mouse_state & kMouseHot)) {
    frame = 4;
  } else if (is_default) {
    frame = 5;
  }
  return enabled ? frame : 3;
}

GlyphLayout GlyphLayoutFromName(const wchar_t* name) {
  const std::wstring lower = AsciiLowered(name ? std::wstring_view(name) : std::wstring_view());
  if (lower == L"blglyphright") return GlyphLayout::kRight;
  if (lower == L"blglyphtop") return GlyphLayout::kTop;
  if (lower == L"blglyphbottom") return GlyphLayout::kBottom;
  return GlyphLayout::kLeft;
}

BitButtonPlaces PlaceBitButton(LayoutPoint client, LayoutPoint glyph, LayoutPoint text, int margin,
                               int spacing, GlyphLayout layout) {
  const bool across = layout == GlyphLayout::kLeft || layout == GlyphLayout::kRight;
  BitButtonPlaces places;
  // Centred on the axis the layout does not use.
  if (across) {
    places.glyph.y = (client.y - glyph.y + 1) / 2;
    places.text.y = (client.y - text.y + 1) / 2;
  } else {
    places.glyph.x = (client.x - glyph.x + 1) / 2;
    places.text.x = (client.x - text.x + 1) / 2;
  }
  const int client_size = across ? client.x : client.y;
  const int glyph_size = across ? glyph.x : glyph.y;
  const int text_size = across ? text.x : text.y;
  if (text.x == 0 || glyph.x == 0) spacing = 0;
  if (margin == -1) {
    if (spacing == -1) {
      margin = (client_size - (glyph_size + text_size)) / 3;
      spacing = margin;
    } else {
      margin = (client_size - (glyph_size + spacing + text_size)) / 2;
    }
  } else if (spacing == -1) {
    spacing = ((client_size - (margin + glyph_size)) - text_size) / 2;
  }
  switch (layout) {
    case GlyphLayout::kLeft:
      places.glyph.x = margin;
      places.text.x = margin + glyph.x + spacing;
      places.text_align = BitButtonPlaces::Align::kLeft;
      break;
    case GlyphLayout::kRight:
      places.glyph.x = client.x - margin - glyph.x;
      places.text.x = places.glyph.x - spacing - text.x;
      places.text_align = BitButtonPlaces::Align::kRight;
      break;
    case GlyphLayout::kTop:
      places.glyph.y = margin;
      places.text.y = margin + glyph.y + spacing;
      places.text_align = BitButtonPlaces::Align::kCentre;
      break;
    case GlyphLayout::kBottom:
      places.glyph.y = client.y - margin - glyph.y;
      places.text.y = places.glyph.y - spacing - text.y;
      places.text_align = BitButtonPlaces::Align::kCentre;
      break;
  }
  return places;
}

int GlyphCell(int cells, int button_frame) {
  if (cells != 4) return 0;
  const int glyph_state = button_frame == 2 ? 3 : button_frame == 3 ? 2 : 1;
  return glyph_state - 1;
}

namespace {
// The long strips (12 check box frames, 8 radio frames) keep the four basic looks elsewhere:
// checked at 5, unchecked disabled at 4, checked disabled at 8.
int LongStripFrame(int frame) {
  switch (frame) {
    case 2:
      return 5;
    case 3:
      return 4;
    case 4:
      return 8;
  }
  return frame;
}
}  // namespace

int CheckBoxFrame(bool checked, bool indeterminate, bool disabled, int frames) {
  int frame = checked ? 2 : 1;
  if (disabled) frame += 2;
  if (indeterminate) frame = 4;
  if (frames == 12) {
    frame = LongStripFrame(frame);
    if (indeterminate) frame = disabled ? 12 : 9;
  }
  return frame;
}

int RadioButtonFrame(bool checked, bool disabled, int frames) {
  int frame = checked ? 2 : 1;
  if (disabled) frame += 2;
  return frames == 8 ? LongStripFrame(frame) : frame;
}

BoxPlaces PlaceBox(int left, int top, int right, int bottom, int cell_width, int cell_height,
                   int check_size, bool left_text, bool radio) {
  BoxPlaces places;
  places.glyph_top = top + ((bottom - top) - cell_height) / 2;
  if (left_text) {
    const int glyph_right = cell_width > 14 ? right - 1 : right - (14 - cell_width) / 2;
    places.glyph_left = glyph_right - cell_width;
    places.face_left = right - check_size - 3;
    places.face_right = right;
  } else {
    const int shift = radio ? 0 : 2;
    places.glyph_left = cell_width > 14 ? left + shift : left + (14 - cell_width) / 2 + shift;
    places.face_left = left;
    places.face_right = left + check_size + 3;
  }
  return places;
}

}  // namespace telvana
