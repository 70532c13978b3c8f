#include "player/control_bar_layout.h"

#include <algorithm>
#include <cmath>

namespace telvana::player {

namespace {
constexpr int kButtonSize = 28;
constexpr int kMargin = 6;
constexpr int kGap = 4;
constexpr int kVolumeWidth = 64;
constexpr int kTimeWidth = 96;
constexpr int kMinStatusWidth = 64;
}  // namespace

int BarHeight(UiMode mode) {
  switch (mode) {
    case UiMode::Full:
      return kSeekRowHeight + kButtonRowHeight;
    case UiMode::Mini:
      return kButtonRowHeight;
    case UiMode::None:
      return 0;
  }
  return 0;
}

ControlLayout LayoutControl(int width, int height, UiMode mode) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  ControlLayout l;
  const int barHeight = std::min(BarHeight(mode), height);
  l.video = {0, 0, width, height - barHeight};
  if (barHeight == 0) return l;
  l.bar = {0, height - barHeight, width, height};
  int rowTop = l.bar.top;
  if (mode == UiMode::Full) {
    l.seek = {kMargin + 2, rowTop + 4, std::max(kMargin + 2, width - kMargin - 2),
              rowTop + kSeekRowHeight - 4};
    rowTop += kSeekRowHeight;
  }
  const int buttonTop = rowTop + (l.bar.bottom - rowTop - kButtonSize) / 2;
  const auto button = [&](int left) {
    return Box{left, buttonTop, left + kButtonSize, buttonTop + kButtonSize};
  };
  int x = kMargin;
  l.playPause = button(x);
  x += kButtonSize + kGap;
  l.stop = button(x);
  x += kButtonSize + 3 * kGap;
  l.mute = button(x);
  x += kButtonSize + kGap;
  const int right = width - kMargin;
  // What is left for the status text decides what else fits.
  const bool volumeFits = right - (x + kVolumeWidth + 2 * kGap) >= kMinStatusWidth;
  if (volumeFits) {
    l.volume = {x, buttonTop + 8, x + kVolumeWidth, buttonTop + kButtonSize - 8};
    x += kVolumeWidth + 3 * kGap;
  } else {
    x += kGap;
  }
  int statusRight = right;
  if (statusRight - x - kTimeWidth >= kMinStatusWidth) {
    l.time = {right - kTimeWidth, buttonTop, right, buttonTop + kButtonSize};
    statusRight = l.time.left - kGap;
  }
  l.status = {x, buttonTop, std::max(x, statusRight), buttonTop + kButtonSize};
  return l;
}

Box StatusTextBox(const ControlLayout& l, bool timeShown) {
  if (timeShown || l.time.Empty()) return l.status;
  return {l.status.left, l.status.top, l.time.right, l.status.bottom};
}

BarPart HitTest(const ControlLayout& l, int x, int y, bool seekable, bool timeShown) {
  if (l.video.Contains(x, y)) return BarPart::Video;
  if (!l.bar.Contains(x, y)) return BarPart::None;
  // The slider's track is thin: the whole row around it answers.
  if (seekable && !l.seek.Empty() && y >= l.bar.top && y < l.bar.top + kSeekRowHeight &&
      x >= l.seek.left - 4 && x < l.seek.right + 4) {
    return BarPart::Seek;
  }
  if (l.playPause.Contains(x, y)) return BarPart::PlayPause;
  if (l.stop.Contains(x, y)) return BarPart::Stop;
  if (l.mute.Contains(x, y)) return BarPart::Mute;
  if (!l.volume.Empty() && x >= l.volume.left - 4 && x < l.volume.right + 4 &&
      y >= l.playPause.top && y < l.playPause.bottom) {
    return BarPart::Volume;
  }
  if (StatusTextBox(l, timeShown).Contains(x, y)) return BarPart::Status;
  if (l.time.Contains(x, y)) return BarPart::Time;
  return BarPart::None;
}

double SliderFraction(const Box& track, int x) {
  if (track.Width() <= 1) return 0;
  return std::clamp(static_cast<double>(x - track.left) / (track.Width() - 1), 0.0, 1.0);
}

int SliderPosition(const Box& track, double fraction) {
  if (!std::isfinite(fraction)) fraction = 0;
  fraction = std::clamp(fraction, 0.0, 1.0);
  return track.left + static_cast<int>(std::lround(fraction * std::max(0, track.Width() - 1)));
}

Box FitPicture(int width, int height, double sampleAspect, const Box& area, bool stretch) {
  if (width <= 0 || height <= 0 || area.Empty()) return {area.left, area.top, area.left, area.top};
  if (!(sampleAspect > 0) || !std::isfinite(sampleAspect)) sampleAspect = 1;
  // The picture's shown width at its own height.
  double shownWidth = width * sampleAspect;
  double shownHeight = height;
  const double scale = std::min(area.Width() / shownWidth, area.Height() / shownHeight);
  if (stretch || scale < 1) {
    shownWidth *= scale;
    shownHeight *= scale;
  }
  const int w = std::clamp(static_cast<int>(std::lround(shownWidth)), 1, area.Width());
  const int h = std::clamp(static_cast<int>(std::lround(shownHeight)), 1, area.Height());
  const int left = area.left + (area.Width() - w) / 2;
  const int top = area.top + (area.Height() - h) / 2;
  return {left, top, left + w, top + h};
}

}  // namespace telvana::player
