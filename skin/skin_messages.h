// The skin engine's private window messages. The numbers are fixed: other parts of the
// program and skinned windows of earlier versions exchange them.
#pragma once

namespace telvana {

// A skinned window (frame or popup menu) answers 1; anything else means not skinned.
inline constexpr unsigned WM_SKINQUERY = 0x3504;
// Posted by the manager right after attaching a frame skinner (wParam 0, lParam 1000): the
// skinner finishes its set-up.
inline constexpr unsigned WM_SKININIT = 0x3503;
inline constexpr long kSkinInitParam = 1000;
// Posted by a frame skinner to its window: repaint the skinned frame.
inline constexpr unsigned WM_SKINREPAINT = 0x3502;
// Sent by the host to a skinned form: re-apply skin colours and wrappers.
inline constexpr unsigned WM_SKINREFRESH = 0x3401;
// Posted by a frame skinner to its window, wParam = the caption button's action code.
inline constexpr unsigned WM_SKINBUTTON = 0x3514;

}  // namespace telvana
