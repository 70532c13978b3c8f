#include "ui/std_controls.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "ui/forms.h"
#include "ui/jpeg_decode.h"

namespace telvana::ui {

// ---------------------------------------------------------------------------------------
// TPanel

TPanel::TPanel(TComponent* owner) : TWinControl(owner) {
  paints_ = true;
  SetBounds(0, 0, 185, 41);
}

int TPanel::BorderExtent() const {
  return (bevel_outer_ != TBevelCut::bvNone ? bevel_width_ : 0) +
         (bevel_inner_ != TBevelCut::bvNone ? bevel_width_ : 0);
}

RECT TPanel::AlignArea() const {
  RECT r = TWinControl::AlignArea();
  ::InflateRect(&r, -BorderExtent(), -BorderExtent());
  return r;
}

void TPanel::SetBevelOuter(TBevelCut cut) {
  bevel_outer_ = cut;
  AlignControls();
  if (Handle()) ::InvalidateRect(Handle(), nullptr, TRUE);
}

void TPanel::SetBevelInner(TBevelCut cut) {
  bevel_inner_ = cut;
  AlignControls();
  if (Handle()) ::InvalidateRect(Handle(), nullptr, TRUE);
}

void TPanel::SetBevelWidth(int width) {
  bevel_width_ = std::max(1, width);
  AlignControls();
  if (Handle()) ::InvalidateRect(Handle(), nullptr, TRUE);
}

namespace {
void Fill(HDC dc, const RECT& r, COLORREF color) {
  ::SetBkColor(dc, color);
  ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

// One bevel ring of `width` pixels: light top-left and dark bottom-right when raised.
void DrawBevel(HDC dc, RECT& r, TBevelCut cut, int width) {
  if (cut == TBevelCut::bvNone) return;
  const COLORREF light = ::GetSysColor(COLOR_BTNHIGHLIGHT), dark = ::GetSysColor(COLOR_BTNSHADOW);
  const COLORREF topLeft = cut == TBevelCut::bvRaised ? light : dark;
  const COLORREF bottomRight = cut == TBevelCut::bvRaised ? dark : light;
  for (int i = 0; i < width; ++i) {
    Fill(dc, {r.left, r.top, r.right, r.top + 1}, topLeft);
    Fill(dc, {r.left, r.top, r.left + 1, r.bottom}, topLeft);
    Fill(dc, {r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    Fill(dc, {r.right - 1, r.top, r.right, r.bottom}, bottomRight);
    ::InflateRect(&r, -1, -1);
  }
}
}  // namespace

void TPanel::Paint(HDC dc, const RECT& area) {
  RECT r = area;
  DrawBevel(dc, r, bevel_outer_, bevel_width_);
  DrawBevel(dc, r, bevel_inner_, bevel_width_);
  if (!Caption().empty()) {
    win::SelectObjectScope font(dc, FontHandle());
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ColorToRGB(Font().Color));
    ::DrawTextW(dc, Caption().c_str(), -1, &r,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
}

const ClassInfo& TPanel::StaticClass() {
  static const ClassInfo info{
      "TPanel",
      &TWinControl::StaticClass(),
      [](TComponent& owner) -> TComponent* { return TComponent::New<TPanel>(owner); },
      {
          EnumProp<TPanel, TBevelCut>(
              "BevelOuter", kBevelNames, [](const TPanel& p) { return p.bevel_outer_; },
              [](TPanel& p, TBevelCut v) { p.SetBevelOuter(v); }),
          EnumProp<TPanel, TBevelCut>(
              "BevelInner", kBevelNames, [](const TPanel& p) { return p.bevel_inner_; },
              [](TPanel& p, TBevelCut v) { p.SetBevelInner(v); }),
          IntProp<TPanel>(
              "BevelWidth", [](const TPanel& p) { return p.bevel_width_; },
              [](TPanel& p, std::int64_t v) { p.SetBevelWidth(int(v)); }),
      }};
  return info;
}

// ---------------------------------------------------------------------------------------
// TSplitter

TSplitter::TSplitter(TComponent* owner) : TWinControl(owner) {
  paints_ = true;
  cursor_ = TCursor::crHSplit;
  SetBounds(0, 0, 3, 100);
  align_ = TAlign::alLeft;
}

void TSplitter::SetBeveled(bool on) {
  beveled_ = on;
  if (Handle()) ::InvalidateRect(Handle(), nullptr, TRUE);
}

TControl* TSplitter::Neighbour() const {
  if (!parent_) return nullptr;
  for (TControl* c : parent_->Controls()) {
    if (c == this || !c->Visible() || c->Align() != align_) continue;
    switch (align_) {
      case TAlign::alLeft:
        if (c->BoundsRect().right == Left()) return c;
        break;
      case TAlign::alRight:
        if (c->BoundsRect().left == BoundsRect().right) return c;
        break;
      case TAlign::alTop:
        if (c->BoundsRect().bottom == Top()) return c;
        break;
      case TAlign::alBottom:
        if (c->BoundsRect().top == BoundsRect().bottom) return c;
        break;
      default:
        break;
    }
  }
  return nullptr;
}

namespace {
bool Horizontal(TAlign a) {
  return a == TAlign::alLeft || a == TAlign::alRight;
}
int Extent(const TControl& c, TAlign a) {
  return Horizontal(a) ? c.Width() : c.Height();
}
}  // namespace

void TSplitter::ResizeNeighbour(int delta) {
  TControl* neighbour = Neighbour();
  if (!neighbour) return;
  // The neighbour may take everything the other bands on this axis leave, but for MinSize
  // kept free for the client area.
  const RECT area = parent_->AlignArea();
  int room = Horizontal(align_) ? area.right - area.left : area.bottom - area.top;
  for (TControl* c : parent_->Controls()) {
    if (c != neighbour && c->Visible() && c->Align() != TAlign::alNone &&
        c->Align() != TAlign::alClient && Horizontal(c->Align()) == Horizontal(align_)) {
      room -= Extent(*c, align_);
    }
  }
  const bool grows = align_ == TAlign::alLeft || align_ == TAlign::alTop;
  const int wanted = neighbour_start_ + (grows ? delta : -delta);
  const int largest = std::max(min_size_, room - min_size_);
  const int size = std::clamp(wanted, min_size_, largest);
  if (size == Extent(*neighbour, align_)) return;
  if (Horizontal(align_)) {
    neighbour->SetBounds(neighbour->Left(), neighbour->Top(), size, neighbour->Height());
  } else {
    neighbour->SetBounds(neighbour->Left(), neighbour->Top(), neighbour->Width(), size);
  }
  parent_->AlignControls();
}

void TSplitter::MoveBy(int delta) {
  TControl* neighbour = Neighbour();
  if (!neighbour) return;
  neighbour_start_ = Extent(*neighbour, align_);
  ResizeNeighbour(delta);
  if (OnMoved) OnMoved(*this);
}

void TSplitter::WndProc(TMessage& m) {
  const auto parentPos = [&] {
    POINT p{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
    ::MapWindowPoints(Handle(), parent_ ? parent_->Handle() : nullptr, &p, 1);
    return Horizontal(align_) ? p.x : p.y;
  };
  switch (m.msg) {
    case WM_LBUTTONDOWN:
      if (TControl* neighbour = Neighbour()) {
        dragging_ = true;
        drag_start_ = parentPos();
        neighbour_start_ = Extent(*neighbour, align_);
        ::SetCapture(Handle());
      }
      return;
    case WM_MOUSEMOVE:
      if (dragging_) ResizeNeighbour(parentPos() - drag_start_);
      break;
    case WM_LBUTTONUP:
      if (dragging_) {
        ResizeNeighbour(parentPos() - drag_start_);
        dragging_ = false;
        ::ReleaseCapture();
        if (OnMoved) OnMoved(*this);
      }
      return;
    case WM_CAPTURECHANGED:
      dragging_ = false;
      break;
  }
  TWinControl::WndProc(m);
}

void TSplitter::Paint(HDC dc, const RECT& area) {
  ::FillRect(dc, &area, ColorBrush());
  if (!beveled_) return;
  // A raised edge: light on the leading side, dark on the trailing side.
  RECT lead = area, trail = area;
  if (Horizontal(align_)) {
    lead.right = lead.left + 1;
    trail.left = trail.right - 1;
  } else {
    lead.bottom = lead.top + 1;
    trail.top = trail.bottom - 1;
  }
  ::SetBkColor(dc, ::GetSysColor(COLOR_BTNHIGHLIGHT));
  ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &lead, nullptr, 0, nullptr);
  ::SetBkColor(dc, ::GetSysColor(COLOR_BTNSHADOW));
  ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &trail, nullptr, 0, nullptr);
}

const ClassInfo& TSplitter::StaticClass() {
  static const ClassInfo info{
      "TSplitter",
      &TWinControl::StaticClass(),
      [](TComponent& owner) -> TComponent* { return TComponent::New<TSplitter>(owner); },
      {
          BoolProp<TSplitter>(
              "Beveled", [](const TSplitter& s) { return s.beveled_; },
              [](TSplitter& s, bool v) { s.SetBeveled(v); }),
          IntProp<TSplitter>(
              "MinSize", [](const TSplitter& s) { return s.min_size_; },
              [](TSplitter& s, std::int64_t v) { s.SetMinSize(int(v)); }),
          // A dragged neighbour never snaps shut.
          BoolProp<TSplitter>(
              "AutoSnap", [](const TSplitter&) { return false; },
              [](TSplitter&, bool on) {
                if (on) throw PropertyError("snapping splitters are not supported");
              }),
          EventProp<TSplitter>("OnMoved", &TSplitter::OnMoved),
      }};
  return info;
}

// ---------------------------------------------------------------------------------------
// TListBox

TListBox::TListBox(TComponent* owner) : TWinControl(owner) {
  color_ = clWindow;
  SetBounds(0, 0, 121, 97);
}

void TListBox::FillCreateParams(CreateParams& params) {
  TWinControl::FillCreateParams(params);
  params.class_name = WC_LISTBOXW;
  params.style |= WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
  if (ctl3_d_)
    params.ex_style |= WS_EX_CLIENTEDGE;
  else
    params.style |= WS_BORDER;
}

void TListBox::HandleCreated() {
  if (item_height_ > 0) ::SendMessageW(Handle(), LB_SETITEMHEIGHT, 0, item_height_);
  for (const std::wstring& row : rows_) {
    ::SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
  }
  ::SendMessageW(Handle(), LB_SETCURSEL, static_cast<WPARAM>(item_index_), 0);
}

void TListBox::Clear() {
  rows_.clear();
  item_index_ = -1;
  if (Handle()) ::SendMessageW(Handle(), LB_RESETCONTENT, 0, 0);
}

void TListBox::Add(const std::wstring& row) {
  if (Handle()) {
    const LRESULT r =
        ::SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
    if (r == LB_ERR || r == LB_ERRSPACE)
      throw PropertyError("the list box has no room for another row");
  }
  rows_.push_back(row);
}

void TListBox::SetRows(std::vector<std::wstring> rows) {
  rows_ = std::move(rows);
  item_index_ = -1;
  if (!Handle()) return;
  // Every message to the list passes its subclass chain, where Wine looks a window property
  // up (a call to its server) for each subclass: 0.1 ms a message, a second for 10,000 rows.
  // The rows go straight to the system's list box, with drawing off; what the chain is told
  // is the drawing going off and on, and the one repaint.
  const auto system = reinterpret_cast<WNDPROC>(::GetClassLongPtrW(Handle(), GCLP_WNDPROC));
  std::size_t characters = 0;
  for (const std::wstring& row : rows_) characters += row.size() + 1;
  ::SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
  ::CallWindowProcW(system, Handle(), LB_RESETCONTENT, 0, 0);
  ::CallWindowProcW(system, Handle(), LB_INITSTORAGE, rows_.size(), characters * sizeof(wchar_t));
  bool room = true;
  for (const std::wstring& row : rows_) {
    const LRESULT r =
        ::CallWindowProcW(system, Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
    if (r == LB_ERR || r == LB_ERRSPACE) {
      room = false;
      break;
    }
  }
  ::SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(Handle(), nullptr, TRUE);
  if (!room) throw PropertyError("the list box has no room for another row");
}

int TListBox::ItemIndex() const {
  if (!Handle()) return item_index_;
  return static_cast<int>(::SendMessageW(Handle(), LB_GETCURSEL, 0, 0));
}

void TListBox::SetItemIndex(int index) {
  item_index_ = (index >= 0 && index < Count()) ? index : -1;
  if (Handle()) ::SendMessageW(Handle(), LB_SETCURSEL, static_cast<WPARAM>(item_index_), 0);
}

void TListBox::SetItemHeight(int height) {
  item_height_ = height;
  if (Handle() && height > 0) ::SendMessageW(Handle(), LB_SETITEMHEIGHT, 0, height);
}

void TListBox::WndProc(TMessage& m) {
  switch (m.msg) {
    case CN_COMMAND:
      if (HIWORD(m.wParam) == LBN_DBLCLK && OnDblClick)
        OnDblClick(*this);
      else if (HIWORD(m.wParam) == LBN_SELCHANGE && OnClick)
        OnClick(*this);
      return;
    case CN_CTLCOLORLISTBOX: {
      HDC dc = reinterpret_cast<HDC>(m.wParam);
      ::SetTextColor(dc, ColorToRGB(Font().Color));
      ::SetBkColor(dc, ColorToRGB(Color()));
      m.result = reinterpret_cast<LRESULT>(ColorBrush());
      return;
    }
    case WM_LBUTTONDBLCLK:
      break;  // the list box itself reports it as LBN_DBLCLK
  }
  TWinControl::WndProc(m);
}

const ClassInfo& TListBox::StaticClass() {
  static const ClassInfo info{
      "TListBox",
      &TWinControl::StaticClass(),
      [](TComponent& owner) -> TComponent* { return TComponent::New<TListBox>(owner); },
      {
          IntProp<TListBox>(
              "ItemHeight", [](const TListBox& l) { return l.item_height_; },
              [](TListBox& l, std::int64_t v) { l.SetItemHeight(int(v)); }),
          BoolProp<TListBox>(
              "Ctl3D", [](const TListBox& l) { return l.ctl3_d_; },
              [](TListBox& l, bool v) { l.SetCtl3D(v); }),
          {"Items.Strings", PropKind::Strings,
           [](const TComponent& c) { return PropValue{As<TListBox>(c).Rows()}; },
           [](TComponent& c, const PropValue& v) {
             auto& list = As<TListBox>(c);
             list.Clear();
             for (const std::wstring& row : v.Strings()) list.Add(row);
           }},
      }};
  return info;
}

// ---------------------------------------------------------------------------------------
// TStatusBar

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 200, 19);
  align_ = TAlign::alBottom;
}

void TStatusBar::FillCreateParams(CreateParams& params) {
  TWinControl::FillCreateParams(params);
  params.class_name = STATUSCLASSNAMEW;
  // The layout is ours: the bar must not move or size itself.
  params.style |= SBARS_SIZEGRIP | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER;
}

void TStatusBar::HandleCreated() {
  UpdatePanels();
}

void TStatusBar::SetPanels(std::vector<Panel> panels) {
  panels_ = std::move(panels);
  UpdatePanels();
}

void TStatusBar::UpdatePanels() {
  if (!Handle() || panels_.empty()) return;
  std::vector<int> edges;
  int right = 0;
  for (std::size_t i = 0; i + 1 < panels_.size(); ++i) {
    right += panels_[i].width;
    edges.push_back(right);
  }
  edges.push_back(-1);  // the last panel reaches the right end
  ::SendMessageW(Handle(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  for (std::size_t i = 0; i < panels_.size(); ++i) UpdatePanelText(static_cast<int>(i));
}

void TStatusBar::SetPanelText(int index, const std::wstring& text) {
  panels_.at(static_cast<std::size_t>(index)).text = text;
  UpdatePanelText(index);
}

void TStatusBar::UpdatePanelText(int index) {
  if (!Handle()) return;
  const Panel& panel = panels_[static_cast<std::size_t>(index)];
  // A status bar centres text after one tab and right-aligns it after two.
  std::wstring shown = panel.alignment == TAlignment::taCenter         ? L"\t" + panel.text
                       : panel.alignment == TAlignment::taRightJustify ? L"\t\t" + panel.text
                                                                       : panel.text;
  ::SendMessageW(Handle(), SB_SETTEXTW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(shown.c_str()));
}

const ClassInfo& TStatusBar::StaticClass() {
  static const ClassInfo info{
      "TStatusBar",
      &TWinControl::StaticClass(),
      [](TComponent& owner) -> TComponent* { return TComponent::New<TStatusBar>(owner); },
      {
          {"Panels", PropKind::Collection, nullptr,
           [](TComponent& c, const PropValue& v) {
             std::vector<Panel> panels;
             for (const auto& item : v.Items()) {
               Panel& panel = panels.emplace_back();
               for (const auto& [name, value] : item) {
                 if (name == "Width")
                   panel.width = static_cast<int>(value.Int());
                 else if (name == "Text")
                   panel.text = value.Text();
                 else if (name == "Alignment") {
                   const auto* found = std::find(std::begin(kAlignmentNames),
                                                 std::end(kAlignmentNames), value.Text());
                   if (found == std::end(kAlignmentNames))
                     throw PropertyError("unknown panel alignment");
                   panel.alignment = static_cast<TAlignment>(found - std::begin(kAlignmentNames));
                 } else {
                   throw PropertyError("unknown property " + name + " of a status panel");
                 }
               }
             }
             As<TStatusBar>(c).SetPanels(std::move(panels));
           }},
      }};
  return info;
}

// ---------------------------------------------------------------------------------------
// TImage

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 105, 105);
}

void TImage::SetPictureData(const PropBytes& jpeg) {
  std::optional<PixelImage> decoded = DecodeJpeg(jpeg);
  picture_ = decoded ? std::move(*decoded) : PixelImage{};
  Invalidate();
  if (!decoded) throw PropertyError("the picture is damaged and cannot be shown");
}

void TImage::SetStretch(bool on) {
  stretch_ = on;
  Invalidate();
}

void TImage::Paint(HDC dc, const RECT& area) {
  if (picture_.empty() || !stretch_) Fill(dc, area, ColorToRGB(color_));
  if (picture_.empty()) return;
  const BITMAPINFO info = win::TopDownBitmapInfo(picture_.width, picture_.height);
  const int width = stretch_ ? area.right - area.left : picture_.width;
  const int height = stretch_ ? area.bottom - area.top : picture_.height;
  ::SetStretchBltMode(dc, HALFTONE);
  ::SetBrushOrgEx(dc, 0, 0, nullptr);
  ::StretchDIBits(dc, area.left, area.top, width, height, 0, 0, picture_.width, picture_.height,
                  picture_.pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
}

const ClassInfo& TImage::StaticClass() {
  static const ClassInfo info{
      "TImage",
      &TGraphicControl::StaticClass(),
      [](TComponent& owner) -> TComponent* { return TComponent::New<TImage>(owner); },
      {
          {"Picture.Data", PropKind::Binary, nullptr,
           [](TComponent& c, const PropValue& v) { As<TImage>(c).SetPictureData(v.Bytes()); }},
          BoolProp<TImage>(
              "Stretch", [](const TImage& i) { return i.stretch_; },
              [](TImage& i, bool v) { i.SetStretch(v); }),
      }};
  return info;
}

// ---------------------------------------------------------------------------------------
// TBevel

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape shape) {
  shape_ = shape;
  Invalidate();
}

void TBevel::SetStyle(TBevelStyle style) {
  style_ = style;
  Invalidate();
}

void TBevel::Paint(HDC dc, const RECT& area) {
  const bool raised = style_ == TBevelStyle::bsRaised;
  const TBevelCut cut = raised ? TBevelCut::bvRaised : TBevelCut::bvLowered;
  const TBevelCut opposite = raised ? TBevelCut::bvLowered : TBevelCut::bvRaised;
  // A line is two pixels wide: the shadow first when lowered, the light first when raised.
  const COLORREF light = ::GetSysColor(COLOR_BTNHIGHLIGHT), dark = ::GetSysColor(COLOR_BTNSHADOW);
  const COLORREF first = raised ? light : dark, second = raised ? dark : light;
  const auto [left, top, right, bottom] = area;
  RECT r = area;
  switch (shape_) {
    case TBevelShape::bsBox:
      DrawBevel(dc, r, cut, 1);
      break;
    case TBevelShape::bsFrame:
      DrawBevel(dc, r, cut, 1);
      DrawBevel(dc, r, opposite, 1);
      break;
    case TBevelShape::bsTopLine:
      Fill(dc, {left, top, right, top + 1}, first);
      Fill(dc, {left, top + 1, right, top + 2}, second);
      break;
    case TBevelShape::bsBottomLine:
      Fill(dc, {left, bottom - 2, right, bottom - 1}, first);
      Fill(dc, {left, bottom - 1, right, bottom}, second);
      break;
    case TBevelShape::bsLeftLine:
      Fill(dc, {left, top, left + 1, bottom}, first);
      Fill(dc, {left + 1, top, left + 2, bottom}, second);
      break;
    case TBevelShape::bsRightLine:
      Fill(dc, {right - 2, top, right - 1, bottom}, first);
      Fill(dc, {right - 1, top, right, bottom}, second);
      break;
    case TBevelShape::bsSpacer:
      break;
  }
}

const ClassInfo& TBevel::StaticClass() {
  static const ClassInfo info{
      "TBevel",
      &TGraphicControl::StaticClass(),
      [](TComponent& owner) -> TComponent* { return TComponent::New<TBevel>(owner); },
      {
          EnumProp<TBevel, TBevelShape>(
              "Shape", kBevelShapeNames, [](const TBevel& b) { return b.shape_; },
              [](TBevel& b, TBevelShape v) { b.SetShape(v); }),
          EnumProp<TBevel, TBevelStyle>(
              "Style", kBevelStyleNames, [](const TBevel& b) { return b.style_; },
              [](TBevel& b, TBevelStyle v) { b.SetStyle(v); }),
      }};
  return info;
}

// ---------------------------------------------------------------------------------------
// TTimer

namespace {
constexpr UINT_PTR kTimerId = 1;
}  // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
  WindowOptions options;
  options.own_class = L"TTimer";
  options.class_style = 0;
  options.parent = HWND_MESSAGE;
  CreateWindowFrom(options);
  Update();
}

TTimer::~TTimer() {
  if (Handle()) ::KillTimer(Handle(), kTimerId);
}

void TTimer::SetEnabled(bool on) {
  enabled_ = on;
  Update();
}

void TTimer::SetInterval(int ms) {
  interval_ = ms;
  Update();
}

void TTimer::Update() {
  ::KillTimer(Handle(), kTimerId);
  if (enabled_ && interval_ > 0) {
    ::SetTimer(Handle(), kTimerId, static_cast<UINT>(interval_), nullptr);
  }
}

LRESULT TTimer::HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_TIMER && wparam == kTimerId) {
    if (OnTimer) OnTimer(*this);
    return 0;
  }
  return DefaultProc(msg, wparam, lparam);
}

const ClassInfo& TTimer::StaticClass() {
  static const ClassInfo info{
      "TTimer",
      &TComponent::StaticClass(),
      [](TComponent& owner) -> TComponent* { return TComponent::New<TTimer>(owner); },
      {
          BoolProp<TTimer>(
              "Enabled", [](const TTimer& t) { return t.enabled_; },
              [](TTimer& t, bool v) { t.SetEnabled(v); }),
          IntProp<TTimer>(
              "Interval", [](const TTimer& t) { return t.interval_; },
              [](TTimer& t, std::int64_t v) { t.SetInterval(int(v)); }),
          EventProp<TTimer>("OnTimer", &TTimer::OnTimer),
      }};
  return info;
}

}  // namespace telvana::ui
