// TSkinControl: the base of every control wrapper of the skin engine. A wrapper takes over the
// messages of one control, either a framework control (its replaceable message handler) or a
// bare window (its window procedure, through comctl32 subclassing), paints it from the active
// skin, and gives back what it replaced. It is owned by the control it wraps (or, for a bare
// window, by the frame skinner) and listed in its frame skinner's wrappers.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "skin/button_layout.h"
#include "ui/component.h"
#include "ui/control.h"
#include "ui/graphics.h"
#include "ui/window_subclass.h"

namespace telvana {

class TSkinData;
class TWinSkinForm;

// The life-cycle values of FStatus, which the frame skinner reads to find dead wrappers.
enum SkinControlStatus : std::int32_t {
  kStatusCreated = 0,
  kStatusAttached = 1,
  kStatusReleased = 2,        // a panel wrapper after Unskin
  kStatusWindowDestroyed = 6  // the wrapped window had its last message
};

// Window texts are cached up to this many characters (a 1000-character buffer).
inline constexpr int kWrapperTextLimit = 999;

class TSkinControl : public ui::TComponent {
 public:
  explicit TSkinControl(ui::TComponent* owner) : TComponent(owner) {}
  // Gives back the replaced handler or window procedure, and leaves the frame skinner's list.
  ~TSkinControl() override;

  // Attaches to the framework control that owns this wrapper (once; a second call does
  // nothing).
  virtual void AttachControl(TWinSkinForm* form, TSkinData& skin_data, bool change_color,
                             HDC canvas);
  // Attaches to a bare window; the frame skinner never attaches two wrappers to one window.
  virtual void AttachWindow(HWND handle, TSkinData& skin_data, TWinSkinForm* form, HDC canvas);
  // Gives back what attaching changed (the control's colour).
  virtual void Unskin();
  // First look at every message; false: fully handled, the replaced handler is not called.
  virtual bool BeforeMessage(ui::TMessage& message);
  // After the replaced handler ran.
  virtual void AfterMessage(ui::TMessage& message);
  // Paints the skin now, into `dc` or into the window's own device context.
  virtual void Repaint(HDC dc);
  virtual void PaintSkin(HDC dc, const RECT& rect);
  // The active skin was replaced.
  virtual void SkinChanged();
  virtual bool CanSkin() const { return true; }

  // The replacement handler: BeforeMessage, then the replaced handler and AfterMessage.
  void SkinWndProc(ui::TMessage& message);
  void CallOriginal(ui::TMessage& message);
  // Repaints the whole window soon (a window without a parent is left alone).
  void InvalidateSkin();
  void FillFace(HDC dc, const RECT& rect) const;
  // For wrappers that take WM_PAINT over entirely.
  void PaintOwnWindow(ui::TMessage& message);
  // For wrappers that paint the whole window themselves: WM_PAINT is theirs and the
  // background is never erased. True when `message` was one of the two (then handled).
  bool PaintWholeWindow(ui::TMessage& message);

  // Published properties of the wrapped control, by name; absent ones read as 0, "" or null.
  std::int64_t GetOrdProperty(std::string_view name) const;
  std::wstring GetEnumProperty(std::string_view name) const;
  std::wstring GetStrProperty(std::string_view name) const;
  ui::TComponent* GetObjectProperty(std::string_view name, const ui::ClassInfo& of_class) const;

  HWND Handle() const { return FHandle; }
  ui::TWinControl* Control() const { return FControl; }
  std::int32_t Status() const { return FStatus; }
  std::uint8_t MouseState() const { return FMouseState; }
  TWinSkinForm* Form() const { return FForm; }
  bool ChangeColor() const { return FChangeColor; }
  // The frame skinner goes before its wrappers: they forget it.
  void ForgetForm() { FForm = nullptr; }

 protected:
  // The window's text, cut to kWrapperTextLimit characters.
  std::wstring ReadWindowText() const;
  // The window's text, or the control's Caption when the window has none.
  std::wstring TextOrCaption() const;
  bool IsWindowDisabled() const;
  // The first steps of attaching to the owning framework control: the arguments kept, the
  // control's window made, the wrapper listed, the skin's face colour given when asked for.
  // False when this wrapper is attached already or its owner is no windowed control.
  bool BindOwnerControl(TWinSkinForm* form, TSkinData& skin_data, bool change_color, HDC canvas);

  std::uint8_t FMouseState = 0;
  HDC FCanvas = nullptr;  // lent by the frame skinner; not owned
  bool FEnabled = false;
  bool FFocused = false;
  std::wstring FText;
  // Bare-window mode: the replacement of the window's procedure, which forwards to
  // SkinWndProc and keeps the replaced procedure (and any made after it) in the chain.
  ui::WindowSubclass FObjectInstance;
  TSkinData* FSkinData = nullptr;
  HWND FHandle = nullptr;
  // Framework mode: the control's message handler that was replaced.
  ui::MessageHandler FOldWindowProc;
  ui::TWinControl* FControl = nullptr;
  RECT FWindowRect{};
  bool FChangeColor = false;
  ui::TColor FOldColor = 0;
  bool FAttached = false;
  std::int32_t FStatus = kStatusCreated;
  TWinSkinForm* FForm = nullptr;

 private:
  void GiveBackHandler();
  // The window rectangle moved to (0, 0), kept in FWindowRect; false when the window is gone.
  bool ReadWindowRect(RECT& at_origin);
};

}  // namespace telvana
