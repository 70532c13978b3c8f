#include "skins/skingen/skin_design.h"

#include <cstdio>
#include <string_view>

namespace telvana::skingen {

namespace {

constexpr int kBorder = 4;  // left, right and bottom border width

std::string Colour(Rgb c) {
  return std::to_string(c.r) + " " + std::to_string(c.g) + " " + std::to_string(c.b);
}

class Designer {
 public:
  Designer(const Theme& t, const Geometry& g) : t_(t), g_(g) {}

  SkinDesign Run() {
    Frame();
    TitleBack();  // more keys of section "Personality"
    CaptionButtons();
    Menus();
    PushButtons();
    Boxes();
    ScrollBars();
    Tabs();
    Progress();
    StatusBar();
    Combo();
    Misc();
    UpDown();
    TrackBar();
    Colours();
    return std::move(out_);
  }

 private:
  void Add(std::string name, const Canvas& c) {
    out_.pictures.push_back({std::move(name), c.Image()});
  }
  void Line(const std::string& s) { ini_ += s + "\r\n"; }
  void Section(const std::string& s) {
    if (!ini_.empty()) ini_ += "\r\n";
    Line("[" + s + "]");
  }
  void Key(const std::string& k, const std::string& v) { Line(k + "=" + v); }
  void Key(const std::string& k, int v) { Line(k + "=" + std::to_string(v)); }
  void Margins(int l, int t, int r, int b) {
    Key("LeftWidth", l);
    Key("TopHeight", t);
    Key("RightWidth", r);
    Key("BottomHeight", b);
  }

  Rgb CaptionTop(bool active) const { return active ? t_.caption_top : t_.caption_in_top; }
  Rgb CaptionBottom(bool active) const { return active ? t_.caption_bottom : t_.caption_in_bottom; }
  Rgb FrameColour(bool active) const { return active ? t_.frame : Muted(t_.frame, 70); }

  // ---------------------------------------------------------------- window frame
  void Frame() {
    const int cap = g_.caption;
    const int side_h = cap + 24 + kBorder;
    // Left border: two frames side by side (active, inactive), the caption's left end on
    // top with a rounded corner, the side below.
    Canvas left(2 * kBorder, side_h);
    for (int k = 0; k < 2; ++k) {
      const bool active = k == 0;
      const Rect cell = left.Cell(2, k);
      left.VGradient({cell.x, 0, cell.w, cap}, CaptionTop(active), CaptionBottom(active));
      const Rgb f = FrameColour(active);
      left.HGradient({cell.x, cap, cell.w, side_h - cap}, Lighter(f, 20), f);
      left.VLine(cell.x, 0, side_h - 1, t_.outline);
      left.HLine(cell.x, cell.right() - 1, 0, t_.outline);
      left.VLine(cell.x + 1, 1, cap - 1, Lighter(CaptionTop(active), 30));
      left.VLine(cell.right() - 1, cap, side_h - kBorder, Darker(f, 35));
      left.HLine(cell.x, cell.right() - 1, side_h - 1, t_.outline);
      left.RoundCorners({cell.x, 0, cell.w, side_h}, 4, t_.outline, 1);
    }
    Add("Left.bmp", left);
    Add("Right.bmp", MirroredCells(left, 2));

    // Top border: two stacked frames of the caption band.
    Canvas top(120, 2 * cap);
    for (int k = 0; k < 2; ++k) {
      const bool active = k == 0;
      const Rect cell = top.Cell(2, k, true);
      top.VGradient(cell, CaptionTop(active), CaptionBottom(active));
      top.HLine(0, top.width() - 1, cell.y, t_.outline);
      top.HLine(0, top.width() - 1, cell.y + 1, Lighter(CaptionTop(active), 30));
      // A soft sheen over the upper half.
      for (int y = cell.y + 2; y < cell.y + cap / 2; ++y)
        for (int x = 0; x < top.width(); ++x)
          top.Put(x, y, Lighter(CaptionTop(active), 8 + (cell.y + cap / 2 - y)));
      top.HLine(0, top.width() - 1, cell.bottom() - 1, Darker(CaptionBottom(active), 20));
    }
    Add("Top.bmp", top);

    // Bottom border: two stacked frames.
    Canvas bottom(40, 2 * kBorder);
    for (int k = 0; k < 2; ++k) {
      const Rect cell = bottom.Cell(2, k, true);
      const Rgb f = FrameColour(k == 0);
      bottom.VGradient(cell, f, Lighter(f, 20));
      bottom.HLine(0, bottom.width() - 1, cell.y, Darker(f, 35));
      bottom.HLine(0, bottom.width() - 1, cell.bottom() - 1, t_.outline);
    }
    Add("Bottom.bmp", bottom);

    Section("TitlebarSkin");
    Key("SkinName", std::string(t_.name));
    Key("Author", "Telvana");
    Section("Personality");
    Key("Left", "Left.bmp");
    Key("LeftFrame", 2);
    Key("LeftTopHeight", cap);
    Key("LeftBotHeight", kBorder);
    Key("LeftStretch", 1);
    Key("LeftTrans", 1);
    Key("Right", "Right.bmp");
    Key("RightFrame", 2);
    Key("RightTopHeight", cap);
    Key("RightBotHeight", kBorder);
    Key("RightStretch", 1);
    Key("RightTrans", 1);
    Key("Top", "Top.bmp");
    Key("TopFrame", 2);
    Key("TopTopHeight", 8);
    Key("TopBotHeight", 8);
    Key("TopStretch", 1);
    Key("TopTrans", 0);
    Key("Bottom", "Bottom.bmp");
    Key("BottomFrame", 2);
    Key("BottomTopHeight", 0);
    Key("BottomBotHeight", 0);
    Key("BottomStretch", 1);
    Key("BottomTrans", 0);
  }

  static Canvas MirroredCells(const Canvas& src, int n) {
    Canvas out(src.width(), src.height());
    for (int k = 0; k < n; ++k) {
      const Rect cell = src.Cell(n, k);
      for (int y = 0; y < cell.h; ++y)
        for (int x = 0; x < cell.w; ++x) {
          const std::uint32_t p = src.Image().at(cell.x + cell.w - 1 - x, y);
          if (p == 0xFFFF00FFu)
            out.Key(cell.x + x, y);
          else
            out.Put(cell.x + x, y, Rgb{int(p >> 16 & 255), int(p >> 8 & 255), int(p & 255)});
        }
    }
    return out;
  }

  // ---------------------------------------------------------------- caption buttons
  enum class Glyph { kClose, kMaximise, kRestore, kMinimise };

  void DrawGlyph(Canvas& c, Rect r, Glyph glyph, Rgb colour) {
    const int cx = r.x + r.w / 2, cy = r.y + r.h / 2;
    const int s = std::max(2, std::min(r.w, r.h) / 2 - 2);  // half size of the glyph
    switch (glyph) {
      case Glyph::kClose:
        for (int i = -s + 1; i <= s - 1; ++i) {
          c.Put(cx + i, cy + i, colour);
          c.Put(cx + i - 1, cy + i, colour);
          c.Put(cx - i, cy + i, colour);
          c.Put(cx - i - 1, cy + i, colour);
        }
        break;
      case Glyph::kMaximise:
        c.Outline({cx - s, cy - s + 1, 2 * s, 2 * s - 1}, colour);
        c.HLine(cx - s, cx + s - 1, cy - s + 2, colour);
        break;
      case Glyph::kRestore:
        c.Outline({cx - s + 2, cy - s + 1, 2 * s - 2, 2 * s - 3}, colour);
        c.Fill({cx - s, cy - s + 3, 2 * s - 2, 2 * s - 3}, Rgb{});
        c.Outline({cx - s, cy - s + 3, 2 * s - 2, 2 * s - 3}, colour);
        break;
      case Glyph::kMinimise:
        c.HLine(cx - s, cx + s - 1, cy + s - 2, colour);
        c.HLine(cx - s, cx + s - 1, cy + s - 1, colour);
        break;
    }
  }

  // One caption button frame: state 0 normal, 1 pressed, 2 hot, 3 inactive.
  void CaptionButtonFrame(Canvas& c, Rect r, Glyph glyph, int state) {
    const bool close = glyph == Glyph::kClose;
    Rgb base = close ? Mix(t_.caption_bottom, t_.close, 55) : Lighter(t_.caption_bottom, 10);
    if (state == 1) base = Darker(base, 25);
    if (state == 2) base = close ? t_.close : Lighter(base, 25);
    if (state == 3) base = Mix(t_.caption_in_bottom, t_.caption_in_top, 30);
    const Rgb glyph_colour = state == 3 ? Lighter(t_.caption_in_bottom, 55) : t_.glyph;
    c.Panel(r, 3, Lighter(base, 30), base, state == 3 ? Darker(base, 20) : Darker(base, 45));
    // The glyph is drawn over a face without the key colour inside: restore the face under
    // the restore glyph's inner box with the face's own colour.
    if (glyph == Glyph::kRestore) {
      const int s = std::max(2, std::min(r.w, r.h) / 2 - 2);
      const int cx = r.x + r.w / 2, cy = r.y + r.h / 2;
      DrawGlyph(c, r, Glyph::kRestore, glyph_colour);
      c.Fill({cx - s + 1, cy - s + 4, 2 * s - 4, 2 * s - 5}, Mix(Lighter(base, 30), base, 50));
      return;
    }
    DrawGlyph(c, r, glyph, glyph_colour);
  }

  Canvas CaptionButtonStrip(Glyph glyph, int frames, int w, int h) {
    Canvas c(frames * w, h);
    constexpr int kStates[] = {0, 1, 2, 3, 0, 3};  // frames 5 and 6 repeat normal and inactive
    for (int k = 0; k < frames; ++k)
      CaptionButtonFrame(c, c.Cell(frames, k), glyph, kStates[k % 6]);
    return c;
  }

  void CaptionButtons() {
    const int w = g_.button_w, h = g_.button_h, n = g_.button_frames;
    const int y = (g_.caption - h) / 2 + 1;
    struct ButtonDesign {
      const char* file;
      Glyph glyph;
      int action;
      int visibility;
      int xcoord;
    };
    const int step = w + 2;
    const ButtonDesign buttons[] = {
        {"Button0.bmp", Glyph::kClose, 0, 0, kBorder + 2 + w},
        {"Button1.bmp", Glyph::kMaximise, 1, 2, kBorder + 2 + w + step},
        {"Button2.bmp", Glyph::kRestore, 1, 1, kBorder + 2 + w + step},
        {"Button3.bmp", Glyph::kMinimise, 2, 0, kBorder + 2 + w + 2 * step},
    };
    int i = 0;
    for (const ButtonDesign& s : buttons) {
      Add(s.file, CaptionButtonStrip(s.glyph, n, w, h));
      Section("Button" + std::to_string(i++));
      Key("ButtonImage", s.file);
      Key("Action", s.action);
      Key("Align", 1);
      Key("Xcoord", s.xcoord);
      Key("Ycoord", y);
      Key("Visibility", s.visibility);
      Key("Visibility1", s.visibility == 0 ? 0 : s.visibility);
      Key("CombineOp", -1);
      if (g_.frame_key) Key("frame", n);
    }
    // The system icon: the window's own icon takes the place of a picture.
    Section("Button4");
    Key("ButtonImage", "Icon");
    Key("Action", 3);
    Key("Align", 0);
    Key("Xcoord", kBorder + 3);
    Key("Ycoord", (g_.caption - 16) / 2 + 1);
    Key("Visibility", 0);
    Key("CombineOp", -1);

    // The buttons of a maximised child window, in the menu bar: minimise, restore, close,
    // four frames each of 15 x 14.
    Canvas mdi(180, 14);
    const Glyph glyphs[] = {Glyph::kMinimise, Glyph::kRestore, Glyph::kClose};
    for (int b = 0; b < 3; ++b)
      for (int s = 0; s < 4; ++s) CaptionButtonFrame(mdi, mdi.Cell(12, 4 * b + s), glyphs[b], s);
    Add("MdiControls.bmp", mdi);
    Section("MDICONTROLS");
    Key("Image", "MdiControls.bmp");
  }

  void TitleBack() {
    const int cap = g_.caption;
    Canvas c(48, 2 * cap);
    for (int k = 0; k < 2; ++k) {
      const Rect cell = c.Cell(2, k, true);
      const Rect band{cell.x, cell.y + 4, cell.w, cell.h - 7};
      const Rgb base = k == 0 ? Mix(t_.caption_bottom, t_.caption_top, 35) : t_.caption_in_bottom;
      c.Panel(band, 6, Lighter(base, 12), Darker(base, 6), Darker(base, 22));
    }
    Add("TextBack.bmp", c);
    Key("TextBack", "TextBack.bmp");
    Key("TextShift", 24);
    Key("TextShiftVert", 0);
    Key("TextRightClip", 4 * (g_.button_w + 2) + kBorder + 8);
    Key("TextAlignment", 0);
    Key("TXTBackleft", 8);
    Key("TXTBackRight", 8);
    Key("ActiveTextR", t_.title_text.r);
    Key("ActiveTextG", t_.title_text.g);
    Key("ActiveTextB", t_.title_text.b);
    Key("InActiveTextR", t_.title_text_in.r);
    Key("InActiveTextG", t_.title_text_in.g);
    Key("InActiveTextB", t_.title_text_in.b);
    MenuBarPicture();
    Key("menuBar", "MenuBar.bmp");
    Key("TileMenu", 0);
    Key("TileLeftMenu", 3);
    Key("TileRightMenu", 3);
  }

  // ---------------------------------------------------------------- menus
  void Menus() { MenuItems(); }

  void MenuBarPicture() {
    Canvas bar(40, 40);
    for (int k = 0; k < 2; ++k) {
      const Rect cell = bar.Cell(2, k, true);
      const Rgb base = k == 0 ? t_.menubar : Muted(t_.menubar, 60);
      bar.VGradient(cell, Lighter(base, 45), base);
      bar.HLine(0, 39, cell.bottom() - 1, Darker(base, 18));
      bar.HLine(0, 39, cell.y, Lighter(base, 70));
    }
    Add("MenuBar.bmp", bar);
  }

  void MenuItems() {
    // Menu items: 1 normal (transparent), 2 separator line, 3 disabled, 4 selected, 5 hot.
    Canvas item(150, 20);
    item.KeyFill({0, 0, 150, 20});
    {
      // The separator is cut from the bottom rows with fixed ends of 4 pixels and the middle
      // stretched: the line runs through the middle so that it spans the item.
      const Rect c2 = item.Cell(5, 1);
      item.HLine(c2.x + 2, c2.right() - 3, 15, Darker(t_.menu, 20));
      item.HLine(c2.x + 2, c2.right() - 3, 16, kWhite);
      for (int k : {3, 4}) {
        const Rect c = item.Cell(5, k).Inset(1);
        const Rgb base = k == 3 ? t_.accent : Lighter(t_.accent, 35);
        item.Panel(c, 3, Lighter(base, 35), base, Darker(base, 25));
      }
    }
    Add("MenuItem.bmp", item);
    Section("MenuItem");
    Key("Image", "MenuItem.bmp");
    Margins(4, 3, 4, 3);
    Key("Trans", 1);
    Key("Tile", 0);

    Canvas back(40, 32);
    back.Fill({0, 0, 40, 32}, t_.menu);
    back.Fill({3, 3, 22, 26}, Mix(t_.menu, t_.face, 70));
    back.VLine(25, 3, 28, Darker(t_.face, 8));
    back.Outline({0, 0, 40, 32}, Darker(t_.frame, 10));
    back.Outline({1, 1, 38, 30}, Lighter(t_.menu, 60));
    back.Outline({2, 2, 36, 28}, t_.menu);
    Add("MenuBack.bmp", back);
    Section("MenuBackground");
    Key("Image", "MenuBack.bmp");
    Margins(26, 3, 3, 3);
    Key("Tile", 0);
  }

  // ---------------------------------------------------------------- controls
  // A push-button face: 0 normal, 1 pressed, 2 disabled, 3 hot, 4 default.
  void ButtonFace(Canvas& c, Rect r, int state) {
    Rgb base = t_.face;
    Rgb edge = Darker(Mix(t_.face, t_.frame, 45), 25);
    switch (state) {
      case 1:
        base = Darker(Mix(t_.face, t_.accent, 25), 8);
        break;
      case 2:
        base = Grey(t_.face);
        edge = Lighter(Grey(edge), 30);
        break;
      case 3:
        base = Lighter(Mix(t_.face, t_.accent, 20), 30);
        edge = t_.accent;
        break;
      case 4:
        edge = t_.accent;
        break;
      default:
        break;
    }
    if (state == 1)
      c.Panel(r, 3, Darker(base, 10), Lighter(base, 20), edge);
    else
      c.Panel(r, 3, Lighter(base, 70), Darker(base, 8), edge);
    if (state == 4) c.Outline(r.Inset(1), Lighter(t_.accent, 40));
  }

  void PushButtons() {
    Canvas b(5 * 24, 22);
    for (int k = 0; k < 5; ++k) ButtonFace(b, b.Cell(5, k), k);
    Add("Button.bmp", b);

    Section("Buttons");
    Key("Bitmap", "Button.bmp");
    Margins(4, 4, 4, 4);
    Key("Trans", 1);
    Key("Tile", 0);
    Key("CheckButton", "CheckBox.bmp");
    Key("RadioButton", "Radio.bmp");
    Key("NormalColour2", Colour(t_.text));
    Key("MouseOverColour2", Colour(Darker(t_.accent, 30)));
    Key("PressedColour2", Colour(t_.text));
  }

  void Boxes() {
    // Check and radio boxes: 1 unchecked, 2 checked, 3 unchecked disabled, 4 checked
    // disabled. Fourteen pixels a frame.
    Canvas check(56, 14), radio(56, 14);
    for (int k = 0; k < 4; ++k) {
      const bool disabled = k >= 2, checked = k % 2 == 1;
      const Rgb edge = disabled ? Grey(Lighter(t_.frame, 30)) : Darker(t_.frame, 10);
      const Rgb inside = disabled ? Grey(t_.face) : kWhite;
      const Rgb mark = disabled ? Grey(Darker(t_.face, 35)) : t_.accent;
      const Rect cell = check.Cell(4, k);
      const Rect box{cell.x, 0, 13, 13};
      check.VGradient(box, Darker(inside, 8), inside);
      check.Outline(box, edge);
      if (checked) {
        const int x0 = box.x + 3, y0 = 6;
        for (int i = 0; i < 3; ++i) check.VLine(x0 + i, y0 + i, y0 + i + 2, mark);
        for (int i = 0; i < 4; ++i) check.VLine(x0 + 3 + i, y0 + 1 - i, y0 + 3 - i, mark);
      }
      const Rect rcell{cell.x, 0, 13, 13};
      radio.DiscIn(rcell, 13, edge);
      radio.DiscIn(rcell, 11, inside);
      if (checked) radio.DiscIn(rcell, 5, mark);
    }
    Add("CheckBox.bmp", check);
    Add("Radio.bmp", radio);
  }

  void ScrollButton(Canvas& c, Rect r, int dir, int state) {
    Rgb base = Mix(t_.face, t_.frame, 18);
    if (state == 1) base = Darker(Mix(t_.face, t_.accent, 40), 10);
    if (state == 2) base = Lighter(Mix(t_.face, t_.accent, 30), 20);
    if (state == 3) base = Grey(t_.face);
    c.Panel(r, 2, Lighter(base, 50), base, Darker(base, 30));
    c.Arrow(r, dir, 4, state == 3 ? Darker(Grey(t_.face), 25) : Darker(t_.frame, 30));
  }

  void ScrollBars() {
    // 23 frames of 16 x 16: per arrow (left, right, up, down) normal, pressed, hot,
    // disabled; then plain buttons and the sizer.
    Canvas arrows(23 * 16, 16);
    const int dirs[] = {2, 3, 0, 1};
    for (int a = 0; a < 4; ++a)
      for (int s = 0; s < 4; ++s) ScrollButton(arrows, arrows.Cell(23, 4 * a + s), dirs[a], s);
    for (int k = 16; k < 23; ++k) {
      const Rect r = arrows.Cell(23, k);
      arrows.Fill(r, t_.track);
      if (k == 22) {
        for (int i = 0; i < 3; ++i)
          for (int j = 0; j <= i; ++j)
            arrows.Fill({r.x + 11 - 4 * j, r.y + 3 + 4 * i, 2, 2}, Darker(t_.track, 40));
      }
    }
    Add("ScrollBar.bmp", arrows);
    Section("Scrollbar");
    Key("Image", "ScrollBar.bmp");
    Key("Trans", 1);

    Canvas htrack(64, 16), vtrack(64, 16);
    for (int k = 0; k < 4; ++k) {
      const Rect r = htrack.Cell(4, k);
      const Rgb base = k == 3 ? Grey(t_.track) : t_.track;
      htrack.VGradient(r, Darker(base, 8), Lighter(base, 30));
      htrack.HLine(r.x, r.right() - 1, 0, Darker(base, 18));
      vtrack.HGradient(r, Darker(base, 8), Lighter(base, 30));
      vtrack.VLine(r.x, 0, 15, Darker(base, 18));
    }
    Add("HScroll.bmp", htrack);
    Add("VScroll.bmp", vtrack);
    Section("HorzScroll");
    Key("Image", "HScroll.bmp");
    Margins(2, 2, 2, 2);
    Section("VertScroll");
    Key("Image", "VScroll.bmp");
    Margins(2, 2, 2, 2);

    // Thumbs: 1 normal, 2 dragged, 3 hot.
    Canvas hthumb(72, 16), vthumb(48, 24);
    for (int k = 0; k < 3; ++k) {
      Rgb base = Mix(t_.face, t_.accent, 35);
      if (k == 1) base = Darker(t_.accent, 5);
      if (k == 2) base = Mix(t_.face, t_.accent, 55);
      const Rect h = hthumb.Cell(3, k).Inset(1);
      hthumb.Panel(h, 3, Lighter(base, 45), base, Darker(base, 35));
      for (int i = -2; i <= 2; i += 2) hthumb.VLine(h.x + h.w / 2 + i, 5, 10, Darker(base, 30));
      const Rect v = vthumb.Cell(3, k).Inset(1);
      vthumb.Panel(v, 3, Lighter(base, 45), base, Darker(base, 35));
      for (int i = -2; i <= 2; i += 2)
        vthumb.HLine(v.x + 4, v.right() - 5, 12 + i, Darker(base, 30));
    }
    Add("HThumb.bmp", hthumb);
    Add("VThumb.bmp", vthumb);
    Section("HorzScrollThumb");
    Key("Image", "HThumb.bmp");
    Margins(5, 3, 5, 3);
    Key("Trans", 1);
    Key("FrameCount", 3);
    Section("VertScrollThumb");
    Key("Image", "VThumb.bmp");
    Margins(3, 5, 3, 5);
    Key("Trans", 1);
    Key("FrameCount", 3);
  }

  void Tabs() {
    // 1 normal, 2 selected, 3 hot, 4 disabled, 5 focused.
    Canvas tabs(5 * 40, 22);
    for (int k = 0; k < 5; ++k) {
      const Rect cell = tabs.Cell(5, k);
      Rgb base = Mix(t_.face, t_.frame, 15);
      if (k == 1 || k == 4) base = t_.face;
      if (k == 2) base = Lighter(Mix(t_.face, t_.accent, 25), 20);
      if (k == 3) base = Grey(t_.face);
      const Rect tab = (k == 1 || k == 4) ? cell : Rect{cell.x, 2, cell.w, 20};
      tabs.KeyFill(cell);
      tabs.Panel(tab, 4, Lighter(base, 60), base, Darker(Mix(t_.face, t_.frame, 50), 15), 3);
      if (k == 1 || k == 4) tabs.HLine(tab.x + 2, tab.right() - 3, tab.y + 1, t_.accent);
      if (k == 1 || k == 4) tabs.HLine(tab.x + 1, tab.right() - 2, tab.bottom() - 1, t_.face);
    }
    Add("Tabs.bmp", tabs);
    Canvas border(40, 40);
    border.Fill({0, 0, 40, 40}, t_.face);
    border.Outline({0, 0, 40, 40}, Darker(Mix(t_.face, t_.frame, 50), 15));
    border.Outline({1, 1, 38, 38}, Lighter(t_.face, 70));
    border.HLine(1, 38, 2, Lighter(t_.face, 40));
    Add("TabBorder.bmp", border);
    Section("Tabs");
    Key("Image", "Tabs.bmp");
    Key("Border", "TabBorder.bmp");
    Margins(5, 5, 5, 3);
    Key("Trans", 1);
    Key("NormalColour2", Colour(t_.text));
    // The chosen tab's text: dark enough to read on the light face of the chosen tab.
    Key("MouseOverColour2", Colour(Darker(t_.accent, 55)));
  }

  void Progress() {
    Canvas bar(48, 16);
    const Rect track = bar.Cell(2, 0);
    bar.VGradient(track, Darker(t_.track, 12), Lighter(t_.track, 40));
    bar.Outline(track, Darker(Mix(t_.face, t_.frame, 50), 15));
    bar.RoundCorners(track, 3, Darker(Mix(t_.face, t_.frame, 50), 15));
    const Rect fill = bar.Cell(2, 1);
    bar.Panel(fill, 3, Lighter(t_.accent, 45), t_.accent, Darker(t_.accent, 30));
    Add("Progress.bmp", bar);
    Canvas chunk(9, 12);
    chunk.Fill({0, 0, 9, 12}, t_.face);
    chunk.Panel({0, 0, 7, 12}, 0, Lighter(t_.accent, 45), t_.accent, Darker(t_.accent, 20));
    Add("Chunk.bmp", chunk);
    Section("Progress");
    Key("Bitmap", "Progress.bmp");
    Key("Chunk", "Chunk.bmp");
    Key("Style", 0);
    Margins(4, 4, 4, 4);
    Key("Trans", 1);
  }

  void StatusBar() {
    // 1 sunken panel, 2 raised panel, 3 flat.
    Canvas edges(60, 20);
    const Rgb base = Mix(t_.face, t_.menubar, 50);
    for (int k = 0; k < 3; ++k) {
      const Rect r = edges.Cell(3, k);
      edges.VGradient(r, Lighter(base, 40), base);
      if (k == 0) edges.Bevel(r, Darker(base, 22), Lighter(base, 80));
      if (k == 1) edges.Bevel(r, Lighter(base, 80), Darker(base, 22));
    }
    Add("StatusBar.bmp", edges);
    Section("StatusBarEdges");
    Key("Image", "StatusBar.bmp");
    Margins(2, 2, 2, 2);
    Key("NormalColour2", Colour(t_.text));
  }

  void Combo() {
    // The drop button, in the order the combo box wrapper reads it: 1 normal, 2 pressed,
    // 3 disabled, 4 hot or focused.
    Canvas button(68, 20);
    for (int k = 0; k < 4; ++k) {
      const Rect r = button.Cell(4, k);
      Rgb base = Mix(t_.face, t_.frame, 20);
      if (k == 3) base = Lighter(Mix(t_.face, t_.accent, 30), 20);
      if (k == 1) base = Darker(Mix(t_.face, t_.accent, 40), 10);
      if (k == 2) base = Grey(t_.face);
      button.Panel(r, 2, Lighter(base, 55), base, Darker(base, 30));
    }
    Add("ComboButton.bmp", button);
    Section("ComboButton");
    Key("Image", "ComboButton.bmp");
    Margins(3, 3, 3, 3);
    Key("Trans", 1);

    // The frame around a combo box, in the same order: 1 normal, 2 pressed, 3 disabled,
    // 4 hot or focused.
    Canvas sunk(80, 20);
    for (int k = 0; k < 4; ++k) {
      const Rect r = sunk.Cell(4, k);
      sunk.Fill(r, k == 2 ? Grey(t_.face) : kWhite);
      const Rgb edge = k == 1 || k == 3 ? t_.accent : Darker(Mix(t_.face, t_.frame, 40), 15);
      sunk.Outline(r, edge);
      sunk.Outline(r.Inset(1), k == 2 ? Grey(t_.face) : Lighter(edge, 85));
    }
    Add("SunkEdge.bmp", sunk);
    Section("SunkEdge");
    Key("Image", "SunkEdge.bmp");
    Margins(2, 2, 2, 2);
  }

  void Misc() {
    // 1-4: the combo box arrow (normal, pressed, disabled, hot); 5: the size grip.
    Canvas extra(60, 12);
    for (int k = 0; k < 4; ++k) {
      const Rect r = extra.Cell(5, k);
      extra.Arrow(r, 1, 4, k == 2 ? Darker(Grey(t_.face), 25) : Darker(t_.frame, 35));
    }
    const Rect grip = extra.Cell(5, 4);
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j <= i; ++j) {
        extra.Fill({grip.x + 9 - 3 * j, 3 + 3 * i, 2, 2}, Darker(t_.face, 35));
        extra.Put(grip.x + 9 - 3 * j, 3 + 3 * i, kWhite);
      }
    Add("ExtraImages.bmp", extra);
    Section("ExtraImages");
    Key("Image", "ExtraImages.bmp");
    Key("Trans", 1);

    Canvas header(150, 20);
    for (int k = 0; k < 5; ++k) {
      const Rect r = header.Cell(5, k);
      Rgb base = t_.face;
      if (k == 1) base = Darker(Mix(t_.face, t_.accent, 20), 5);
      if (k == 2) base = Lighter(Mix(t_.face, t_.accent, 15), 30);
      if (k == 3) base = Grey(t_.face);
      header.VGradient(r, Lighter(base, 70), Darker(base, 6));
      header.HLine(r.x, r.right() - 1, 19, Darker(base, 25));
      header.VLine(r.right() - 1, 3, 16, Darker(base, 22));
      header.VLine(r.right() - 2, 3, 16, Lighter(base, 80));
    }
    Add("Header.bmp", header);
    Section("Headerbar");
    Key("Image", "Header.bmp");
    Margins(3, 3, 3, 3);
    Key("NormalColour2", Colour(t_.text));

    Canvas tool(150, 24);
    for (int k = 0; k < 5; ++k) {
      const Rect r = tool.Cell(5, k);
      tool.VGradient(r, Lighter(t_.menubar, 50), t_.menubar);
      tool.HLine(r.x, r.right() - 1, 23, Darker(t_.menubar, 15));
    }
    Add("Toolbar.bmp", tool);
    Section("Toolbars");
    Key("Image", "Toolbar.bmp");
    Margins(2, 2, 2, 2);

    Canvas edge(40, 20);
    for (int k = 0; k < 2; ++k) {
      const Rect r = edge.Cell(2, k);
      edge.Fill(r, t_.face);
      const Rgb line = k == 0 ? Darker(Mix(t_.face, t_.frame, 45), 10) : Grey(Darker(t_.face, 20));
      edge.Outline(r, line);
      edge.Outline(r.Inset(1), Lighter(t_.face, 80));
      edge.RoundCorners(r, 4, line);
    }
    Add("GroupEdge.bmp", edge);
    Section("GroupBoxEdge");
    Key("Image", "GroupEdge.bmp");
    Margins(5, 5, 5, 5);
    Key("Trans", 1);

    Canvas label(40, 18);
    label.Panel({0, 0, 40, 18}, 6, Lighter(t_.accent, 75), Lighter(t_.accent, 55),
                Lighter(t_.accent, 20));
    Add("GroupBox.bmp", label);
    Section("GroupBox");
    Key("Image", "GroupBox.bmp");
    Margins(8, 0, 8, 0);
    Key("Trans", 1);
    Key("BackgroundAlignment", 0);
    Key("BackgroundLeftShift", 4);
    Key("BackgroundRightShift", 4);
    Key("NormalColour2", Colour(Darker(t_.accent, 45)));
  }

  void UpDown() {
    // Eight frames: states 1-4 (normal, pressed, disabled, hot) of the first part (up or
    // left), then of the second (down or right), as the up-down wrapper reads them. Glyph
    // strips: eight cells likewise.
    for (int vertical = 0; vertical < 2; ++vertical) {
      Canvas parts(8 * 16, 16);
      Canvas glyphs(8 * 8, 8);
      for (int k = 0; k < 8; ++k) {
        const int state = k % 4;
        Rgb base = Mix(t_.face, t_.frame, 18);
        if (state == 3) base = Lighter(Mix(t_.face, t_.accent, 30), 20);
        if (state == 1) base = Darker(Mix(t_.face, t_.accent, 40), 10);
        if (state == 2) base = Grey(t_.face);
        parts.Panel(parts.Cell(8, k), 2, Lighter(base, 55), base, Darker(base, 30));
        const int dir = vertical ? (k < 4 ? 0 : 1) : (k < 4 ? 2 : 3);
        glyphs.Arrow(glyphs.Cell(8, k), dir, 3,
                     state == 2 ? Darker(Grey(t_.face), 25) : Darker(t_.frame, 35));
      }
      const std::string n = vertical ? "UpDownVert" : "UpDownHorz";
      Add(n + ".bmp", parts);
      Add(n + "Glyph.bmp", glyphs);
      Section(vertical ? "UpDown.Vert" : "UpDown.Horz");
      Key("Image", n + ".bmp");
      Key("GlyphImage", n + "Glyph.bmp");
      Margins(2, 2, 2, 2);
      Key("Trans", 1);
    }
  }

  void TrackBar() {
    // Five frames each: 1 normal, 2 the track bar's own look, 3 hot, 4 pressed, 5 disabled.
    struct Thumb {
      const char* section;
      const char* file;
      int w, h;
      int point;  // -1 none, else the arrow direction of its tip
    };
    const Thumb thumbs[] = {
        {"Trackbar.ThumbHorz", "ThumbHorz.bmp", 11, 20, -1},
        {"Trackbar.ThumbVert", "ThumbVert.bmp", 20, 11, -1},
        {"Trackbar.ThumbLeft", "ThumbLeft.bmp", 20, 11, 2},
        {"Trackbar.ThumbRight", "ThumbRight.bmp", 20, 11, 3},
        {"Trackbar.ThumbUp", "ThumbUp.bmp", 11, 20, 0},
        {"Trackbar.ThumbDown", "ThumbDown.bmp", 11, 20, 1},
    };
    for (const Thumb& th : thumbs) {
      Canvas c(5 * th.w, th.h);
      for (int k = 0; k < 5; ++k) {
        const Rect cell = c.Cell(5, k);
        Rgb base = Mix(t_.face, t_.accent, 45);
        if (k == 2) base = Lighter(base, 25);
        if (k == 3) base = Darker(t_.accent, 10);
        if (k == 4) base = Grey(t_.face);
        c.Panel(cell, 3, Lighter(base, 50), base, Darker(base, 35));
        if (th.point >= 0) {
          // Cut the tip side to a point.
          for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4 - i; ++j) {
              switch (th.point) {
                case 0:
                  c.Key(cell.x + j, cell.y + i);
                  c.Key(cell.right() - 1 - j, cell.y + i);
                  break;
                case 1:
                  c.Key(cell.x + j, cell.bottom() - 1 - i);
                  c.Key(cell.right() - 1 - j, cell.bottom() - 1 - i);
                  break;
                case 2:
                  c.Key(cell.x + i, cell.y + j);
                  c.Key(cell.x + i, cell.bottom() - 1 - j);
                  break;
                default:
                  c.Key(cell.right() - 1 - i, cell.y + j);
                  c.Key(cell.right() - 1 - i, cell.bottom() - 1 - j);
                  break;
              }
            }
        }
      }
      Add(th.file, c);
      Section(th.section);
      Key("Image", th.file);
      Margins(3, 3, 3, 3);
      Key("Trans", 1);
    }
  }

  void Colours() {
    Section("Colours");
    Key("WindowText", Colour(t_.text));
    Key("ButtonFace", Colour(t_.face));
    Key("Scrollbar", Colour(t_.track));
    Key("HilightText", Colour(t_.accent_text));
    Key("Hilight", Colour(t_.accent));
    Key("Menubar", Colour(t_.menubar));
    Key("Menu", Colour(t_.menu));
    Key("MenuText", Colour(t_.text));
    Key("ButtonText", Colour(t_.text));
    Key("ButtonHilight", Colour(kWhite));
    Key("Buttonlight", Colour(Lighter(t_.face, 50)));
    Key("ButtonShadow", Colour(Darker(Mix(t_.face, t_.frame, 30), 25)));
    Key("ButtonDkShadow", Colour(Darker(t_.frame, 50)));
    Key("MenuBarText", Colour(t_.menubar_text));
    Key("TitleTextActive", Colour(t_.title_text));
    Key("TitleTextNoActive", Colour(t_.title_text_in));
    // Extra colours the painters may use: the caption's two ends and the frame.
    Section("Colour1");
    Key("color", Colour(t_.caption_top));
    Section("Colour2");
    Key("color", Colour(t_.caption_bottom));
    Section("Colour3");
    Key("color", Colour(t_.frame));
    Section("Fonts");
    Key("FontHeight", 14);
  }

  const Theme& t_;
  const Geometry& g_;
  std::string ini_ = "; Telvana skin, made by skingen from its theme.\r\n";
  SkinDesign out_;

 public:
  SkinDesign Finish() {
    SkinDesign d = Run();
    d.description = ini_;
    return d;
  }
};

}  // namespace

SkinDesign DesignSkin(const Theme& theme, const Geometry& geometry) {
  return Designer(theme, geometry).Finish();
}

}  // namespace telvana::skingen
