// Process-wide set-up for tests that create windows: the standard classes that
// descriptions name, and the application object (common controls and the window that owns
// the forms). Every test program that includes this header gets it once.
#pragma once

#include <gtest/gtest.h>

#include "ui/form_reader.h"
#include "ui/forms.h"

namespace telvana::testsupport {

inline void EnsureUiInitialized() {
  static const bool initialized = [] {
    ui::RegisterStandardClasses();
    ui::Application().Initialize();
    return true;
  }();
  (void)initialized;
}

class UiTestEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { EnsureUiInitialized(); }
};

inline ::testing::Environment* const kUiTestEnvironment =
    ::testing::AddGlobalTestEnvironment(new UiTestEnvironment);

}  // namespace telvana::testsupport
