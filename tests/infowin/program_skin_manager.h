// The program's skin manager in a test program of the program's windows: it exists before the
// windows, as in the program, and ends before the application.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "skin/skin_manage_win.h"

namespace telvana::testsupport {

class SkinManagerEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { scope_ = std::make_unique<SkinManagerScope>(); }
  void TearDown() override { scope_.reset(); }

 private:
  std::unique_ptr<SkinManagerScope> scope_;
};
inline ::testing::Environment* const kSkinManagerEnvironment =
    ::testing::AddGlobalTestEnvironment(new SkinManagerEnvironment);

inline TSkinManage& Manager() {
  auto* manager = dynamic_cast<TSkinManage*>(SkinManager());
  if (!manager) throw std::runtime_error("the program has no skin manager");
  return *manager;
}

}  // namespace telvana::testsupport
