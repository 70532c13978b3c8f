// The standard controls that stored descriptions use: panels, splitters, list boxes,
// status bars, pictures, bevels and timers.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/graphic_control.h"
#include "ui/pixel_image.h"

namespace telvana::ui {

enum class TBevelCut { bvNone, bvLowered, bvRaised };
inline constexpr std::wstring_view kBevelNames[] = {L"bvNone", L"bvLowered", L"bvRaised"};

// A panel: a raised (or lowered) bevel around an area where child controls align.
class TPanel : public TWinControl {
 public:
  explicit TPanel(TComponent* owner);
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  TBevelCut BevelOuter() const { return bevel_outer_; }
  void SetBevelOuter(TBevelCut cut);
  TBevelCut BevelInner() const { return bevel_inner_; }
  void SetBevelInner(TBevelCut cut);
  int BevelWidth() const { return bevel_width_; }
  void SetBevelWidth(int width);

  RECT AlignArea() const override;

 protected:
  void Paint(HDC dc, const RECT& area) override;

 private:
  int BorderExtent() const;
  TBevelCut bevel_outer_ = TBevelCut::bvRaised;
  TBevelCut bevel_inner_ = TBevelCut::bvNone;
  int bevel_width_ = 1;
};

// A splitter: dragging it resizes the control aligned to the same side just before it.
// The neighbour never shrinks below MinSize, and the client area keeps MinSize too.
class TSplitter : public TWinControl {
 public:
  explicit TSplitter(TComponent* owner);
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  bool Beveled() const { return beveled_; }
  void SetBeveled(bool on);
  int MinSize() const { return min_size_; }
  void SetMinSize(int size) { min_size_ = size; }
  bool AutoSnap() const { return false; }

  // The control the splitter resizes, or null.
  TControl* Neighbour() const;
  // Moves the splitter by `delta` pixels as a drag would, then reports OnMoved.
  void MoveBy(int delta);

  NotifyEvent OnMoved;

  void WndProc(TMessage& message) override;

 protected:
  void Paint(HDC dc, const RECT& area) override;

 private:
  void ResizeNeighbour(int delta);

  bool beveled_ = false;
  int min_size_ = 30;
  bool dragging_ = false;
  int drag_start_ = 0;       // cursor x (or y) in the parent at the press
  int neighbour_start_ = 0;  // the neighbour's size at the press
};

// A list box of text rows.
class TListBox : public TWinControl {
 public:
  explicit TListBox(TComponent* owner);
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  void Clear();
  void Add(const std::wstring& row);
  // Replaces every row at once and draws the list once; for long lists.
  void SetRows(std::vector<std::wstring> rows);
  int Count() const { return static_cast<int>(rows_.size()); }
  const std::wstring& Row(int index) const { return rows_.at(static_cast<std::size_t>(index)); }
  const std::vector<std::wstring>& Rows() const { return rows_; }
  int ItemIndex() const;  // -1: no row selected
  void SetItemIndex(int index);
  int ItemHeight() const { return item_height_; }
  void SetItemHeight(int height);
  bool Ctl3D() const { return ctl3_d_; }
  void SetCtl3D(bool on) { ctl3_d_ = on; }

  void WndProc(TMessage& message) override;

 protected:
  void FillCreateParams(CreateParams& params) override;
  void HandleCreated() override;

 private:
  std::vector<std::wstring> rows_;
  int item_index_ = -1;  // kept for the time before the window exists
  int item_height_ = 0;  // 0: the font's
  bool ctl3_d_ = true;
};

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
inline constexpr std::wstring_view kAlignmentNames[] = {L"taLeftJustify", L"taRightJustify",
                                                        L"taCenter"};
// The DrawText flag of an alignment.
inline UINT DrawTextAlignment(TAlignment alignment) {
  return alignment == TAlignment::taCenter         ? DT_CENTER
         : alignment == TAlignment::taRightJustify ? DT_RIGHT
                                                   : DT_LEFT;
}

// A status bar of panels of fixed widths; the last one takes what is left.
class TStatusBar : public TWinControl {
 public:
  struct Panel {
    int width = 50;
    TAlignment alignment = TAlignment::taLeftJustify;
    std::wstring text;
  };

  explicit TStatusBar(TComponent* owner);
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  const std::vector<Panel>& Panels() const { return panels_; }
  void SetPanels(std::vector<Panel> panels);
  void SetPanelText(int index, const std::wstring& text);
  const std::wstring& PanelText(int index) const {
    return panels_.at(static_cast<std::size_t>(index)).text;
  }

 protected:
  void FillCreateParams(CreateParams& params) override;
  void HandleCreated() override;

 private:
  void UpdatePanels();
  void UpdatePanelText(int index);
  std::vector<Panel> panels_;
};

// A picture: a JPEG stored with the description, drawn stretched to the control or at its
// own size, on the control's colour (an empty place shows only the colour). It has no window.
class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* owner);
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  // Decodes the picture; a damaged one leaves the control empty and throws PropertyError.
  void SetPictureData(const PropBytes& jpeg);
  const PixelImage& Picture() const { return picture_; }
  bool Stretch() const { return stretch_; }
  void SetStretch(bool on);

 protected:
  void Paint(HDC dc, const RECT& area) override;

 private:
  PixelImage picture_;
  bool stretch_ = false;
};

enum class TBevelShape {
  bsBox,
  bsFrame,
  bsTopLine,
  bsBottomLine,
  bsLeftLine,
  bsRightLine,
  bsSpacer
};
inline constexpr std::wstring_view kBevelShapeNames[] = {
    L"bsBox",      L"bsFrame",     L"bsTopLine", L"bsBottomLine",
    L"bsLeftLine", L"bsRightLine", L"bsSpacer"};
enum class TBevelStyle { bsLowered, bsRaised };
inline constexpr std::wstring_view kBevelStyleNames[] = {L"bsLowered", L"bsRaised"};

// A bevel: a sunken or raised box, etched frame or line in the system's 3-D colours, with no
// window (rule lines between the parts of a window), or an empty spacer.
class TBevel : public TGraphicControl {
 public:
  explicit TBevel(TComponent* owner);
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  TBevelShape Shape() const { return shape_; }
  void SetShape(TBevelShape shape);
  TBevelStyle Style() const { return style_; }
  void SetStyle(TBevelStyle style);

 protected:
  void Paint(HDC dc, const RECT& area) override;

 private:
  TBevelShape shape_ = TBevelShape::bsBox;
  TBevelStyle style_ = TBevelStyle::bsLowered;
};

// A timer: OnTimer every Interval milliseconds while Enabled.
class TTimer : public TComponent, private WindowBase {
 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on);
  int Interval() const { return interval_; }
  void SetInterval(int ms);

  NotifyEvent OnTimer;

 private:
  void Update();
  // A message-only window receives WM_TIMER.
  LRESULT HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) override;

  bool enabled_ = true;
  int interval_ = 1000;
};

}  // namespace telvana::ui
