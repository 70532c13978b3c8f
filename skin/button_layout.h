// The geometry and frame choice of skinned buttons, check boxes and radio buttons: which
// frame of the skin's picture strip shows a state, where a glyph button puts its glyph and
// text, and where a check box puts its box. Portable: the wrappers hand in what they read from
// their windows.
#pragma once

#include <cstdint>

namespace telvana {

struct LayoutPoint {
  int x = 0, y = 0;
  bool operator==(const LayoutPoint&) const = default;
};

// FMouseState bits.
inline constexpr std::uint8_t kMouseHot = 1;
inline constexpr std::uint8_t kMousePressed = 2;

// The frame of a push button's five (1 normal, 2 pressed, 3 disabled, 4 hot or focused,
// 5 default).
int PushButtonFrame(std::uint8_t mouse_state, bool is_default, bool focused, bool enabled);
// The same for a glyph button, where focus outranks the default look.
int BitButtonFrame(std::uint8_t mouse_state, bool is_default, bool focused, bool enabled);

enum class GlyphLayout { kLeft, kRight, kTop, kBottom };
// "blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom" in any case; else left.
GlyphLayout GlyphLayoutFromName(const wchar_t* name);

struct BitButtonPlaces {
  LayoutPoint glyph, text;
  enum class Align { kLeft, kRight, kCentre } text_align = Align::kLeft;
};
// Where the glyph and the text go in a client area; a margin or spacing of -1 is worked out
// (centred, or spread evenly when both are -1). Sizes of (0, 0) mean no glyph or no text.
BitButtonPlaces PlaceBitButton(LayoutPoint client, LayoutPoint glyph, LayoutPoint text, int margin,
                               int spacing, GlyphLayout layout);
// Which cell of a glyph of `cells` cells shows a frame (1, 2 or 3 of the button's): only a
// four-cell glyph has pressed and disabled cells; the cell counts from 0.
int GlyphCell(int cells, int button_frame);

// The frame of a check box's picture strip of `frames` frames (4 or 12).
int CheckBoxFrame(bool checked, bool indeterminate, bool disabled, int frames);
// The frame of a radio button's strip of `frames` frames (4 or 8).
int RadioButtonFrame(bool checked, bool disabled, int frames);

struct BoxPlaces {
  int glyph_left = 0, glyph_top = 0;  // the glyph cell's top-left corner
  int face_left = 0, face_right = 0;  // the strip cleared to the face colour
};
// Where a check or radio box sits in a control of `left` to `right`, `top` to `bottom`, for
// a glyph cell `cell_width` by `cell_height`, a system check-mark size `check_size`; the box
// stands right with the text on its left when `left_text`. Radio boxes sit 2 pixels further
// left than check boxes.
BoxPlaces PlaceBox(int left, int top, int right, int bottom, int cell_width, int cell_height,
                   int check_size, bool left_text, bool radio);

}  // namespace telvana
