#include "ui/buttons.h"
#include "ui/edit.h"
#include "ui/form_reader.h"
#include "ui/forms.h"
#include "ui/group_box.h"
#include "ui/menus.h"
#include "ui/std_controls.h"
#include "ui/text_controls.h"

namespace telvana::ui {

void RegisterStandardClasses() {
  for (const ClassInfo* info :
       {&TPanel::StaticClass(), &TSplitter::StaticClass(), &TListBox::StaticClass(),
        &TStatusBar::StaticClass(), &TImage::StaticClass(), &TBevel::StaticClass(),
        &TTimer::StaticClass(), &TMainMenu::StaticClass(), &TPopupMenu::StaticClass(),
        &TMenuItem::StaticClass(), &TApplicationEvents::StaticClass(), &TButton::StaticClass(),
        &TBitBtn::StaticClass(), &TLabel::StaticClass(), &TMemo::StaticClass(),
        &TGroupBox::StaticClass(), &TEdit::StaticClass()}) {
    RegisterComponentClass(*info);
  }
}

}  // namespace telvana::ui
