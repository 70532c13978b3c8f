// Skinned tabs. TSkinTab: a page control (tabbed notebook, "SysTabControl32") that paints
// itself, then gets its tab strip and page frame from the skin's Tabs pictures over that;
// tabs at the left or right are composed lying down, as tabs on top, and turned. TSkinTab31:
// a tab set (the tabs under a notebook) painted whole from the same pictures, upside down.
#pragma once

#include <windows.h>

#include "skin/skin_control_win.h"
#include "ui/pixel_image.h"
#include "ui/win_handles.h"

namespace telvana {

class TSkinUpDown;

class TSkinTab : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  void AttachWindow(HWND handle, TSkinData& skin_data, TWinSkinForm* form, HDC canvas) override;
  void SkinChanged() override;
  void PaintSkin(HDC dc, const RECT& rect) override;

  int Position() const { return FPosition; }
  // The scroll arrows' wrapper, while there is one.
  TSkinUpDown* UpDown() const;

 private:
  // The skin's tab and border pictures as this control's tab position needs them.
  void PrepareImages();
  // Skins the control's scroll arrows once; whether they show now.
  bool FindScrollArrows();
  // The lying strip's picture, `width` x `height`, its DC returned (FStrip selected).
  HDC PrepareStrip(HDC like, int width, int height);

  PixelImage FTabImage;
  PixelImage FBorderImage;
  win::MemoryDc strip_dc_;
  win::Bitmap FStrip;
  void* strip_bits_ = nullptr;  // FStrip's pixels, top row first
  SIZE strip_size_{};
  int FPosition = 0;
  TSkinUpDown* FUpDown = nullptr;  // owned by this wrapper's owner
};

class TSkinTab31 : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  // Attaches to the tab set that owns this wrapper, through its window procedure.
  void AttachControl(TWinSkinForm* form, TSkinData& skin_data, bool change_color,
                     HDC canvas) override;
  bool BeforeMessage(ui::TMessage& message) override;
  void SkinChanged() override;
  void PaintSkin(HDC dc, const RECT& rect) override;

  TSkinUpDown* UpDown() const;

 private:
  void PrepareImage();

  PixelImage FTabImage;
  TSkinUpDown* FUpDown = nullptr;        // owned by this wrapper's owner
  ui::TWinControl* FScroller = nullptr;  // the tab set's own scroll arrows
};

}  // namespace telvana
