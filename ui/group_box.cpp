#include "ui/group_box.h"

#include "ui/win_handles.h"

namespace telvana::ui {

TGroupBox::TGroupBox(TComponent* owner) : TParentColoredControl(owner) {
  paints_ = true;
  SetBounds(0, 0, 185, 105);
}

int TGroupBox::TextHeight() const {
  if (text_height_ == 0) {
    const win::Font font = Font().Create();
    win::WindowDc screen(nullptr);
    win::SelectObjectScope select(screen.get(), font.get());
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(screen.get(), &metrics);
    text_height_ = metrics.tmHeight > 0 ? static_cast<int>(metrics.tmHeight) : -Font().Height;
  }
  return text_height_;
}

void TGroupBox::FontChanged() {
  text_height_ = 0;
  TParentColoredControl::FontChanged();
  AlignControls();
}

void TGroupBox::SetCaption(const std::wstring& caption) {
  TParentColoredControl::SetCaption(caption);
  if (Handle()) ::InvalidateRect(Handle(), nullptr, TRUE);
}

RECT TGroupBox::AlignArea() const {
  RECT r = TParentColoredControl::AlignArea();
  r.top += TextHeight();
  ::InflateRect(&r, -2, -2);
  return r;
}

void TGroupBox::Paint(HDC dc, const RECT& area) {
  // The frame runs through the middle of the caption's line.
  RECT frame = area;
  frame.top += TextHeight() / 2;
  ::DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  if (Caption().empty()) return;
  win::SelectObjectScope font(dc, FontHandle());
  RECT text{0, 0, 0, 0};
  ::DrawTextW(dc, Caption().c_str(), -1, &text, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  // The caption cuts the frame, with a blank on either side.
  RECT place{area.left + 8, area.top, area.left + 8 + text.right + 4, area.top + TextHeight()};
  ::FillRect(dc, &place, ColorBrush());
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ColorToRGB(Font().Color));
  ::InflateRect(&place, -2, 0);
  ::DrawTextW(dc, Caption().c_str(), -1, &place, DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
}

const ClassInfo& TGroupBox::StaticClass() {
  static const ClassInfo info{
      "TGroupBox",
      &TWinControl::StaticClass(),
      [](TComponent& owner) -> TComponent* { return TComponent::New<TGroupBox>(owner); },
      {
          BoolProp<TGroupBox>(
              "ParentColor", [](const TGroupBox& g) { return g.ParentColor(); },
              [](TGroupBox& g, bool v) { g.SetParentColor(v); }),
      }};
  return info;
}

}  // namespace telvana::ui
