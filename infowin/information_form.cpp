#include "infowin/information_form.h"

#include "web/web_page.h"

namespace telvana {

void TInformationForm::CloseClick(ui::TComponent&) {
  Close();
}

void TInformationForm::OpenPage(const wchar_t* address) {
  OpenWebPage(Handle(), address);
}

void TInformationForm::RegisterClose(std::string handler) {
  RegisterHandler(
      std::move(handler),
      ui::EventHandler{ui::NotifyEvent([this](ui::TComponent& sender) { CloseClick(sender); })});
}

void TInformationForm::RegisterPage(std::string handler, const wchar_t* address) {
  RegisterHandler(
      std::move(handler),
      ui::EventHandler{ui::NotifyEvent([this, address](ui::TComponent&) { OpenPage(address); })});
}

}  // namespace telvana
