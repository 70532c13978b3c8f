#include "skin/skin_edit_win.h"

#include <string>

#include "skin/skin_data.h"
#include "skin/skin_up_down_win.h"
#include "ui/win_handles.h"

namespace telvana {

namespace {

constexpr COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);

void Frame(HDC dc, RECT rect, HBRUSH brush) {
  ::FrameRect(dc, &rect, brush);
}

RECT Shrunk(RECT rect, int by) {
  ::InflateRect(&rect, -by, -by);
  return rect;
}

}  // namespace

bool TSkinEdit::BeforeMessage(ui::TMessage& message) {
  if (message.msg != WM_PRINT || !message.wParam) return TSkinControl::BeforeMessage(message);
  const auto dc = reinterpret_cast<HDC>(message.wParam);
  // Wine's edit leaves its client area as the clip of a DC it prints into, which would hide
  // the border: the caller's clip is put back before the border is drawn.
  win::Region caller_clip(::CreateRectRgn(0, 0, 0, 0));
  const bool clipped = caller_clip && ::GetClipRgn(dc, caller_clip.get()) == 1;
  CallOriginal(message);
  ::SelectClipRgn(dc, clipped ? caller_clip.get() : nullptr);
  PaintPrintBorder(dc);
  return false;
}

void TSkinEdit::AfterMessage(ui::TMessage& message) {
  if (message.msg == WM_PAINT) {
    // A paint into a DC that was handed in is someone else's picture (a print); only the
    // window's own paint gets the border.
    if (message.wParam == 0) Repaint(nullptr);
    return;
  }
  TSkinControl::AfterMessage(message);
}

TSkinUpDown* TSkinEdit::UpDown() const {
  return StillWrapped(FForm, FUpDown) ? FUpDown : nullptr;
}

void TSkinEdit::FindUpDown() {
  FUpDown = UpDown();
  if (FUpDown || !FSkinData) return;
  for (HWND child = ::GetTopWindow(FHandle); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    const std::wstring name = win::ClassNameOf(child);
    if (name != L"msctls_updown32" && name != L"TSpinButton") continue;
    ui::TComponent* owner = Owner() ? Owner() : this;
    FUpDown = ui::TComponent::New<TSkinUpDown>(*owner);
    FUpDown->AttachWindow(child, *FSkinData, FForm, FCanvas);
    FUpDown->FInset = true;
    return;
  }
}

bool TSkinEdit::HasBorder(const RECT& rect) const {
  RECT client;
  if (!::GetClientRect(FHandle, &client)) return false;
  return client.right != rect.right - rect.left && client.bottom != rect.bottom - rect.top;
}

void TSkinEdit::PaintSkin(HDC dc, const RECT& rect) {
  if (!FSkinData) return;
  FindUpDown();
  if (!HasBorder(rect)) return;
  win::Brush shadow(::CreateSolidBrush(ui::ColorToRGB(FSkinData->Colours().ButtonShadow)));
  win::Brush white(::CreateSolidBrush(kWhite));
  Frame(dc, rect, shadow.get());
  Frame(dc, Shrunk(rect, 1), white.get());
}

void TSkinEdit::PaintPrintBorder(HDC dc) {
  RECT window, client;
  if (!FSkinData || !::GetWindowRect(FHandle, &window) || !::GetClientRect(FHandle, &client)) {
    return;
  }
  const RECT rect{0, 0, window.right - window.left, window.bottom - window.top};
  if (client.right + 2 >= rect.right || client.bottom + 2 >= rect.bottom) return;
  // The inner line in the DC's own brush hides the system's inner edge.
  Frame(dc, Shrunk(rect, 1), static_cast<HBRUSH>(::GetCurrentObject(dc, OBJ_BRUSH)));
  win::Brush shadow(::CreateSolidBrush(ui::ColorToRGB(FSkinData->Colours().ButtonShadow)));
  Frame(dc, rect, shadow.get());
}

}  // namespace telvana
