// The geometry of the player control: where the video goes and where each part of its
// control bar lies, for a control of a given size and user-interface mode, and which part a
// point falls on. Portable, so that the arithmetic is tested without windows.
#pragma once

namespace telvana::player {

struct Box {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Empty() const { return right <= left || bottom <= top; }
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  bool operator==(const Box&) const = default;
};

// "full": the whole bar (position slider above the buttons); "mini": the buttons row only;
// "none": video only.
enum class UiMode { Full, Mini, None };

enum class BarPart { None, Video, Seek, PlayPause, Stop, Mute, Volume, Status, Time };

struct ControlLayout {
  Box video;  // the area that shows the picture (or the audio-only picture)
  Box bar;    // the whole bar; empty in mode "none"
  Box seek;   // the position slider's track; empty without the slider row
  Box playPause, stop, mute, volume;
  Box status;  // the status text
  Box time;    // "position / duration"; empty when the bar is too narrow
};

inline constexpr int kSeekRowHeight = 14;
inline constexpr int kButtonRowHeight = 32;
int BarHeight(UiMode mode);

// Lays out a control of `width` x `height` client pixels. Narrow bars give up the time text
// first, then the volume slider.
ControlLayout LayoutControl(int width, int height, UiMode mode);

// Where the status text goes: over the time's room too while the bar shows no time, as when
// it connects, waits to reconnect or failed, whose texts are the longest.
Box StatusTextBox(const ControlLayout& layout, bool timeShown);

// The part under a point; Seek only when `seekable`; Status over the time's room while no
// time is shown.
BarPart HitTest(const ControlLayout& layout, int x, int y, bool seekable, bool timeShown);

// The value (0 to 1) a slider stands for at horizontal position x.
double SliderFraction(const Box& track, int x);
// Where a slider's knob stands for a value (0 to 1).
int SliderPosition(const Box& track, double fraction);

// The rectangle the picture takes inside `area`. The picture is `width` x `height` samples
// of `sampleAspect` (width of a sample over its height; 0 or less means square). With
// `stretch` it is scaled to the largest size that fits, keeping its shape; without, it keeps
// its own size unless that is larger than the area, and is then scaled down. Always
// centred.
Box FitPicture(int width, int height, double sampleAspect, const Box& area, bool stretch);

}  // namespace telvana::player
