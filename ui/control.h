// Controls: components that show on screen, with a parent, bounds, an alignment, colour,
// font, caption, visibility, hint, cursor and context menu. A TWinControl has a window of its
// own; controls that only show something and take a click have none and are painted by their
// parent window (TGraphicControl, graphic_control.h). The split between the classes keeps what
// a layout needs apart from what a window handle needs.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/component.h"
#include "ui/graphics.h"
#include "ui/win_handles.h"
#include "ui/window_base.h"

namespace telvana::ui {

class TWinControl;
class TGraphicControl;
class TPopupMenu;
class TForm;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
inline constexpr std::wstring_view kAlignNames[] = {L"alNone", L"alTop",   L"alBottom",
                                                    L"alLeft", L"alRight", L"alClient"};

// Reflected notifications: a parent passes WM_COMMAND, WM_NOTIFY and the colour requests of
// a child control back to that child as CN_BASE + the message.
inline constexpr UINT CN_BASE = 0xBC00;
inline constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
inline constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
inline constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;

// Notifications the framework sends a windowed control through its message handler, so that
// whoever replaced the handler (the skin engine) sees them: its enabled state changed, the
// mouse came over it or left it, the keyboard focus left it.
inline constexpr UINT CM_ENABLEDCHANGED = 0xB00C;
// Sent to a form when its main menu was rebuilt with a new menu handle.
inline constexpr UINT CM_MENUCHANGED = 0xB00E;
inline constexpr UINT CM_MOUSEENTER = 0xB013;
inline constexpr UINT CM_MOUSELEAVE = 0xB014;
inline constexpr UINT CM_EXIT = 0xB01B;

struct TMessage {
  HWND hwnd;
  UINT msg;
  WPARAM wParam;
  LPARAM lParam;
  LRESULT result = 0;
};

using MessageHandler = std::function<void(TMessage&)>;

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner) : TComponent(owner) {}

  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);
  TForm* ParentForm() const;

  int Left() const { return bounds_.left; }
  int Top() const { return bounds_.top; }
  int Width() const { return bounds_.right - bounds_.left; }
  int Height() const { return bounds_.bottom - bounds_.top; }
  const RECT& BoundsRect() const { return bounds_; }
  virtual void SetBounds(int left, int top, int width, int height);

  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);
  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);

  TColor Color() const { return color_; }
  virtual void SetColor(TColor color);
  const TFont& Font() const { return font_; }
  void SetFont(const TFont& font);  // also clears ParentFont
  bool ParentFont() const { return parent_font_; }
  void SetParentFont(bool parent_font);

  const std::wstring& Caption() const { return caption_; }
  virtual void SetCaption(const std::wstring& caption);
  const std::wstring& Hint() const { return hint_; }
  void SetHint(const std::wstring& hint);
  bool ShowHint() const { return show_hint_; }
  void SetShowHint(bool show);
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor) { cursor_ = cursor; }
  TPopupMenu* PopupMenu() const { return popup_menu_; }
  void SetPopupMenu(TPopupMenu* menu) { popup_menu_ = menu; }
  bool DoubleBuffered() const { return double_buffered_; }
  void SetDoubleBuffered(bool on) { double_buffered_ = on; }

  NotifyEvent OnClick, OnDblClick, OnResize;

  // Registers the control's hint with its form's hint window again.
  virtual void HintChanged() {}

 protected:
  virtual void FontChanged() {}
  void ParentFontChanged(const TFont& parent_font);

  TWinControl* parent_ = nullptr;
  RECT bounds_{0, 0, 0, 0};
  TAlign align_ = TAlign::alNone;
  bool visible_ = true;
  TColor color_ = clBtnFace;
  TFont font_;
  bool parent_font_ = true;
  std::wstring caption_;
  std::wstring hint_;
  bool show_hint_ = false;
  TCursor cursor_ = TCursor::crDefault;
  TPopupMenu* popup_menu_ = nullptr;
  bool double_buffered_ = false;

  friend class TWinControl;
};

class TWinControl : public TControl, public WindowBase {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  // Creates the window, then the windows of the child controls, in creation order.
  void CreateHandle();

  const std::vector<TControl*>& Controls() const { return controls_; }
  void InsertControl(TControl& control);
  void RemoveControl(TControl& control);

  // The replaceable message handler: every message of the window goes through it. Whoever
  // replaces it keeps the previous handler, chains to it, and puts it back when done.
  MessageHandler WindowProc;
  // The class's own handling; what it does not handle goes to DefaultHandler.
  virtual void WndProc(TMessage& message);
  void DefaultHandler(TMessage& message);
  LRESULT Perform(UINT msg, WPARAM wparam = 0, LPARAM lparam = 0);

  void SetBounds(int left, int top, int width, int height) override;
  void SetVisible(bool visible) override;
  void SetCaption(const std::wstring& caption) override;
  void SetColor(TColor color) override;

  // A disabled control takes no mouse or keyboard input.
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  // A key that dialogs handle (Escape presses the cancel button), offered to the visible,
  // enabled controls inside this one until one takes it; true when one did.
  virtual bool DialogKey(WPARAM key);

  // The area that aligned children share, in client coordinates.
  virtual RECT AlignArea() const;
  // Places the aligned children: top, bottom, left and right children in creation order,
  // each taking its band from what the earlier ones left; client children fill the rest.
  void AlignControls();
  // Holds the children where they are until the matching EnableAlign, which places them once:
  // for a run of changes to the client area that each would move them (a frame changing
  // while its window is hidden), of which only the last counts.
  void DisableAlign() { ++align_held_; }
  void EnableAlign();

  HFONT FontHandle();
  HBRUSH ColorBrush();

  // The place of the control in the Tab order of its siblings (its z-order once created).
  int TabOrder() const { return tab_order_; }
  void SetTabOrder(int order) { tab_order_ = order; }

  static TWinControl* FromHandle(HWND window);

  void HintChanged() override;

  // The graphic control that the mouse finds at `point` (client coordinates): visible,
  // enabled, the topmost there; null where there is none.
  TGraphicControl* GraphicControlAt(POINT point) const;
  // Paints the graphic controls that meet `area`, the bottom one first (graphic_control.cpp).
  // Whoever takes over this window's WM_PAINT calls it after painting the window itself.
  void PaintGraphicControls(HDC dc, const RECT& area);

 protected:
  struct CreateParams {
    // Null: the program's own window class, named after the component class.
    const wchar_t* class_name = nullptr;
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    DWORD ex_style = 0;
    HWND parent = nullptr;
    RECT bounds{};
  };
  virtual void FillCreateParams(CreateParams& params);
  // Runs once the window exists, before the children get theirs.
  virtual void HandleCreated() {}
  void FontChanged() override;
  // Paints the background in the control's colour (WM_ERASEBKGND).
  bool EraseBackground(HDC dc);
  virtual void Paint(HDC /*dc*/, const RECT& /*area*/) {}
  bool paints_ = false;  // true: WM_PAINT calls Paint, double-buffered if asked

 private:
  LRESULT HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) final;
  void Dispatch(TMessage& message);
  void UpdateBoundsFromWindow();
  void PaintWindow();
  bool ReflectToChild(TMessage& message);

  // This window paints its graphic controls and passes them its mouse messages
  // (graphic_control.cpp).
  bool HasGraphicControls() const;
  bool MouseToGraphicControl(TMessage& message);  // true when one took the message
  TControl* pressed_graphic_ = nullptr;  // the graphic control pressed with the left button

  bool own_class_ = true;
  std::vector<TControl*> controls_;
  win::Font font_handle_;
  win::Brush color_brush_;
  TColor brush_color_ = 0;
  bool aligning_ = false;
  int align_held_ = 0;
  bool enabled_ = true;
  bool mouse_inside_ = false;  // between CM_MOUSEENTER and CM_MOUSELEAVE
  int tab_order_ = -1;
};

}  // namespace telvana::ui
