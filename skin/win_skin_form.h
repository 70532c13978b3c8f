// TWinSkinForm: the frame skinner of one window. It holds the window's control wrappers:
// which wrapper each control gets (skin_component_rules_win.cpp), the list the wrappers enter
// when they attach and leave when they go, and the button under the mouse; it attaches to
// the window (win_skin_form_attach_win.cpp): its window procedure replaced, its controls
// wrapped, and all of it given back on detach; and it paints the frame from the skin
// (win_skin_form_frame_win.cpp: borders, region, non-client size and hit test; the caption
// band and its buttons in win_skin_caption_win.cpp; the menu bar in win_skin_menu.h).
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "skin/frame_layout.h"
#include "ui/component.h"
#include "ui/graphics.h"
#include "ui/pixel_image.h"
#include "ui/win_handles.h"
#include "ui/window_subclass.h"

namespace telvana {

namespace ui {
class TForm;
class TPopupMenu;
class TTimer;
struct TMessage;
}  // namespace ui
class TSkinControl;
class TSkinData;
class TSkinManage;
class TWinSkinForm;
class TWinSkinMenu;
struct TDataSkinBorder;
struct TDataSkinSysButton;
struct MenuItemView;

// The life-cycle values of State, which the skin manager reads to find dead skinners.
enum SkinFormState : std::int32_t {
  kFormCreated = 0,
  kFormReady = 1,  // WM_SKININIT came
  kFormRefreshing = 3,
  kFormDestroying = 4,  // the window is having its last message
  kFormResizing = 5,
  kFormDead = 6,  // the window is gone; the manager frees the skinner
};

enum SkinWindowState : std::int32_t {
  kWindowNormal = 0,
  kWindowMaximised = 1,
  kWindowMinimised = 2
};
enum SkinMdiKind : std::int32_t { kPlainWindow = 0, kMdiFrame = 1, kMdiChild = 2 };

// A clickable object of the non-client area (a caption button, a menu bar button), in window
// coordinates.
class TNCObject {
 public:
  enum : std::int32_t { kNormal = 1, kPressed = 2, kHot = 3 };
  explicit TNCObject(TWinSkinForm& owner) : owner_(owner) {}
  virtual ~TNCObject() = default;
  TNCObject(const TNCObject&) = delete;
  TNCObject& operator=(const TNCObject&) = delete;

  virtual void MouseDown();
  virtual void MouseUp();
  virtual void MouseEnter();
  virtual void MouseLeave();
  // Draws the object in its state on `dc`, a DC of the whole window.
  virtual void Paint(HDC dc) = 0;
  // Paint on the window's DC.
  void Repaint();

  RECT Rect{};
  bool Visible = false;
  std::int32_t State = kNormal;

 protected:
  TWinSkinForm& owner_;
};

// One caption button of the skin.
class TWinSysButton : public TNCObject {
 public:
  TWinSysButton(TWinSkinForm& owner, const TDataSkinSysButton& data);
  void Paint(HDC dc) override;
  // Draws the button as the caption band shows it: the icon, or the active or inactive image.
  void PaintInCaption(HDC dc);
  // The system icon button (actions 3 and 11) shows the window's icon.
  bool ShowsIcon() const;
  CaptionButtonInput LayoutInput() const;

  const TDataSkinSysButton& Data;

 private:
  void DrawImage(HDC dc, int image);
  const PixelImage& Picture() const;
  int Frames() const;
};

class TWinSkinForm : public ui::TComponent {
 public:
  explicit TWinSkinForm(ui::TComponent* owner);
  // The wrappers that outlive this skinner forget it; the window gets its procedure back.
  ~TWinSkinForm() override;

  // Attaches to `form`'s window: the form takes the skin's face colour, its controls get
  // their wrappers. False when the window cannot be subclassed (nothing is changed then).
  bool AttachForm(TSkinData& skin_data, ui::TForm& form);
  // Attaches to WindowHandle, a window without a form: its child windows get wrappers.
  bool AttachFrame(TSkinData& skin_data);
  // Gives back everything attaching changed: wrappers, colour, window procedure, the system
  // frame at the client size the window has.
  void Detach();
  // The window is having its last message: only what this skinner holds is let go.
  void DetachOnDestroy();
  // The skin changed: colours, wrappers, borders and region take it.
  void RefreshSkin();
  bool Subclassed() const { return subclass_.Attached(); }
  ui::TForm* Form() const { return form_; }

  // The frame.
  void ComputeBorders();
  void SetCaptionStyles(bool on);
  void FitWindow(bool refresh);
  void BuildRegion();
  void DropRegion();
  // Paints the borders, the caption band and the menu bar; `dc` null takes the window DC.
  void PaintFrame(HDC dc);
  void PaintBorder(HDC dc, int element, const RECT& rect);
  // The image of a border's strip the window's activation shows (1 active, 2 inactive), and
  // the border built as pixels at a size with it.
  int BorderImage(const TDataSkinBorder& border) const;
  PixelImage BorderPixels(const TDataSkinBorder& border, bool stacked, int width, int height) const;
  // Drops the caption buttons ahead of a skin change; ComputeBorders makes them anew.
  void DropCaptionButtons();

  // The caption band.
  void PaintCaption(HDC dc);
  void PaintTitle(HDC dc, const RECT& title);
  void LayoutCaptionButtons();
  CaptionFacts Facts() const;
  // The caption or menu bar button under a point in window coordinates, or null.
  TNCObject* ButtonAt(POINT window_point);
  POINT ToWindowPoint(POINT screen) const;
  void ExecuteButtonAction(std::int32_t action, POINT cursor);
  void ToggleMaximize();
  void ToggleMinimize();
  void RestoreWindow();
  void ShowSystemMenu(POINT at);
  bool MenuTrackingActive() const;
  // The form's context menus (but those whose Tag modulo 100 is DisableTag) drawn by the
  // skinned item painter, or given back to the system's drawing.
  void SetPopupMenusOwnerDraw(bool on);
  // The menu bar inside the frame, or null.
  TWinSkinMenu* MenuBar() const { return menu_bar_.get(); }

  // Appends the wrapper unless it is listed; true when it was listed already.
  bool AddControl(TSkinControl& wrapper);
  // Removes the last occurrence of the wrapper.
  void RemoveControl(TSkinControl& wrapper);
  // Tells HotButton's window that the mouse left it (a wrapper without a window: nothing).
  void SendMouseLeave();

  // Gives every control that `container` owns the wrapper its kind calls for, after freeing
  // the wrappers whose window is gone.
  void SkinChildControls(ui::TComponent& container);
  // Chooses and attaches the wrapper of one component of `container`, if it gets one.
  void SkinComponent(ui::TComponent& component, ui::TComponent& container);
  // Acts on the Skin3rd line that names `class_name`; true when there is one (the component
  // then counts as handled, with or without a wrapper).
  bool MapThirdPartyClass(std::string_view class_name, ui::TComponent& component);
  // For a window without a form (message boxes, common dialogs): wraps its child windows.
  void SkinDialogChildren();
  void SkinDialogChild(HWND child);
  bool IsScrollableControl(const ui::TComponent& component) const;
  bool IsAlreadyWrapped(const ui::TComponent& component) const;
  // Frees the wrappers whose window had its last message.
  void SweepDeadWrappers();
  // Gives back what every wrapper changed and frees them all.
  void ReleaseWrappers();

  HWND WindowHandle = nullptr;
  TSkinData* SkinData = nullptr;   // the skin the manager chose; not owned
  TSkinManage* Manager = nullptr;  // the manager that made this skinner, while it lives
  bool FrameSkinned = false;
  bool WindowActive = false;
  std::int32_t WindowState = kWindowNormal;
  std::int32_t MdiKind = kPlainWindow;
  TFrameKind FrameKind = TFrameKind::Single;
  std::int32_t BorderIcons = 0;
  bool RightToLeft = false;
  int BorderLeft = 0, BorderTop = 0, BorderRight = 0, BorderBottom = 0;
  int MenuBarHeight = 0;
  std::vector<std::unique_ptr<TWinSysButton>> CaptionButtons;
  TNCObject* TrackedObject = nullptr;
  std::unique_ptr<ui::TTimer> HoverTimer;
  win::Bitmap CaptionImage;             // the caption band as last painted (a DIB section)
  PixelImage CaptionBackground;         // the same before the buttons were drawn on it
  PixelImage IconImage;                 // the window's small icon on magenta
  win::Menu SystemPopup;                // the owner-drawn system menu of the skin
  HDC Canvas = nullptr;                 // lent to the wrappers
  std::vector<TSkinControl*> Wrappers;  // in order of attachment; not owned
  TSkinControl* HotButton = nullptr;    // the button wrapper under the mouse
  std::int32_t State = kFormCreated;
  // Called from the destructor: whoever lists this skinner forgets it.
  std::function<void(TWinSkinForm&)> OnFree;

 private:
  LRESULT SkinWndProc(UINT msg, WPARAM wparam, LPARAM lparam);
  LRESULT FrameMessage(UINT msg, WPARAM wparam, LPARAM lparam);
  LRESULT NcCalcSize(WPARAM wparam, LPARAM lparam);
  LRESULT NcMouse(UINT msg, WPARAM wparam, LPARAM lparam);
  LRESULT SystemCommand(UINT msg, WPARAM wparam, LPARAM lparam);
  // The MDI client of an MDI frame: children skinned as they come, the menu bar kept.
  LRESULT MdiClientMessage(UINT msg, WPARAM wparam, LPARAM lparam);
  void AttachMdiClient();
  bool MdiMaxMode() const;
  void SetMdiMax(bool on);
  // Whether the active MDI child of this frame is maximised.
  bool ActiveMdiChildMaximised() const;
  void SizeChanged(WPARAM wparam);
  void ReadWindowState();
  void ReadIcon();
  void BuildSystemPopup();
  // Measures or draws an item of SystemPopup, of a drop-down of the menu bar or of a skinned
  // context menu of the form; false for any other item.
  bool MenuItemMessage(UINT msg, LPARAM lparam);
  bool FindMenuItemView(UINT command, ULONG_PTR data, HMENU menu, MenuItemView& view) const;
  PixelImage CaptionPixels() const;
  void HoverTick();
  void WrapControls();
  void AttachFrameParts();
  void ReleaseFrameParts(bool window_going);
  void FormMessage(ui::TMessage& message);
  int CaptionTextWidth() const;

  ui::WindowSubclass subclass_;
  ui::TForm* form_ = nullptr;
  ui::TColor old_color_ = 0;
  std::uint32_t saved_style_ = 0;
  SIZE system_frame_{};  // window size minus client size under the system frame
  SIZE client_size_{};
  win::Font caption_font_;
  RasterRect title_text_{};
  int right_buttons_edge_ = 0;
  HMENU system_menu_ = nullptr;
  std::unique_ptr<TWinSkinMenu> menu_bar_;
  ui::WindowSubclass mdi_client_;
  HWND new_mdi_child_ = nullptr;
  bool menu_update_ = true;  // the skin data's MenuUpdate before an MDI child came
  bool region_set_ = false;
  SIZE region_size_{};
  DWORD last_system_menu_click_ = 0;
  UINT double_click_time_ = 0;
  bool fitted_ = false;
  std::function<void(ui::TMessage&)> previous_form_proc_;
  struct SystemPopupEntry {
    std::wstring caption;
    std::wstring shortcut;
    int tag;
  };
  std::vector<SystemPopupEntry> system_items_;  // the item data of SystemPopup
  static constexpr int kSystemSeparatorTag = 100;
  std::vector<ui::TPopupMenu*> skinned_popups_;  // owned by the form
};

}  // namespace telvana
