// The program as the galleries show it: COM, the skin manager and the application made as the
// program's entry makes them, then its windows as start-up makes them; the skin file named on
// the gallery's command line (if any) is applied, the mouse is moved out of the way (no hints
// in the pictures) and the main window is shown and left to settle.
#pragma once

#include <windows.h>

#include "app/start_up.h"
#include "skin/skin_data.h"
#include "skin/skin_manage_win.h"
#include "tests/support/picture_taking.h"
#include "ui/win_handles.h"

namespace telvana::testsupport {

class GalleryProgram {
 public:
  // `skin_file`: a skin for the main window instead of the one chosen at start-up, or null.
  explicit GalleryProgram(const wchar_t* skin_file) : main_(CreateProgramWindows(application_)) {
    if (skin_file) {
      auto* skin = dynamic_cast<TSkinData*>(main_.FindComponent(L"SkinData1"));
      skin_applied_ = skin != nullptr;
      if (skin) {
        skin->SetSkinFile(skin_file);
        skin->ApplySkinFile();
      }
    }
    ::SetCursorPos(0, 0);
    main_.Show();
    Settle(1500);
  }

  TFmain1& Main() { return main_; }
  // False when a skin file was named but the main window has no skin component to take it.
  bool SkinApplied() const { return skin_applied_; }

 private:
  win::ComScope com_;
  SkinManagerScope skin_manager_;
  ui::TApplication application_;
  TFmain1& main_;
  bool skin_applied_ = true;
};

}  // namespace telvana::testsupport
