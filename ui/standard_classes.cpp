#include "ui/form_reader.h"
#include "ui/forms.h"
#include "ui/menus.h"
#include "ui/std_controls.h"

namespace telvana::ui {

void RegisterStandardClasses() {
  for (const ClassInfo* info :
       {&TPanel::StaticClass(), &TSplitter::StaticClass(), &TListBox::StaticClass(), &TStatusBar::StaticClass(),
        &TImage::StaticClass(), &TTimer::StaticClass(), &TMainMenu::StaticClass(), &TPopupMenu::StaticClass(),
        &TMenuItem::StaticClass(), &TApplicationEvents::StaticClass()}) {
    RegisterComponentClass(*info);
  }
}

}  // namespace telvana::ui
