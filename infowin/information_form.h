// What the seven information windows share: they only close, and open web pages when their
// advertisements (or, in places, a frame or a button) are double-clicked or clicked.
#pragma once

#include <string>

#include "ui/forms.h"

namespace telvana {

class TInformationForm : public ui::TForm {
 public:
  explicit TInformationForm(ui::TComponent* owner) : TForm(owner) {}

  // The close control's handler: closes the window, which ends its modal showing with the
  // cancel result; the window is hidden and kept for the next opening.
  void CloseClick(ui::TComponent& sender);
  // Opens a web page owned by this window; when the shell cannot be asked, says so.
  void OpenPage(const wchar_t* address);

 protected:
  void RegisterClose(std::string handler);
  // A handler that opens `address`.
  void RegisterPage(std::string handler, const wchar_t* address);
};

}  // namespace telvana
