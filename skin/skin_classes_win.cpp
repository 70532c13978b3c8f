#include "skin/skin_classes_win.h"

#include <windows.h>

#include <string>

#include "skin/skin_data.h"
#include "ui/forms.h"
#include "ui/message_box.h"

namespace telvana {

void RegisterSkinClasses() {
  static const bool registered = [] {
    RegisterSkinDataClass();
    SetSkinMessageSink([](const std::string& text) {
      // The message is ASCII; shown as a plain notice captioned with the program's title.
      ui::ShowMessageBox(nullptr, std::wstring(text.begin(), text.end()), ui::Application().Title(),
                         MB_OK);
    });
    return true;
  }();
  (void)registered;
}

}  // namespace telvana
