// What the skinned-frame tests share: a skin with borders and caption buttons, and the
// program's skin manager replaced by a fresh one for one test.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "skin/skin_manage_win.h"
#include "tests/skin/skin_builder.h"

namespace telvana::testing {

// Borders 4, 20, 4 and 4 pixels; the left one cuts its top-left corner (transparent magenta);
// a close button and one with an action of the program's own.
inline std::vector<std::uint8_t> FrameSkin() {
  return SkinBuilder(
             "[Personality]\r\n"
             "Left=l.bmp\r\nLeftFrame=2\r\nLeftTopHeight=10\r\nLeftBotHeight=4\r\nLeftTrans=1\r\n"
             "Right=r.bmp\r\nRightFrame=2\r\nRightTopHeight=10\r\nRightBotHeight=4\r\n"
             "Top=t.bmp\r\nTopFrame=2\r\nTopTopHeight=2\r\nTopBotHeight=2\r\n"
             "Bottom=b.bmp\r\nBottomFrame=2\r\n"
             "[Button0]\r\nButtonImage=close.bmp\r\nAction=0\r\nAlign=1\r\nXcoord=20\r\n"
             "Ycoord=4\r\nVisibility=0\r\nVisibility1=0\r\n"
             "[Button1]\r\nButtonImage=own.bmp\r\nAction=42\r\nAlign=1\r\nXcoord=40\r\n"
             "Ycoord=4\r\nVisibility=0\r\nVisibility1=0\r\n"
             "[Buttons]\r\nBitmap=button.bmp\r\n")
      .Picture("l.bmp", 8, 40, 2)
      .Picture("r.bmp", 8, 40, 3)
      .Picture("t.bmp", 60, 40, 4)
      .Picture("b.bmp", 60, 8, 5)
      .Picture("close.bmp", 48, 12, 6)
      .Picture("own.bmp", 48, 12, 7)
      .Picture("button.bmp", 60, 12, 8)
      .File();
}

// A fresh TSkinManage for the life of the object; the previous manager is put back after.
class ScopedSkinManage {
 public:
  ScopedSkinManage() {
    auto owned = std::make_unique<TSkinManage>();
    manager_ = owned.get();
    previous_ = ReplaceSkinManager(std::move(owned));
  }
  ScopedSkinManage(const ScopedSkinManage&) = delete;
  ScopedSkinManage& operator=(const ScopedSkinManage&) = delete;
  ~ScopedSkinManage() { ReplaceSkinManager(std::move(previous_)); }
  TSkinManage* get() const { return manager_; }

 private:
  TSkinManage* manager_ = nullptr;
  std::unique_ptr<SkinManagerLink> previous_;
};

}  // namespace telvana::testing
