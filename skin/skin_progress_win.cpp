#include "skin/skin_progress_win.h"

#include <commctrl.h>

#include "skin/control_geometry.h"
#include "skin/shared_paint_bitmap_win.h"
#include "skin/skin_data.h"
#include "skin/skin_paint_win.h"
#include "skin/skin_raster.h"
#include "ui/win_handles.h"

namespace telvana {

namespace {

constexpr std::int32_t kChunkStyle = 1;

}  // namespace

const TDataSkinBorder* TSkinProgress::Skin() const {
  return FSkinData ? FSkinData->PictureAs<TDataSkinBorder>(SkinSlot::kProgress) : nullptr;
}

bool TSkinProgress::BeforeMessage(ui::TMessage& message) {
  // Without the skin's pictures the control paints itself.
  if ((message.msg != WM_PAINT || Skin()) && PaintWholeWindow(message)) return false;
  return TSkinControl::BeforeMessage(message);
}

int TSkinProgress::FilledWidth(int width) const {
  const auto position = static_cast<int>(::SendMessageW(FHandle, PBM_GETPOS, 0, 0));
  const auto upper = static_cast<int>(::SendMessageW(FHandle, PBM_GETRANGE, FALSE, 0));
  return ProgressFilledWidth(position, upper, width);
}

void TSkinProgress::PaintSkin(HDC dc, const RECT& rect) {
  const TDataSkinBorder* progress = Skin();
  if (!progress) return;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  const int filled = FilledWidth(width);
  const RECT area{0, 0, width, height};
  const SkinMargins margins = MarginsOf(*progress);

  if (progress->Style == kChunkStyle && !progress->Image2.empty()) {
    SharedPaintBitmap& shared = SharedPaintBitmap::Get();
    shared.Resize(width, height);
    HDC paint = shared.dc();
    FillFace(paint, area);
    DrawSkinElement(paint, area, progress->Image, false, progress->Tile == 1, true, 1, 1, margins);
    const PixelImage& chunk = progress->Image2;
    if (filled > 0) {
      // Copies of the chunk side by side from the left, the last one cut.
      PixelImage row = BlankImage(filled, chunk.height);
      for (int y = 0; y < chunk.height; ++y) {
        for (int x = 0; x < filled; ++x) row.at(x, y) = chunk.at(x % chunk.width, y);
      }
      const int x = progress->LeftWidth;
      const int y = (height - chunk.height) / 2;
      TransparentBlit(paint, {x, y, x + filled, y + chunk.height}, row);
    }
    ::BitBlt(dc, rect.left, rect.top, width, height, paint, 0, 0, SRCCOPY);
    return;
  }

  win::OffScreenDc work(dc, width, height);
  if (!work) return;
  FillFace(work.get(), area);
  DrawSkinElement(work.get(), area, progress->Image, false, progress->Tile == 1, true, 2, 1,
                  margins);
  if (filled > 0) {
    DrawSkinElement(work.get(), {0, 0, filled, height}, progress->Image, false, progress->Tile == 1,
                    true, 2, 2, margins);
  }
  ::BitBlt(dc, rect.left, rect.top, width, height, work.get(), 0, 0, SRCCOPY);
}

}  // namespace telvana
