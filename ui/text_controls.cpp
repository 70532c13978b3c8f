#include "ui/text_controls.h"

#include "ui/win_handles.h"

namespace telvana::ui {

// ---------------------------------------------------------------------------------------
// TParentColoredControl

void TParentColoredControl::SetParentColor(bool on) {
  parent_color_ = on;
  FollowParentColor();
}

void TParentColoredControl::SetColor(TColor color) {
  parent_color_ = false;
  TWinControl::SetColor(color);
}

void TParentColoredControl::SetParent(TWinControl* parent) {
  TWinControl::SetParent(parent);
  FollowParentColor();
}

void TParentColoredControl::FollowParentColor() {
  if (!parent_color_ || !parent_ || color_ == parent_->Color()) return;
  color_ = parent_->Color();
  if (Handle()) ::InvalidateRect(Handle(), nullptr, TRUE);
}

void TParentColoredControl::WndProc(TMessage& m) {
  // The parent's colour may have changed since: take it before painting.
  if (m.msg == WM_ERASEBKGND || m.msg == WM_PAINT) FollowParentColor();
  TWinControl::WndProc(m);
}

// ---------------------------------------------------------------------------------------
// TLabel

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 65, 13);
}

void TLabel::SetParentColor(bool on) {
  parent_color_ = on;
  FollowParentColor();
  Invalidate();
}

void TLabel::SetColor(TColor color) {
  parent_color_ = false;
  TGraphicControl::SetColor(color);
}

void TLabel::SetParent(TWinControl* parent) {
  TGraphicControl::SetParent(parent);
  FollowParentColor();
}

void TLabel::FollowParentColor() {
  if (parent_color_ && parent_) color_ = parent_->Color();
}

void TLabel::SetWordWrap(bool on) {
  word_wrap_ = on;
  Invalidate();
}

void TLabel::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  Invalidate();
}

void TLabel::SetTransparent(bool on) {
  transparent_ = on;
  Invalidate();
}

void TLabel::Paint(HDC dc, const RECT& area) {
  // The parent's colour may have changed since: the parent paints everything again then.
  FollowParentColor();
  if (!transparent_) {
    ::SetBkColor(dc, ColorToRGB(color_));
    ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
  }
  if (Caption().empty()) return;
  win::SelectObjectScope font(dc, FontHandle());
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ColorToRGB(Font().Color));
  UINT flags = DT_NOPREFIX | DT_EXPANDTABS;
  if (word_wrap_) flags |= DT_WORDBREAK | DT_EDITCONTROL;  // long runs without blanks break too
  flags |= DrawTextAlignment(alignment_);
  RECT r = area;
  ::DrawTextW(dc, Caption().c_str(), -1, &r, flags);
}

const ClassInfo& TLabel::StaticClass() {
  static const ClassInfo info{
      "TLabel",
      &TGraphicControl::StaticClass(),
      [](TComponent& owner) -> TComponent* { return TComponent::New<TLabel>(owner); },
      {
          BoolProp<TLabel>(
              "WordWrap", [](const TLabel& l) { return l.word_wrap_; },
              [](TLabel& l, bool v) { l.SetWordWrap(v); }),
          EnumProp<TLabel, TAlignment>(
              "Alignment", kAlignmentNames, [](const TLabel& l) { return l.alignment_; },
              [](TLabel& l, TAlignment v) { l.SetAlignment(v); }),
          BoolProp<TLabel>(
              "Transparent", [](const TLabel& l) { return l.transparent_; },
              [](TLabel& l, bool v) { l.SetTransparent(v); }),
          BoolProp<TLabel>(
              "ParentColor", [](const TLabel& l) { return l.ParentColor(); },
              [](TLabel& l, bool v) { l.SetParentColor(v); }),
      }};
  return info;
}

// ---------------------------------------------------------------------------------------
// TMemo

TMemo::TMemo(TComponent* owner) : TWinControl(owner) {
  paints_ = true;
  color_ = clWindow;
  SetBounds(0, 0, 185, 89);
}

void TMemo::FillCreateParams(CreateParams& params) {
  TWinControl::FillCreateParams(params);
  if (ctl3_d_)
    params.ex_style |= WS_EX_CLIENTEDGE;
  else
    params.style |= WS_BORDER;
}

void TMemo::SetLines(std::vector<std::wstring> lines) {
  lines_ = std::move(lines);
  if (Handle()) ::InvalidateRect(Handle(), nullptr, TRUE);
}

std::wstring TMemo::Text() const {
  std::wstring text;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (i) text += L"\r\n";
    text += lines_[i];
  }
  return text;
}

void TMemo::SetWordWrap(bool on) {
  word_wrap_ = on;
  if (Handle()) ::InvalidateRect(Handle(), nullptr, TRUE);
}

void TMemo::Paint(HDC dc, const RECT& area) {
  const std::wstring text = Text();
  if (text.empty()) return;
  win::SelectObjectScope font(dc, FontHandle());
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ColorToRGB(Font().Color));
  // A little room around the text, as an edit control leaves it.
  RECT r = area;
  ::InflateRect(&r, -4, 0);
  r.top += 3;
  UINT flags = DT_NOPREFIX | DT_EXPANDTABS;
  if (word_wrap_) flags |= DT_WORDBREAK | DT_EDITCONTROL;
  ::DrawTextW(dc, text.c_str(), -1, &r, flags);
}

const ClassInfo& TMemo::StaticClass() {
  static const ClassInfo info{
      "TMemo",
      &TWinControl::StaticClass(),
      [](TComponent& owner) -> TComponent* { return TComponent::New<TMemo>(owner); },
      {
          {"Lines.Strings", PropKind::Strings,
           [](const TComponent& c) { return PropValue{As<TMemo>(c).Lines()}; },
           [](TComponent& c, const PropValue& v) { As<TMemo>(c).SetLines(v.Strings()); }},
          BoolProp<TMemo>(
              "WordWrap", [](const TMemo& m) { return m.word_wrap_; },
              [](TMemo& m, bool v) { m.SetWordWrap(v); }),
          BoolProp<TMemo>(
              "Ctl3D", [](const TMemo& m) { return m.ctl3_d_; },
              [](TMemo& m, bool v) { m.SetCtl3D(v); }),
          // Memos of this program only show their lines.
          BoolProp<TMemo>(
              "ReadOnly", [](const TMemo&) { return true; },
              [](TMemo&, bool on) {
                if (!on) throw PropertyError("memos that take input are not supported");
              }),
      }};
  return info;
}

}  // namespace telvana::ui
