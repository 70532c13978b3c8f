// Menus: a menu bar or a context menu is a tree of items with a caption (shown exactly as
// stored), a function-key shortcut, a check mark and a click handler. Items can be drawn by
// their owner: a menu whose OwnerDraw is on asks its items' OnMeasureItem and OnDrawItem.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/component.h"
#include "ui/win_handles.h"

namespace telvana::ui {

class TMenu;
class TForm;

// A shortcut as stored: the virtual-key code plus these modifier bits.
inline constexpr int scShift = 0x2000;
inline constexpr int scCtrl = 0x4000;
inline constexpr int scAlt = 0x8000;
std::wstring ShortCutToText(int shortCut);  // "F11", "Ctrl+S"; empty for none

class TMenuItem;
using MenuMeasureItemEvent =
    std::function<void(TMenuItem& sender, HDC dc, int& width, int& height)>;
using MenuDrawItemEvent =
    std::function<void(TMenuItem& sender, HDC dc, const RECT& rect, UINT state /* ODS_ */)>;

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  const std::wstring& Caption() const { return caption_; }
  void SetCaption(const std::wstring& caption);
  int ShortCut() const { return short_cut_; }
  void SetShortCut(int shortCut);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool IsSeparator() const { return caption_ == L"-"; }

  // The command identifier the item carries in its menu handle.
  UINT Command() const { return command_; }
  TMenuItem* ParentItem() const { return parent_item_; }
  TMenu* Menu() const;
  const std::vector<TMenuItem*>& Items() const { return items_; }
  void Add(TMenuItem& item);
  void Remove(TMenuItem& item);

  // What a choice of the item does: runs OnClick.
  void Click();

  NotifyEvent OnClick;
  MenuMeasureItemEvent OnMeasureItem;
  MenuDrawItemEvent OnDrawItem;

 private:
  friend class TMenu;
  void Changed(bool structure);

  std::wstring caption_;
  int short_cut_ = 0;
  bool checked_ = false;
  bool enabled_ = true;
  UINT command_;
  TMenuItem* parent_item_ = nullptr;
  TMenu* menu_ = nullptr;  // set on the root item of a menu
  std::vector<TMenuItem*> items_;
  HMENU container_ = nullptr;  // the menu handle that holds this item, once built
};

class TMenu : public TComponent {
 public:
  explicit TMenu(TComponent* owner);

  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  TMenuItem& Items() { return *root_; }
  bool OwnerDraw() const { return owner_draw_; }
  void SetOwnerDraw(bool on);
  bool AutoHotkeys() const { return false; }  // captions are always shown exactly as stored

  // The menu handle, built on first use and rebuilt when the tree changes.
  HMENU Handle();
  TMenuItem* FindItem(UINT command);
  // The enabled item whose shortcut is `shortCut`, searched depth first.
  TMenuItem* FindShortCut(int shortCut);
  // The window that receives the menu's messages: the form that owns the menu.
  HWND OwnerWindow() const;

  // Frees the menu handle and stops following changes of the items (the form is going).
  void Release();

  // Item events for owner-drawn items, routed here by the owning form.
  bool MeasureItem(MEASUREITEMSTRUCT& measure);
  bool DrawItem(const DRAWITEMSTRUCT& draw);

 protected:
  virtual bool IsMenuBar() const = 0;
  virtual void HandleRebuilt() {}
  void ItemChanged(TMenuItem& item, bool structure);

 private:
  friend class TMenuItem;
  void Build(HMENU menu, TMenuItem& parent);

  TMenuItem* root_;
  bool owner_draw_ = false;
  bool released_ = false;
  win::Menu handle_;
};

class TMainMenu : public TMenu {
 public:
  explicit TMainMenu(TComponent* owner) : TMenu(owner) {}
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

 protected:
  bool IsMenuBar() const override { return true; }
  void HandleRebuilt() override;
};

class TPopupMenu : public TMenu {
 public:
  explicit TPopupMenu(TComponent* owner) : TMenu(owner) {}
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  // Shows the menu at a screen point and runs the chosen item, if any.
  void Popup(int x, int y);

 protected:
  bool IsMenuBar() const override { return false; }
};

}  // namespace telvana::ui
