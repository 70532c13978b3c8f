// Process-wide set-up for tests that create windows, made and ended as the program's entry
// point makes and ends them: COM, the standard classes that descriptions name, and the
// application object (common controls and the window that owns the forms), which ends after
// the last test, before COM. Every test program that includes this header gets it once.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "ui/form_reader.h"
#include "ui/forms.h"

namespace telvana::testsupport {

class UiTestEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    com_ = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);  // the desktop shortcut
    ui::RegisterStandardClasses();
    application_ = std::make_unique<ui::TApplication>();
    application_->Initialize();
  }
  void TearDown() override {
    application_.reset();
    if (SUCCEEDED(com_)) ::CoUninitialize();
  }

 private:
  HRESULT com_ = E_FAIL;
  std::unique_ptr<ui::TApplication> application_;
};

inline ::testing::Environment* const kUiTestEnvironment =
    ::testing::AddGlobalTestEnvironment(new UiTestEnvironment);

}  // namespace telvana::testsupport
