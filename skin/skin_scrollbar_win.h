// The wrappers of scroll bars: TSkinScrollbar paints the non-client scroll bars of a scrolled
// control (list, memo) from the skin's scroll-bar pictures and drags their thumbs itself, so
// that the skinned thumb follows the mouse; TSkinSizer gives a bare "scrollbar" window of a
// dialog a plain frame.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "skin/scrollbar_layout.h"
#include "skin/skin_control_win.h"

namespace telvana {

class TSkinScrollbar : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  // Lets go of the mouse when it goes in the middle of a thumb drag.
  ~TSkinScrollbar() override;

  // Takes over the messages of the framework control `component` and has its frame worked
  // out again. `handle_clicks`: the bars take left clicks on their thumbs themselves.
  virtual void AttachScrolled(ui::TComponent& component, TSkinData& skin_data, bool handle_clicks,
                              TWinSkinForm* form, HDC canvas);
  bool BeforeMessage(ui::TMessage& message) override;
  void AfterMessage(ui::TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;
  // The system draws the bars again.
  void Unskin() override;

  bool HandleClicks() const { return FHandleClicks; }
  bool Tracking() const { return FTracking; }
  std::int32_t PressedPart() const { return FPressedPart; }
  const ScrollBarGeometry& HorzGeometry() const { return FHorzGeom; }
  const ScrollBarGeometry& VertGeometry() const { return FVertGeom; }
  const RECT& HorzBar() const { return FHorzBar; }
  const RECT& VertBar() const { return FVertBar; }
  const RECT& Corner() const { return FCorner; }

 private:
  enum class Axis { kHorz, kVert };

  // The bars' places from the window's sizes and styles, into FHorzBar, FVertBar, FCorner;
  // false when the window shows no bar.
  bool PlaceBars();
  // The thumb of one bar from its scroll information, unless a drag owns it.
  void ComputeThumb(Axis axis);
  void PaintBar(HDC dc, Axis axis);
  // A left press on a bar: true when it hit the thumb and the drag has been run.
  bool ClickBar(const ui::TMessage& message);
  // The wrapper's own drag of a thumb until the button goes up, the mouse is taken away or
  // the window goes. False when the wrapper itself went meanwhile.
  bool DragLoop(Axis axis, POINT start);
  // One mouse position of a drag, in screen coordinates.
  void DragTo(Axis axis, POINT at, POINT start, int start_offset, std::int32_t& last_position);

  std::int32_t FPressedPart = kPressedNone;
  LONG FStyle = 0;
  LONG FExStyle = 0;
  RECT FCorner{};
  bool FTracking = false;
  bool FHandleClicks = false;
  bool FVertScrolling = false;
  bool FHorzScrolling = false;
  SCROLLINFO FHorzInfo{sizeof(SCROLLINFO)};
  SCROLLINFO FVertInfo{sizeof(SCROLLINFO)};
  RECT FHorzBar{};
  RECT FVertBar{};
  ScrollBarGeometry FHorzGeom;
  ScrollBarGeometry FVertGeom;

  // Cleared when the wrapper goes, so that a drag loop running under it stops touching it.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
  bool released_ = false;  // Unskin ran: the system's bars show
};

// A bare scroll-bar window of a dialog: its own painting is replaced by a frame.
class TSkinSizer : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(ui::TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;
};

}  // namespace telvana
