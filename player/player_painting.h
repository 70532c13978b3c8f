// How the player control looks: the picture, the picture shown for sound-only streams, and
// the control bar. Plain GDI on the device context the control paints on.
#pragma once

#include <windows.h>

#include <string>

#include "player/control_bar_layout.h"
#include "player/playback_engine.h"

namespace telvana::player {

RECT ToRect(const Box& box);

// The picture, scaled into `dest` (the engine already made it that size, except for a
// moment after a resize).
void PaintPicture(HDC dc, const Box& dest, const Picture& picture);

// Fills `area` and leaves `picture` untouched, so that a picture drawn over it does not
// flicker.
void PaintAround(HDC dc, const Box& area, const Box& picture);

// Our own calm picture for sound-only streams: a deep blue ground, a still sound wave and
// broadcast arcs, captioned in `font`.
void PaintSoundPicture(HDC dc, const Box& area, HFONT font);

// What the bar shows.
struct BarView {
  bool playing = false;  // the play button shows "pause"
  bool canStop = false;
  bool muted = false;
  double volume = 1;
  bool seekable = false;
  double position = 0, duration = 0;
  bool live = false;  // a stream without an end: the time shows how long it played
  std::u16string status;
  BarPart hot = BarPart::None;  // under the mouse
  BarPart pressed = BarPart::None;
};

// The time is shown for what can seek and for live streams, not while nothing plays.
inline bool ShowsTime(const BarView& view) {
  return view.seekable || view.live;
}

void PaintControlBar(HDC dc, const ControlLayout& layout, const BarView& view, HFONT font);

}  // namespace telvana::player
